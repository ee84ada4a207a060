#include "vod_test_util.h"

#include "core/text.h"

namespace zembu::testing {

std::string handMadeTableFile(const core::Table& t, const std::vector<std::string>& journal,
                              const LayoutOptions& o) {
    Bytes b;
    const int32_t R = t.ReleveCount, S = t.SpeciesRecordCount;
    b.tag(o.version).tag("0002").i32(R).i32(R).tag("0003").i32(t.SpeciesCount).i32(S);
    b.tag("0004");
    for (int32_t k = 1; k <= R; ++k) b.i32(t.ReleveOrder[k].record).i32(t.ReleveOrder[k].turbovegNumber);
    b.tag("0005");
    for (int32_t rec = 1; rec <= R; ++rec) b.i32(static_cast<int32_t>(t.ReleveData[rec].size())).vstr(t.ReleveData[rec]);
    for (int32_t s = 1; s <= S; ++s) b.i32(static_cast<int32_t>(t.SpeciesData[s].size())).vstr(t.SpeciesData[s]);
    b.tag(o.speciesTagA006 ? "A006" : "0006");
    for (int32_t i = 1; i <= S; ++i)
        b.i32(t.SpeciesInfo[i].number)
            .text(t.SpeciesInfo[i].name, o.speciesTagA006 ? 50 : 38)
            .i32(t.SpeciesInfo[i].record)
            .i32(t.SpeciesRowOfRecord[i]);
    if (o.version >= "ve62") {
        b.tag("0006");
        for (int32_t i = 1; i <= S; ++i) b.text(t.SpeciesLayerLabel[i], 50);
        b.tag("0006");
        for (int32_t i = 1; i <= S; ++i) b.i16(t.SpeciesSeparatorAfter[i]);
    }
    if (o.version >= "ve63") {
        b.tag("0006");
        for (int32_t s = 1; s <= S; ++s) b.text(t.SpeciesNote[s], 30);
    }
    b.tag("0007");
    for (int32_t k = 1; k <= R; ++k) b.i32(t.ReleveColour[k].value).i32(t.ReleveColour[k].number);
    b.tag("0008");
    for (int32_t i = 1; i <= S; ++i) b.i32(t.SpeciesColour[i].value).i32(t.SpeciesColour[i].number);
    b.tag("0009");
    for (int32_t i = 1; i <= S; ++i) {
        if (o.version <= "ve63") b.i16(static_cast<int16_t>(t.SpeciesFrequency[i]));
        else b.i32(t.SpeciesFrequency[i]);
    }
    b.tag("0010");
    for (int32_t i = 1; i <= S; ++i) b.i16(t.SpeciesLayer[i]);
    b.tag("0011").vshort(static_cast<int16_t>(t.SpeciesGroups.size()));
    b.tag("0012");
    for (const core::SpeciesGroup& g : t.SpeciesGroups) {
        b.text(g.name, 38).vshort(static_cast<int16_t>(g.members.size()));
        for (const core::SpeciesGroupMember& m : g.members) b.text(m.name, 38).vlong(static_cast<int32_t>(m.value.number));
    }
    if (o.separators) {
        b.tag("0020");
        for (int32_t k = 1; k <= R; ++k) b.i16(t.SeparatorAfter[k]);
    }
    b.tag("0013");
    for (int32_t s = 1; s <= S; ++s)
        for (const std::string& v : t.SpeciesIndicator[s]) b.text(v, 2);
    for (int32_t rec = 1; rec <= R; ++rec)
        for (int32_t m : t.ReleveIndicatorMean[rec]) b.i32(m);
    if (o.journal) {
        b.tag("0021").i32(static_cast<int32_t>(journal.size()));
        for (const std::string& line : journal) b.text(line, 60);
    }
    b.tag("0014");
    return b.data;
}

void expectSameTable(const core::Table& e, const core::Table& a) {
    ASSERT_EQ(e.ReleveCount, a.ReleveCount);
    ASSERT_EQ(e.ReleveRecordCount, a.ReleveRecordCount);
    ASSERT_EQ(e.SpeciesCount, a.SpeciesCount);
    ASSERT_EQ(e.SpeciesRecordCount, a.SpeciesRecordCount);
    for (int32_t k = 1; k <= e.ReleveCount; ++k) {
        ASSERT_EQ(e.ReleveOrder[k], a.ReleveOrder[k]) << "column " << k;
        ASSERT_EQ(e.ReleveColour[k], a.ReleveColour[k]) << "column " << k;
        ASSERT_EQ(e.SeparatorAfter[k], a.SeparatorAfter[k]) << "column " << k;
    }
    for (int32_t rec = 1; rec <= e.ReleveRecordCount; ++rec) {
        ASSERT_EQ(e.ReleveData[rec], a.ReleveData[rec]) << "relevé " << rec;
        ASSERT_EQ(e.ReleveIndicatorMean[rec], a.ReleveIndicatorMean[rec]) << "relevé " << rec;
    }
    for (int32_t i = 1; i <= e.SpeciesRecordCount; ++i) {
        ASSERT_EQ(e.SpeciesInfo[i], a.SpeciesInfo[i]) << "row " << i;
        ASSERT_EQ(e.SpeciesRowOfRecord[i], a.SpeciesRowOfRecord[i]) << "row " << i;
        ASSERT_EQ(e.SpeciesLayer[i], a.SpeciesLayer[i]) << "row " << i;
        ASSERT_EQ(e.SpeciesLayerLabel[i], a.SpeciesLayerLabel[i]) << "row " << i;
        ASSERT_EQ(e.SpeciesColour[i], a.SpeciesColour[i]) << "row " << i;
        ASSERT_EQ(e.SpeciesSeparatorAfter[i], a.SpeciesSeparatorAfter[i]) << "row " << i;
        ASSERT_EQ(e.SpeciesFrequency[i], a.SpeciesFrequency[i]) << "row " << i;
    }
    for (int32_t s = 1; s <= e.SpeciesRecordCount; ++s) {
        ASSERT_EQ(e.SpeciesData[s], a.SpeciesData[s]) << "species " << s;
        ASSERT_EQ(e.SpeciesNote[s], a.SpeciesNote[s]) << "species " << s;
        ASSERT_EQ(e.SpeciesIndicator[s], a.SpeciesIndicator[s]) << "species " << s;
    }
    ASSERT_EQ(e.SpeciesGroups, a.SpeciesGroups);
}

}  // namespace zembu::testing
