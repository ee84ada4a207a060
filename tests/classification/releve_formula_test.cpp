#include <gtest/gtest.h>

#include <random>

#include "classification/releve_formula.h"
#include "classification/releve_selection.h"
#include "core/scripted_interaction.h"
#include "core/workspace.h"
#include "support/test_support.h"

using namespace zembu;
using classification::parseFormula;
using zembu::testing::TempDir;

namespace {

// Six relevés. A in 1..3 (covers 10, 30, 50), B in 2..4, C in 5, a group
// row in 1 and 6 (cover 1), a species "(S) Marked" in 6.
core::Table formulaTable() {
    core::Table t = zembu::testing::tableFromCovers({
        {10, 30, 50, 0, 0, 0},
        {0, 5, 5, 5, 0, 0},
        {0, 0, 0, 0, 5, 0},
        {1, 0, 0, 0, 0, 1},
        {0, 0, 0, 0, 0, 20},
    });
    t.SpeciesInfo[1].name = "Abies alba";
    t.SpeciesInfo[2].name = "Betula pendula";
    t.SpeciesInfo[3].name = "Carex sp.";
    t.SpeciesInfo[4].name = "### Group12";
    t.SpeciesInfo[5].name = "(S) Marked";
    return t;
}

// Running numbers of the selected relevés.
std::vector<int32_t> selected(const core::Table& t, std::string_view formula) {
    const classification::FormulaParse parse = parseFormula(t, formula);
    EXPECT_TRUE(parse.ok()) << parse.error.text;
    std::vector<int32_t> records;
    if (!parse.ok()) return records;
    const std::vector<char> hits = classification::evaluateFormula(t, *parse.formula);
    for (int32_t k = 1; k <= t.ReleveCount; ++k)
        if (hits[static_cast<size_t>(k)]) records.push_back(t.ReleveOrder[k].record);
    return records;
}

std::string refusal(const core::Table& t, std::string_view formula) {
    const classification::FormulaParse parse = parseFormula(t, formula);
    EXPECT_FALSE(parse.ok()) << formula;
    return parse.error.title + ": " + parse.error.text;
}

}  // namespace

TEST(ReleveFormula, OperatorsAndThresholds) {
    const core::Table t = formulaTable();
    using V = std::vector<int32_t>;
    EXPECT_EQ(selected(t, "<Abies alba> AND <Betula pendula>"), (V{2, 3}));
    EXPECT_EQ(selected(t, "<Abies alba> OR <Carex sp.> OR <Betula pendula>"), (V{1, 2, 3, 4, 5}));
    EXPECT_EQ(selected(t, "<Abies alba> NOT <Betula pendula>"), (V{1}));
    EXPECT_EQ(selected(t, "<Betula pendula> NOT <Abies alba> NOT <Carex sp.>"), (V{4}));
    EXPECT_EQ(selected(t, "<Abies alba UP25>"), (V{2, 3}));
    EXPECT_EQ(selected(t, "<  Abies alba   UP30 >"), (V{3}));  // above, not at, the threshold
    // A group row counts wherever it occurs, whatever the threshold; "UP12"
    // in a group's own name is no threshold.
    EXPECT_EQ(selected(t, "<### Group12 UP50>"), (V{1, 6}));
    EXPECT_EQ(selected(t, "<### Group12>"), (V{1, 6}));
    // Parentheses of any kind, names with parentheses inside terms.
    EXPECT_EQ(selected(t, "[<Abies alba> AND <Betula pendula>] OR {<(S) Marked>}"), (V{2, 3, 6}));
    EXPECT_EQ(selected(t, "(<Abies alba> OR <Carex sp.>) AND (<### Group12> OR <Betula pendula>)"), (V{1, 2, 3}));
    EXPECT_EQ(selected(t, "<Carex sp.> or <Abies alba UP40>"), (V{3, 5}));
}

TEST(ReleveFormula, MixedOperatorsNeedParentheses) {
    const core::Table t = formulaTable();
    EXPECT_EQ(refusal(t, "<### Group12> AND <Abies alba> OR <Betula pendula>"),
              "SYNTAX ERROR: Operators must be segregated by ()!!! Error is in the 1. hierarchical layer.");
    EXPECT_EQ(selected(t, "(<### Group12> AND <Abies alba>) OR <Betula pendula>"), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(refusal(t, "<Carex sp.> OR (<Abies alba> AND <Betula pendula> NOT <Carex sp.>)"),
              "SYNTAX ERROR: Operators must be segregated by ()!!! Error is in the 2. hierarchical layer.");
    EXPECT_EQ(refusal(t, "(<Abies alba> OR <Betula pendula>)"),
              "SYNTAX ERROR: Too many parenthesis!!! The highest layer of hierarchy needn't have a parenthesis...");
    EXPECT_EQ(selected(t, "(<Abies alba>) OR (<Carex sp.>)"), (std::vector<int32_t>{1, 2, 3, 5}));
}

TEST(ReleveFormula, RefusedFormulas) {
    const core::Table t = formulaTable();
    const std::string syntax = "SYNTAX ERROR: ";
    EXPECT_EQ(refusal(t, "(<Abies alba> OR <Carex sp.>) AND (<Betula pendula>"),
              syntax + "No of parenthesis \u00B4(\u00B4 is higher then \u00B4)\u00B4!!!");
    EXPECT_EQ(refusal(t, "<Abies alba> OR <Carex sp.>]"),
              syntax + "No of parenthesis \u00B4(\u00B4 is lower then \u00B4)\u00B4!!!");
    EXPECT_EQ(refusal(t, ") <Abies alba> ("), syntax + "No of parenthesis \u00B4(\u00B4 is lower then \u00B4)\u00B4!!!");
    EXPECT_EQ(refusal(t, "<Abies alba AND <Carex sp.>"),
              syntax + "No of parenthesis \u00B4<\u00B4 is higher then \u00B4>\u00B4!!!");
    EXPECT_EQ(refusal(t, "<Abies alba> AND Carex sp.>"),
              syntax + "No of parenthesis \u00B4<\u00B4 is lower then \u00B4>\u00B4!!!");
    EXPECT_EQ(refusal(t, "<Abies alba> AND <Quercus robur>"),
              "ERROR: The name Quercus robur was not found in the table!!!");
    EXPECT_EQ(refusal(t, "<Abies alba> AND"), syntax + "An operand is missing in the 1. hierarchical layer!!!");
    EXPECT_EQ(refusal(t, "<Abies alba> (<Carex sp.>)"), syntax + "An operator is missing in the 1. hierarchical layer!!!");
    EXPECT_EQ(refusal(t, "<Abies alba> AND ()"), syntax + "An operand is missing in the 2. hierarchical layer!!!");
    EXPECT_EQ(refusal(t, "<Abies alba> XOR <Carex sp.>"), syntax + "Unknown operator XOR!!! Use AND, OR or NOT.");
    EXPECT_EQ(refusal(t, "   "), syntax + "The formula is empty!!!");
    // Both sides of a pair are of one kind; a term holds no other term.
    EXPECT_EQ(refusal(t, "<Abies alba> OR [<Carex sp.> AND <Betula pendula>}"),
              syntax + "Parenthesis \u00B4[\u00B4 is closed by \u00B4}\u00B4!!! Both sides of a pair must be of one kind: "
                       "( ), [ ] or { }.");
    EXPECT_TRUE(parseFormula(t, "<Abies alba> OR [<Carex sp.> AND {<Betula pendula> OR <Abies alba>}]").ok());
    EXPECT_EQ(refusal(t, "<<Abies alba>>"),
              syntax + "A term cannot hold another term: \u00B4<\u00B4 stands inside \u00B4<\u00B4 \u00B4>\u00B4!!!");

    // Up to 20 layers and 150 terms.
    std::string deep = "<Carex sp.>";
    for (int layer = 2; layer <= 20; ++layer) deep = "<Abies alba> OR (" + deep + ")";
    EXPECT_TRUE(parseFormula(t, deep).ok());
    EXPECT_EQ(refusal(t, "<Abies alba> OR (" + deep + ")"),
              syntax + "Too many hierarchical layers!!! A formula may have at most 20 layers.");
    std::string terms = "<Abies alba>";
    for (int n = 2; n <= 150; ++n) terms += " OR <Abies alba>";
    EXPECT_TRUE(parseFormula(t, terms).ok());
    EXPECT_EQ(refusal(t, terms + " OR <Carex sp.>"), syntax + "Too many terms!!! A formula may hold at most 150 terms.");
}

TEST(ReleveFormula, DefinitionShowsLayersAndTerms) {
    const core::Table t = formulaTable();
    const auto parse = parseFormula(t, "(<Abies alba UP25> AND <### Group12>) OR <Carex sp.>");
    ASSERT_TRUE(parse.ok());
    EXPECT_EQ(parse.formula->terms[0].threshold, 25);
    EXPECT_TRUE(parse.formula->terms[1].groupRow);
    EXPECT_EQ(classification::describeFormula(*parse.formula),
              (std::vector<std::string>{"1. layer: OR", "   2. layer: AND", "      <Abies alba> cover > 25 %",
                                        "      <### Group12>", "   <Carex sp.>"}));
}

TEST(ReleveFormula, SelectionColoursTheSelectedReleves) {
    TempDir dir;
    core::Workspace ws(dir.path());
    ws.table = formulaTable();
    ws.table.ReleveColour[5] = {0xDD0000, 2};
    core::ScriptedInteraction ui;
    EXPECT_EQ(classification::makeSelection(ws, ui, "<Abies alba> AND <Betula pendula>", 1), 2);
    EXPECT_TRUE(ws.undo.available);
    EXPECT_EQ(ws.table.ReleveColour[2], (core::ColourEntry{0x9999FF, 1}));
    EXPECT_EQ(ws.table.ReleveColour[3], (core::ColourEntry{0x9999FF, 1}));
    EXPECT_EQ(ws.table.ReleveColour[1].number, 0);
    EXPECT_EQ(ws.table.ReleveColour[5].number, 2);  // others keep their colours

    // "White" uncolours; a refused formula is shown and changes nothing.
    EXPECT_EQ(classification::makeSelection(ws, ui, "<Carex sp.>", 0), 1);
    EXPECT_EQ(ws.table.ReleveColour[5], (core::ColourEntry{0xFFFFFF, 0}));
    ui.expectMessage("The name Nothing was not found in the table!!!", "ERROR");
    const core::Table before = ws.table;
    EXPECT_FALSE(classification::makeSelection(ws, ui, "<Nothing>", 3));
    EXPECT_EQ(ws.table.ReleveColour, before.ReleveColour);
    ui.expectMessage("Operators must be segregated by ()!!! Error is in the 1. hierarchical layer.", "SYNTAX ERROR");
    EXPECT_FALSE(classification::showDefinition(ws, ui, "<Carex sp.> AND <Abies alba> NOT <Carex sp.>"));
    EXPECT_SCRIPT_DONE(ui);
    EXPECT_EQ(ui.shown().back().icon, core::MessageIcon::Critical);

    // Nothing at all for a table without relevés.
    core::Workspace empty(dir.path() / "empty");
    EXPECT_FALSE(classification::makeSelection(empty, ui, "<X>", 1));
    EXPECT_SCRIPT_DONE(ui);
}

TEST(ReleveFormula, AnyTextIsParsedOrRefused) {
    const core::Table t = formulaTable();
    const char* const pieces[] = {"<Abies alba>", "<Carex sp. UP05>", "<### Group12>", " AND ", " OR ", " NOT ",
                                  "(", ")", "[", "}", "<", ">", "UP", "x", " "};
    std::mt19937 random(11);
    for (int trial = 0; trial < 3000; ++trial) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) text += pieces[random() % std::size(pieces)];
        const classification::FormulaParse parse = parseFormula(t, text);
        if (parse.ok()) {
            EXPECT_EQ(classification::evaluateFormula(t, *parse.formula).size(), 7u) << text;
            EXPECT_FALSE(classification::describeFormula(*parse.formula).empty());
        } else {
            EXPECT_FALSE(parse.error.text.empty()) << text;
            EXPECT_TRUE(parse.error.title == "SYNTAX ERROR" || parse.error.title == "ERROR") << text;
        }
    }
}
