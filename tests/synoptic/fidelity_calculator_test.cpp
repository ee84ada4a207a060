#include <gtest/gtest.h>

#include <cmath>

#include "core/scripted_interaction.h"
#include "core/settings.h"
#include "core/workspace.h"
#include "session/startup.h"
#include "support/test_support.h"
#include "synoptic/fidelity_calculator.h"
#include "synoptic/measure_names.h"

using namespace zembu::synoptic;
using zembu::core::ScriptedInteraction;
using zembu::core::Settings;
namespace setting = zembu::core::setting;

TEST(FidelityCalculator, RefusesCountsThatMakeNoTable) {
    struct Counts { double N, Np, n, np; };
    for (const Counts& c : {Counts{20, 20, 5, 2}, Counts{20, 25, 5, 2}, Counts{20, 5, 3, 4}, Counts{20, 5, 6, 6},
                            Counts{20, 5, 21, 2}, Counts{20, 15, 10, 2}, Counts{20, 5, 6, -1}}) {
        Settings settings;
        ScriptedInteraction ui;
        ui.expectMessage("Values are not correct!!!", "Program Info");
        EXPECT_FALSE(Form29(settings, c.N, c.Np, c.n, c.np, ui)) << c.N << " " << c.Np << " " << c.n << " " << c.np;
        EXPECT_SCRIPT_DONE(ui);
        EXPECT_EQ(settings.value(setting::FidelityTestN), "");
    }
}

TEST(FidelityCalculator, EvaluatesStoresAndWritesTheLine) {
    Settings settings;
    settings.setValue(setting::FidelityType, "2");
    settings.setValue(setting::PhiRecalculated, "2");  // the calculator always uses the fidelity index
    ScriptedInteraction ui;
    const auto outcome = Form29(settings, 100, 10, 10, 10, ui);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->valueText, "100.000");
    EXPECT_EQ(outcome->line, "N = 100; Np = 10; n = 10; np = 10; FIDELITY = 100.000");
    EXPECT_EQ(settings.value(setting::FidelityTestN), "100");
    EXPECT_EQ(settings.value(setting::FidelityTestSmallNp), "10");
    EXPECT_SCRIPT_DONE(ui);

    settings.setValue(setting::FidelityType, "3");
    EXPECT_EQ(Form29(settings, 100, 10, 10, 2.5, ui)->line, "N = 100; Np = 10; n = 10; np = 2.5; FIDELITY = ---");
}

TEST(FidelityCalculator, FisherTestTakesFractionalCountsRounded) {
    Settings settings;
    settings.setValue(setting::FidelityType, "13");
    ScriptedInteraction ui;
    const double whole = *Form29(settings, 10, 2, 5, 2, ui)->result.value;
    EXPECT_NEAR(whole, -std::log10(2.0 / 9), 1e-12);  // P(X >= 2) = C(5,2) / C(10,2)
    // 2.4 rounds to 2 in both places: the same test.
    EXPECT_EQ(*Form29(settings, 10, 2.4, 5, 2.4, ui)->result.value, whole);
    EXPECT_SCRIPT_DONE(ui);
}

TEST(MeasureNames, ListAndStatusText) {
    const auto list = statistica();
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[0], "u-value (hypergeometric) adj.");
    EXPECT_EQ(list[12], "Fisher's exact test");
    EXPECT_EQ(shortMeasureName(14), "Duf.-Leg.");
    EXPECT_EQ(shortMeasureName(3), "");

    FidelitySettings f;
    f.measure = PhiCoefficient;
    f.kind = FidelityIndex;
    EXPECT_EQ(nazevpole(f), " A Phi coeff.");
    f.kind = StandardisedFidelity;
    f.standardSize = 33.25;
    EXPECT_EQ(nazevpole(f), " B 33.25 Phi coeff.");
    f.kind = ModifiedFidelity;
    EXPECT_EQ(nazevpole(f), " C Phi coeff.");
    f.sizeForTargetGroup = true;
    f.standardSize = 50;
    EXPECT_EQ(nazevpole(f), " C 50.0 Phi coeff.");
}

TEST(MeasureNames, StartUpFillsTheListAndTheStatus) {
    zembu::testing::TempDir dir;
    zembu::testing::writeFile(dir / "zembu.ini", "Path1::\r\n" + std::string(9, '\n') + "Fidelity type::12\r\n");
    zembu::core::Workspace ws(dir.path());
    ScriptedInteraction ui;
    zembu::session::Form_Load(ws, ui);
    EXPECT_EQ(ws.fidelityMeasureNames.size(), 16u);
    EXPECT_EQ(ws.fidelityStatus, " C u-val.(hyp)");
}
