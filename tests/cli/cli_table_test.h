#pragma once
// A test of zembu-cli subcommands on table files in a temporary folder: the
// program's home is there too, and tables are written and read back there.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/scripted_interaction.h"
#include "core/table_file.h"
#include "core/workspace.h"
#include "support/test_support.h"

namespace zembu::testing {

class CliTableTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("ZEMBU_HOME", (dir / "home").c_str(), 1); }

    std::string file(const char* name) const { return (dir / name).string(); }

    // Writes a table file.
    void save(const core::Table& table, const char* name) {
        core::Workspace ws(dir / "work");
        ws.table = table;
        core::ScriptedInteraction ui;
        ASSERT_TRUE(core::savetabl(ws, ui, file(name)));
    }

    // Reads a table file a command wrote.
    core::Table load(const char* name) {
        core::Workspace ws(dir / "check");
        core::ScriptedInteraction ui;
        EXPECT_TRUE(core::loadTableFile(ws, ui, file(name)));
        return ws.table;
    }

    TempDir dir;
};

}  // namespace zembu::testing
