#include "skin/scrollrange.h"

#include <gtest/gtest.h>
#include <limits>

namespace lexarion {
namespace {

struct RangeStep {
    const char* name;
    qint32 min, max, value;
    char op; // 'X' SetMax, 'N' SetMin, 'V' SetValue
    qint64 argument;
    qint32 wantMin, wantMax, wantValue;
    bool wantChange;
};

class ScrollRangeTest : public ::testing::TestWithParam<RangeStep> {};

TEST_P(ScrollRangeTest, KeepsValueInsideTheRange) {
    const RangeStep& step = GetParam();
    ScrollRange range;
    range.SetMax(step.max);
    range.SetMin(step.min);
    range.SetValue(step.value);
    bool changed = false;
    switch (step.op) {
    case 'X':
        changed = range.SetMax(qint32(step.argument));
        break;
    case 'N':
        changed = range.SetMin(qint32(step.argument));
        break;
    default:
        changed = range.SetValue(step.argument);
        break;
    }
    EXPECT_EQ(range.Min(), step.wantMin);
    EXPECT_EQ(range.Max(), step.wantMax);
    EXPECT_EQ(range.Value(), step.wantValue);
    EXPECT_EQ(changed, step.wantChange);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ScrollRangeTest,
    ::testing::Values(RangeStep{"LoweringMaxBelowValue", 0, 10, 8, 'X', 5, 0, 5, 5, true},
                      RangeStep{"LoweringMaxAboveValue", 0, 10, 3, 'X', 5, 0, 5, 3, false},
                      RangeStep{"NegativeMaxStoresMin", 0, 10, 0, 'X', -7, 0, 0, 0, false},
                      RangeStep{"MaxBelowMinBringsValueDown", 2, 10, 6, 'X', 1, 2, 2, 2, true},
                      RangeStep{"RaisingMinAboveValue", 0, 10, 2, 'N', 4, 4, 10, 4, true},
                      RangeStep{"MinAboveMaxStoresMax", 0, 10, 2, 'N', 20, 10, 10, 10, true},
                      RangeStep{"ValueClampedHigh", 0, 10, 2, 'V', 99, 0, 10, 10, true},
                      RangeStep{"ValueClampedLow", 0, 10, 2, 'V', -99, 0, 10, 0, true},
                      RangeStep{"SameValueIsNoChange", 0, 10, 4, 'V', 4, 0, 10, 4, false},
                      RangeStep{"ClampedToSameIsNoChange", 0, 10, 10, 'V', 11, 0, 10, 10, false},
                      RangeStep{"BeyondThirtyTwoBits", 0, 10, 1, 'V', qint64(1) << 40, 0, 10, 10,
                                true}),
    [](const auto& info) { return std::string(info.param.name); });

struct DragCase {
    const char* name;
    qint32 value, min, max;
    qint64 pointerDelta, freeTrack;
    std::optional<qint32> want;
};

class DraggedValueTest : public ::testing::TestWithParam<DragCase> {};

TEST_P(DraggedValueTest, FollowsThePointer) {
    const DragCase& c = GetParam();
    EXPECT_EQ(DraggedValue(c.value, c.min, c.max, c.pointerDelta, c.freeTrack), c.want);
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, DraggedValueTest,
                         ::testing::Values(
                             // 150 twips of 1500 over a range of 100 is 10 steps.
                             DragCase{"Proportional", 20, 0, 100, 150, 1500, 30},
                             DragCase{"Backwards", 20, 0, 100, -150, 1500, 10},
                             // 15 * 10 / 60 = 2.5 rounds to 2, 45 * 10 / 60 = 7.5 rounds to 8.
                             DragCase{"HalfToEvenDown", 0, 0, 10, 15, 60, 2},
                             DragCase{"HalfToEvenUp", 0, 0, 10, 45, 60, 8},
                             DragCase{"PastTheEndGivesMax", 90, 0, 100, 1500, 1500, 100},
                             DragCase{"PastTheStartGivesMin", 5, 0, 100, -1500, 1500, 0},
                             DragCase{"AtTheLimitAlready", 100, 0, 100, 600, 1500, std::nullopt},
                             DragCase{"NoFreeTrack", 5, 0, 100, 30, 0, std::nullopt},
                             DragCase{"TooSmallToMoveIsStillAssigned", 5, 0, 100, 3, 1500, 5},
                             // Beyond 16 bits: a list of 60000 rows dragged half way.
                             DragCase{"BeyondSixteenBits", 0, 0, 60000, 40000, 80000, 30000},
                             DragCase{"WholeInt32Range", 0, std::numeric_limits<qint32>::min(),
                                      std::numeric_limits<qint32>::max(), 1 << 20, 1 << 21,
                                      2147483647}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ThumbOffsetTest, PlacesTheThumbProportionally) {
    EXPECT_EQ(ThumbOffset(1000, 5, 0, 10), 500);
    EXPECT_EQ(ThumbOffset(1000, 0, 0, 0), 0);
    EXPECT_EQ(ThumbOffset(999, 1, 0, 3), 333);
    EXPECT_EQ(ThumbOffset(3000, 50000, 0, 100000), 1500);
}

TEST(ClampToRangeTest, MinFirstThenMax) {
    EXPECT_EQ(ClampToRange(600, 30, 510), 510);
    EXPECT_EQ(ClampToRange(10, 30, 510), 30);
    EXPECT_EQ(ClampToRange(170, 30, 510), 170);
    EXPECT_EQ(ClampToRange(5, 10, 0), 0);
}

} // namespace
} // namespace lexarion
