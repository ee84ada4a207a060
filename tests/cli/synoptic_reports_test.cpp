#include <gtest/gtest.h>

#include <sstream>

#include "cli/synoptic_options.h"
#include "cli/table_reports.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "synoptic/synoptic_settings.h"

using namespace zembu;

namespace {

// Two groups of three relevés: species 1 only in the first, species 2 in all.
struct Loaded {
    zembu::testing::TempDir dir;
    core::Workspace ws{dir.path()};
    explicit Loaded(cli::SynopticFlags flags = {}) {
        EXPECT_FALSE(cli::applySynopticFlags(flags, ws));
        ws.table = zembu::testing::tableFromCovers({{5, 10, 20, 0, 0, 0}, {1, 1, 1, 1, 1, 30}});
        ws.table.SeparatorAfter[3] = 2;
    }
    std::string synoptic(int type) {
        std::ostringstream out;
        cli::printSynopticTable(ws, type, out);
        return out.str();
    }
};

}  // namespace

TEST(SynopticReports, OneLinePerSpeciesWithNameLayerAndCells) {
    Loaded t;
    EXPECT_EQ(t.synoptic(synoptic::PercentageConstancy), "Species 1\t6\t100\t.\nSpecies 2\t6\t100\t100\n");
    EXPECT_EQ(t.synoptic(synoptic::MaximumCover), "Species 1\t6\t20\t.\nSpecies 2\t6\t1\t30\n");
    EXPECT_EQ(t.synoptic(synoptic::FidelityTable), "Species 1\t6\t 100.0\t  ---\nSpecies 2\t6\t  ---\t  ---\n");
    // The combined table prints both values of a group.
    t.ws.settings.setValue(core::setting::FidelityDisplayTypeCombined, "2");
    EXPECT_EQ(t.synoptic(synoptic::CombinedTable), "Species 1\t6\tV\t100.0\t.\t  ---\nSpecies 2\t6\tV\t  ---\tV\t  ---\n");
    // Run after run the same text.
    EXPECT_EQ(t.synoptic(synoptic::CombinedTable), t.synoptic(synoptic::CombinedTable));
}

TEST(SynopticReports, FlagsChooseSettingsAndGroups) {
    cli::SynopticFlags flags;
    flags.hierarchy = true;
    flags.level = 1;  // the level-2 separator then divides nothing
    flags.measure = 12;
    flags.kind = 0;
    flags.fisher = 2;
    Loaded t(flags);
    const synoptic::SynopticSettings s = synoptic::readSynopticSettings(t.ws);
    EXPECT_EQ(s.fidelity.measure, 12);
    EXPECT_EQ(s.fidelity.kind, 0);
    EXPECT_TRUE(s.fidelity.fisherVeto);
    EXPECT_EQ(s.fidelity.fisherThreshold, 2);
    EXPECT_EQ(t.synoptic(synoptic::PercentageConstancy), "Species 1\t6\t50\nSpecies 2\t6\t100\n");
}
