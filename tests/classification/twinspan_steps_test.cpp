// The steps of the TWINSPAN classification whose rules are easiest to get
// wrong: pseudospecies, zones, the indicator threshold search, the side that
// becomes 0 or 1, the stop rules, the species classification's columns, and
// the names of the output files.

#include <gtest/gtest.h>

#include <cmath>

#include "classification/twinspan/console_program.h"
#include "classification/twinspan/engine.h"
#include "classification/twinspan/indicators.h"
#include "classification/twinspan/orientation.h"
#include "classification/twinspan/pseudospecies.h"
#include "classification/twinspan/species_classification.h"
#include "classification/twinspan/twinspan.h"
#include "core/errors.h"
#include "support/test_support.h"

namespace zembu::classification::twinspan {
namespace {

Couplet couplet(int species, long long thousandths) {
    return {species, thousandths / 1000.0, thousandths};
}

TEST(TwinspanPseudospecies, LevelsNumberingAndCompactSpecies) {
    CondensedData d;
    d.speciesCount = 4;
    d.samples = {{couplet(4, 30000), couplet(1, 1000)},
                 {couplet(1, 5000), couplet(3, 400), couplet(1, 2000)},  // species 1 twice: the larger value
                 {couplet(3, 500)}};
    Parameters p;
    p.cutLevels = {0.5, 5, 25};
    const PseudospeciesTable t = buildPseudospecies(d, p);
    // Species 2 never occurs; species 3 only below the first cut level in
    // sample 2 but at level 1 in sample 3.
    EXPECT_EQ(t.speciesFileNumber, (std::vector<int>{1, 3, 4}));
    // Level 1 of every species first, then level 2, then level 3.
    EXPECT_EQ(t.pseudoSpecies, (std::vector<int>{0, 1, 2, 0, 2, 2}));
    EXPECT_EQ(t.pseudoLevel, (std::vector<int>{1, 1, 1, 2, 2, 3}));
    // Sample 1: species 4 at level 3, then species 1 at level 1, in file order.
    EXPECT_EQ(std::vector<int>(t.rowColumns.begin() + t.rowStart[0], t.rowColumns.begin() + t.rowStart[1]),
              (std::vector<int>{2, 4, 5, 0}));
    // Sample 2: species 1 at level 2; species 3 below the cut shows only in the table.
    EXPECT_EQ(std::vector<int>(t.rowColumns.begin() + t.rowStart[1], t.rowColumns.begin() + t.rowStart[2]),
              (std::vector<int>{0, 3}));
    EXPECT_EQ(std::vector<uint8_t>(t.occurrenceLevel.begin() + t.occurrenceStart[1],
                                   t.occurrenceLevel.begin() + t.occurrenceStart[2]),
              (std::vector<uint8_t>{2, 0}));
    EXPECT_EQ(t.nonEmptySampleCount(), 3);

    EXPECT_EQ(pseudospeciesLevel(499, {500, 5000}), 0);
    EXPECT_EQ(pseudospeciesLevel(500, {500, 5000}), 1);
    EXPECT_EQ(pseudospeciesLevel(5000, {500, 5000}), 2);
}

TEST(TwinspanPseudospecies, OmittedSamplesAndWeights) {
    CondensedData d;
    d.speciesCount = 2;
    d.samples = {{couplet(1, 1000)}, {couplet(2, 1000)}};
    Parameters p;
    p.cutLevels = {0, 5};
    p.omittedSamples = {2};
    p.levelWeights = {1, 3};
    p.speciesWeights = {{1, 2}};
    p.indicatorPotentials = {1, 0};
    const PseudospeciesTable t = buildPseudospecies(d, p);
    EXPECT_EQ(t.speciesFileNumber, (std::vector<int>{1}));  // species 2 only in the omitted sample
    EXPECT_TRUE(t.sampleIsEmpty(1));
    EXPECT_FALSE(t.sampleHasData[1]);
    EXPECT_EQ(t.pseudoWeight, (std::vector<double>{2}));
}

TEST(TwinspanZones, FourBelowEightInsideFourAbove) {
    AxisFrame f;
    f.xmin = 0;
    f.xmax = 10;
    f.crmin = 4;
    f.crmid = 5;
    f.crmax = 6;
    EXPECT_EQ(zoneOf(0, f), 1);
    EXPECT_EQ(zoneOf(0.99, f), 1);
    EXPECT_EQ(zoneOf(1.01, f), 2);
    EXPECT_EQ(zoneOf(3.999, f), 4);
    EXPECT_EQ(zoneOf(4, f), 5);
    EXPECT_EQ(zoneOf(5, f), 8);  // segments are a hair wider than an eighth
    EXPECT_EQ(zoneOf(5.01, f), 9);
    EXPECT_EQ(zoneOf(6, f), 12);
    EXPECT_EQ(zoneOf(6.01, f), 13);
    EXPECT_EQ(zoneOf(10, f), 16);
}

TEST(TwinspanThreshold, TiesGoToTheCentralZoneLimit) {
    // One positive indicator held by exactly the rows of the top zone: every
    // zone limit 8..12 separates without error; the tie-breaks choose 10.
    const std::vector<LocalIndicator> indicators{{0, +1}};
    const std::vector<uint16_t> masks{0, 0, 0, 1, 1, 1};
    const std::vector<int> zones{1, 1, 2, 15, 16, 16};
    const Threshold t = searchThreshold(masks, indicators, zones);
    EXPECT_EQ(t.indicatorCount, 1);
    EXPECT_EQ(t.zone, 10);
    EXPECT_EQ(t.score, 1);  // shifted score 1 (no indicator) is negative
    EXPECT_EQ(t.shift, 1);
}

TEST(TwinspanThreshold, AnotherIndicatorMustStrictlyReduceTheErrors) {
    // Indicator 1 misses one row; indicator 2 (negative) repairs it.
    std::vector<LocalIndicator> indicators{{0, +1}, {1, -1}};
    std::vector<uint16_t> masks{0, 0, 1 | 2, 1, 1, 1};
    const std::vector<int> zones{1, 1, 2, 16, 16, 16};
    Threshold t = searchThreshold(masks, indicators, zones);
    EXPECT_EQ(t.indicatorCount, 2);
    EXPECT_EQ(t.shift, 2);
    // Without the row that needs it, the second indicator is not taken.
    masks = {0, 0, 2, 1, 1, 1};
    t = searchThreshold(masks, indicators, zones);
    EXPECT_EQ(t.indicatorCount, 1);
    int shift = 0;
    EXPECT_EQ(shiftedScores(masks, indicators, 2, shift), (std::vector<int>{2, 2, 1, 3, 3, 3}));
    EXPECT_EQ(shift, 2);
}

// Rows with one column each, every column its own unit.
EngineInput unitRows(const std::vector<std::vector<int>>& rows, int columns) {
    EngineInput in;
    for (const auto& row : rows) {
        in.columns.insert(in.columns.end(), row.begin(), row.end());
        in.rowStart.push_back(static_cast<int>(in.columns.size()));
        in.rowWeight.push_back(1.0);
    }
    in.columnWeight.assign(static_cast<size_t>(columns), 1.0);
    for (int j = 0; j < columns; ++j) in.columnUnit.push_back(j);
    in.columnMarksUnit.assign(static_cast<size_t>(columns), true);
    in.columnIndicator.assign(static_cast<size_t>(columns), true);
    in.unitCount = columns;
    return in;
}

TEST(TwinspanOrientation, TheHalfLikeTheBrotherLiesNextToIt) {
    // Rows 0-3 are the group being divided: species 0 on the low side of the
    // axis, species 1 on the high side. Rows 4-5, the brother, hold species 0.
    const EngineInput in = unitRows({{0}, {0}, {1}, {1}, {0}, {0, 2}}, 3);
    std::vector<int> localIndex(3, -1);
    const Group g = buildGroup(in, {0, 1, 2, 3}, localIndex);
    const std::vector<double> x{-1, -1, 1, 1};

    // Group 2 with its brother 3 to the right: the species-0 half must become
    // positive (digit 1, next to the brother), so the axis is reversed.
    ClassMembers members{{2, {0, 1, 2, 3}}, {3, {4, 5}}};
    EXPECT_TRUE(NeighbourComparison(in).mustReverse(g, x, 0.0, members, 2));
    // Group 3 with its brother 2 to the left: the species-0 half stays negative.
    members = {{3, {0, 1, 2, 3}}, {2, {4, 5}}};
    EXPECT_FALSE(NeighbourComparison(in).mustReverse(g, x, 0.0, members, 3));
    // A brother that has been divided already counts with its children.
    members = {{3, {0, 1, 2, 3}}, {4, {4}}, {5, {5}}};
    EXPECT_FALSE(NeighbourComparison(in).mustReverse(g, x, 0.0, members, 3));
    // The other way round when the brother holds species 1.
    const EngineInput other = unitRows({{0}, {0}, {1}, {1}, {1}, {1, 2}}, 3);
    members = {{3, {0, 1, 2, 3}}, {2, {4, 5}}};
    EXPECT_TRUE(NeighbourComparison(other).mustReverse(g, x, 0.0, members, 3));
}

// Two communities of six rows: species 0-2 and species 3-5, with overlap.
EngineInput twoCommunities() {
    return unitRows({{0, 1, 2}, {0, 1}, {0, 2}, {1, 2}, {0, 1, 2, 3}, {0, 1, 2},
                     {3, 4, 5}, {3, 4}, {3, 5}, {4, 5}, {3, 4, 5, 0}, {3, 4, 5}},
                    6);
}

TEST(TwinspanStopRules, LevelLimitMinimumGroupAndUniformGroups) {
    EngineInput in = twoCommunities();
    in.maxLevel = 1;
    in.minGroupSize = 5;
    EngineResult r = classifyRows(in);
    ASSERT_EQ(r.divisions.size(), 1u);
    EXPECT_EQ(r.divisions[0].outcome, DivisionOutcome::Divided);
    EXPECT_EQ(r.divisions[0].endsLevel, 1);
    // The two communities part; which is 0 is the ordination's choice.
    const int first = r.rowClass[0];
    EXPECT_TRUE(first == 2 || first == 3);
    for (int row = 0; row < 12; ++row) EXPECT_EQ(r.rowClass[row], row < 6 ? first : 5 - first) << row;

    // Groups of six with a minimum of seven are not divided further.
    in.maxLevel = 4;
    in.minGroupSize = 7;
    r = classifyRows(in);
    ASSERT_EQ(r.divisions.size(), 3u);
    EXPECT_EQ(r.divisions[1].outcome, DivisionOutcome::TooFewItems);
    EXPECT_EQ(r.divisions[2].outcome, DivisionOutcome::TooFewItems);
    EXPECT_EQ(r.divisions[2].endsLevel, 0);  // finished: nothing left to divide
    EXPECT_EQ(r.rowClass[0], first);

    // Identical rows give no ordination axis; empty rows stay in class 0.
    EngineInput same = unitRows({{0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {}}, 2);
    r = classifyRows(same);
    ASSERT_EQ(r.divisions.size(), 1u);
    EXPECT_EQ(r.divisions[0].outcome, DivisionOutcome::NoEigenvalue);
    EXPECT_EQ(r.rowClass, (std::vector<int>{1, 1, 1, 1, 1, 0}));
}

TEST(TwinspanStopRules, NothingIsDividedWhenTheMinimumExceedsTheSamples) {
    CondensedData d;
    d.speciesCount = 2;
    d.samples = {{couplet(1, 1000)}, {couplet(2, 1000)}, {}, {couplet(1, 1000), couplet(2, 1000)}};
    d.speciesNames = {"A       ", "B       "};
    d.sampleNames.assign(4, "        ");
    Parameters p;
    p.minGroupSize = 4;  // three samples have occurrences
    EXPECT_TRUE(runTwinspan(d, p).stoppedEarly);
    p.minGroupSize = 3;
    EXPECT_FALSE(runTwinspan(d, p).stoppedEarly);
    p.maxLevel = 0;
    EXPECT_TRUE(runTwinspan(d, p).stoppedEarly);
}

TEST(TwinspanSpeciesClassification, ColumnsFromConcentrationInClassSubtrees) {
    // Four samples: two in class 2, two in class 3. Species 0 only in class 2,
    // species 1 everywhere.
    CondensedData d;
    d.speciesCount = 2;
    d.samples = {{couplet(1, 1000), couplet(2, 1000)}, {couplet(1, 1000), couplet(2, 1000)},
                 {couplet(2, 1000)}, {couplet(2, 1000)}};
    Parameters p;
    p.cutLevels = {0};
    const PseudospeciesTable t = buildPseudospecies(d, p);
    const EngineInput in = speciesEngineInput(t, {2, 2, 3, 3}, 5, 6);
    EXPECT_EQ(in.columnCount(), 9);
    // Species 0: r = 2 * (6 - 4) / (4 * 0 + 1e-7) in class 2: all three columns.
    EXPECT_EQ(std::vector<int>(in.columns.begin(), in.columns.begin() + in.rowStart[1]), (std::vector<int>{3, 4, 5}));
    // Species 1: r = 2 * 2 / (4 * 2) = 0.5 in class 2; in class 3 r = 2 * 4 / (2 * 2 + 1e-7),
    // a hair below 2: only the first column.
    EXPECT_EQ(std::vector<int>(in.columns.begin() + in.rowStart[1], in.columns.end()), (std::vector<int>{6}));
    // Weights 1.414^e times the class total; the upper two columns doubled.
    EXPECT_NEAR(in.columnWeight[3], std::pow(1.414, 8) * 4, 1e-9);
    EXPECT_NEAR(in.columnWeight[4], 2 * std::pow(1.414, 8) * 4, 1e-9);
    EXPECT_NEAR(in.rowWeight[0], 2.00001, 1e-12);
    EXPECT_NEAR(in.rowWeight[1], 4.00001, 1e-12);
}

TEST(TwinspanSpeciesClassification, DeepSampleClassesStillGiveColumns) {
    CondensedData d;
    d.speciesCount = 1;
    d.samples = {{couplet(1, 1000)}, {couplet(1, 1000)}};
    Parameters p;
    p.cutLevels = {0};
    const PseudospeciesTable t = buildPseudospecies(d, p);
    const EngineInput in = speciesEngineInput(t, {600, 601}, 2, 10);
    // Classes at level 10 take part like any other.
    EXPECT_EQ(in.columns, (std::vector<int>{3 * 600 - 3, 3 * 601 - 3}));
}

TEST(TwinspanFiles, OutputNamesFollowTheInputsLetterCase) {
    EXPECT_EQ(outputFileFor("/d/twtwtw.cc!", "pun"), "/d/twtwtw.pun");
    EXPECT_EQ(outputFileFor("/d/TWTWTW.CC!", "pun"), "/d/TWTWTW.PUN");
    EXPECT_EQ(outputFileFor("Dune.cc!", "twi"), "Dune.twi");
    EXPECT_EQ(outputFileFor("/d/DATA", "pun"), "/d/DATA.PUN");
    EXPECT_EQ(outputFileFor("/d/six.PUN", "twi"), "/d/six.TWI");
    EXPECT_EQ(outputFileFor("/d/Data.123", "pun"), "/d/Data.pun");

    testing::TempDir dir;
    testing::writeFile(dir / "twtwtw.cc!", "x");
    EXPECT_EQ(locateInputFile(dir / "TWTWTW.CC!"), dir / "twtwtw.cc!");
    EXPECT_THROW(locateInputFile(dir / "other.cc!"), core::ZembuError);
}

TEST(TwinspanFiles, CodesAndOrderKeys) {
    EXPECT_EQ(classCode(1), "");
    EXPECT_EQ(classCode(6), "10");
    EXPECT_EQ(classCode(22), "0110");
    EXPECT_EQ(orderKey(4, 32), 32);
    EXPECT_EQ(orderKey(5, 32), 40);
    EXPECT_EQ(orderKey(22, 32), 44);
    EXPECT_EQ(orderKey(0, 32), 0);
}

}  // namespace
}  // namespace zembu::classification::twinspan
