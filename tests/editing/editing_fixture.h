#pragma once
// A workspace in a temporary folder holding a small table built from covers,
// recorded as saved (so the journal may be written), for the editing tests.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/recent_files.h"
#include "core/scripted_interaction.h"
#include "core/table.h"
#include "core/text.h"
#include "core/workspace.h"
#include "support/test_support.h"

namespace zembu::testing {

class EditingTest : public ::testing::Test {
protected:
    // Species rows i + 1 with covers[i] per relevé, named "Species i+1", layer 6.
    void useTable(const std::vector<std::vector<int>>& covers) {
        ws.table = tableFromCovers(covers);
        core::pushRecentFile(ws.settings, (dir / "table.vod").string());
    }

    // Gives a row its name and layer.
    void name(int32_t row, const char* text, int layer) {
        ws.table.SpeciesInfo[row].name = text;
        ws.table.SpeciesLayer[row] = static_cast<int16_t>(layer);
    }

    // The cover percentages of a row per column (0 = absent).
    std::vector<int> coversOf(int32_t row) const {
        std::vector<int> covers;
        for (int32_t k = 1; k <= ws.table.ReleveCount; ++k) {
            const char c = ws.table.coverAt(row, k);
            covers.push_back(c ? core::coverPercent(c) : 0);
        }
        return covers;
    }

    // The trimmed names of the live rows, top to bottom.
    std::vector<std::string> liveNames() const {
        std::vector<std::string> names;
        for (int32_t i = 1; i <= ws.table.SpeciesCount; ++i)
            names.emplace_back(core::trim(ws.table.SpeciesInfo[i].name));
        return names;
    }

    std::vector<std::string> deletedNames() const {
        std::vector<std::string> names;
        for (int32_t i = ws.table.SpeciesCount + 1; i <= ws.table.SpeciesRecordCount; ++i)
            names.emplace_back(core::trim(ws.table.SpeciesInfo[i].name));
        return names;
    }

    void expectSound() const {
        const auto problems = core::checkInvariants(ws.table);
        EXPECT_TRUE(problems.empty()) << problems.front();
    }

    TempDir dir;
    core::Workspace ws{dir / "home"};
    core::ScriptedInteraction ui;
};

}  // namespace zembu::testing
