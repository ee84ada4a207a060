#include <gtest/gtest.h>

#include "core/file_util.h"
#include "core/head_lines.h"
#include "core/header_store.h"
#include "core/workspace.h"
#include "support/test_support.h"
#include "view/short_head_view.h"

using namespace zembu;
using core::Answer;
using core::ScriptedInteraction;
using zembu::testing::TempDir;
using zembu::testing::writeFile;

namespace {

void loadStore(core::Workspace& ws) {
    ws.table = zembu::testing::tableFromCovers({{5, 5, 5, 5}});
    writeFile(ws.headerStructureFile(), "   1  Releve number\r\n   8  DATE\r\n  17  COMMUNITY\r\n");
    // Relevé 3 names another relevé; relevé 4 has no record.
    writeFile(ws.headerValueFile(), "  1001 19990601 Fagion\r\n  1002 20010712 Tilio \r\n  1009 20020101 Alnion\r\n");
    core::inichlava(ws);
}

}  // namespace

TEST(ShortHeadView, WritesChosenFieldsVertically) {
    TempDir dir;
    core::Workspace ws(dir.path());
    loadStore(ws);
    ws.shortHead.fields = {3, 1};
    const view::ShortHeadView v = view::buildShortHeadView(ws, 2, 10);
    EXPECT_EQ(v.firstColumn, 2);
    // COMMUNITY: the longest visible value ("Alnion", "Tilio") takes six lines.
    ASSERT_EQ(v.lines.size(), 6u + 4u);
    EXPECT_EQ(v.labels[0], "COMMUNITY");
    EXPECT_EQ(v.labels[1], "");
    EXPECT_EQ(v.lines[0], "TA ");
    EXPECT_EQ(v.lines[5], " n ");
    EXPECT_EQ(v.labels[6], "Releve number");
    EXPECT_EQ(v.lines[6], "11 ");
    EXPECT_EQ(v.incorrectHeads, (std::vector<int32_t>{1003, 1004}));
    EXPECT_TRUE(view::buildShortHeadView(ws, 5, 10).lines.front().empty());
}

TEST(ShortHeadView, AsksAboutIncorrectHeadsUntilNo) {
    TempDir dir;
    core::Workspace ws(dir.path());
    loadStore(ws);
    ScriptedInteraction ui;
    ui.expectQuestion("The relevé 1003 has incorrect head!!!\r\nWant you know about the next problem?", "ZEMBU",
                      Answer::No);
    view::vykresleni3(ws, ui, 1, 4);
    EXPECT_SCRIPT_DONE(ui);

    ScriptedInteraction yes;
    yes.expectQuestion("The relevé 1003 has incorrect head!!!\r\nWant you know about the next problem?", "ZEMBU",
                       Answer::Yes);
    yes.expectQuestion("The relevé 1004 has incorrect head!!!\r\nWant you know about the next problem?", "ZEMBU",
                       Answer::Yes);
    view::vykresleni3(ws, yes, 1, 4);
    EXPECT_SCRIPT_DONE(yes);
}

TEST(HeadLines, LongValuesKeepTheirFirstSix) {
    core::Table t = zembu::testing::tableFromCovers({{5, 5}});
    t.ReleveHead[1] = "Carpinion";
    t.ReleveHead[2] = "12";
    const core::HeadLines lines = core::hlavickared(t);
    EXPECT_EQ(lines[5], "C ");
    EXPECT_EQ(lines[0], "n2");
    EXPECT_EQ(lines[1], "i1");
}
