#include "graph/model/coordAxis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace {

using list = std::vector<double>;

list Ticks(const coordAxis& axis, int kind = coordAxis::MAJOR_TICKS)
{
    list ticks{123.0}; // must be emptied first
    const int count = axis.TickPositions(ticks, kind);
    EXPECT_EQ(count, static_cast<int>(ticks.size()));
    return ticks;
}

coordAxis WithUnit(double min, double max, double unit)
{
    coordAxis axis(min, max);
    axis.SetTickUnit(unit);
    return axis;
}

// The tick list as a walk over every multiple from 1 outward: slow far from 0, but plainly right.
list PlainWalk(double min, double max, double u)
{
    list ticks;
    if (min <= 0 && 0 <= max)
        ticks.push_back(0);
    for (long k = 1; u * k < max; ++k)
        if (u * k > min)
            ticks.push_back(u * k);
    for (long k = 1; - (u * k) > min; ++k)
        if (-(u * k) < max)
            ticks.push_back(-(u * k));
    return ticks;
}

// The value before u in the 1-2-5 sequence, or 0 when u is not in it.
double PreviousInSequence(double u)
{
    const double power = std::pow(10.0, std::floor(std::log10(u) + 1e-9));
    for (double m : {1.0, 2.0, 5.0})
        if (std::fabs(u / power - m) < 1e-9)
            return m == 5 ? u * 2 / 5 : u / 2;
    return 0;
}

} // namespace

TEST(coordAxis, RangeWithoutOrderOrFiniteSpanIsRefusedAndChangesNothing)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& r : {list{5, 5}, {6, 5}, {nan, 5}, {0, nan}, {-inf, 5}, {-1e308, 1e308}}) {
        coordAxis axis(0, 120);
        EXPECT_FALSE(axis.SetRange(r[0], r[1])) << r[0] << ".." << r[1];
        EXPECT_EQ(list({axis.GetMin(), axis.GetMax(), axis.GetTickUnit(), axis.GetMinorTickUnit()}),
                  list({0, 120, 20, 10}));
    }
    EXPECT_EQ(coordAxis(3, 3).GetMax(), 1); // an empty range falls back to -1..1
}

TEST(coordAxis, UnitChoiceExamples)
{
    // min, max, maxTicks, major, minor
    for (const list& e : {list{-1, 1, 10, 0.2, 0.1},
                          {0, 7, 10, 1, 0.2},
                          {0, 10, 10, 1, 1},
                          {0, 120, 10, 20, 10},
                          {0, 100, 2, 50, 10}}) {
        coordAxis axis;
        axis.SetMaxTicks(static_cast<int>(e[2]));
        axis.SetRange(e[0], e[1]);
        EXPECT_DOUBLE_EQ(axis.GetTickUnit(), e[3]) << e[0] << ".." << e[1];
        EXPECT_DOUBLE_EQ(axis.GetMinorTickUnit(), e[4]) << e[0] << ".." << e[1];
    }
    EXPECT_DOUBLE_EQ(coordAxis().GetTickUnit(), 0.2);
}

// The major unit is the smallest of 1, 2, 5, 10, ... times a power of ten that lets at most
// maxTicks intervals cover the range; the minor unit allows five times as many and divides it.
TEST(coordAxis, ChosenUnitsFollowTheRuleOverTinyHugeAndNegativeRanges)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(1, 10), offset(-20, 20);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int maxTicks : {2, 3, 7, 10, 25}) {
        for (int i = 0; i < 2000; ++i) {
            const double range = mantissa(random) * std::pow(10.0, exponent(random));
            coordAxis axis;
            axis.SetMaxTicks(maxTicks);
            const double min = offset(random) * range;
            ASSERT_TRUE(axis.SetRange(min, min + range));
            const double actual = axis.GetMax() - axis.GetMin();
            const double major = axis.GetTickUnit(), minor = axis.GetMinorTickUnit();
            ASSERT_GT(PreviousInSequence(major), 0) << major;
            ASSERT_GT(PreviousInSequence(minor), 0) << minor;
            EXPECT_GE(maxTicks * major, actual);
            EXPECT_LT(maxTicks * PreviousInSequence(major), actual) << "range " << actual;
            EXPECT_GE(5.0 * maxTicks * minor, actual);
            const double ratio = major / minor;
            EXPECT_NEAR(ratio, std::round(ratio), 1e-9 * ratio) << minor << " into " << major;
        }
    }
}

TEST(coordAxis, HandSetValuesStayAndMaxTicksWaitsForTheNextRange)
{
    coordAxis axis;
    EXPECT_FALSE(axis.SetTickUnit(0) || axis.SetTickUnit(-1) || axis.SetMinorTickUnit(0));
    EXPECT_TRUE(axis.autoScale && axis.minorAutoScale);
    EXPECT_TRUE(axis.SetTickUnit(0.5));
    EXPECT_FALSE(axis.autoScale);
    axis.SetRange(0, 100);
    EXPECT_EQ(axis.GetTickUnit(), 0.5);
    EXPECT_EQ(axis.GetMinorTickUnit(), 10); // still chosen

    EXPECT_TRUE(axis.SetMinorTickUnit(0.25));
    axis.autoScale = true;
    EXPECT_FALSE(axis.SetMaxTicks(1));
    EXPECT_TRUE(axis.SetMaxTicks(2));
    EXPECT_EQ(axis.GetTickUnit(), 0.5);
    axis.SetRange(0, 100);
    EXPECT_EQ(axis.GetTickUnit(), 50);
    EXPECT_EQ(axis.GetMinorTickUnit(), 0.25);
}

TEST(coordAxis, TickPositionExamples)
{
    EXPECT_EQ(Ticks(WithUnit(-5, 5, 1)), list({0, 1, 2, 3, 4, -1, -2, -3, -4}));
    EXPECT_EQ(Ticks(coordAxis(0, 120)), list({0, 20, 40, 60, 80, 100}));
    EXPECT_EQ(Ticks(WithUnit(2, 3.5, 0.5)), list({2.5, 3}));
    EXPECT_EQ(Ticks(WithUnit(-3, -1, 1)), list({-2}));
    EXPECT_EQ(Ticks(coordAxis(-1, 1), coordAxis::MINOR_TICKS).size(), 19u);
    EXPECT_EQ(Ticks(WithUnit(1e9, 1e9 + 3, 1)), list({1e9 + 1, 1e9 + 2}));
    EXPECT_EQ(Ticks(WithUnit(-1e9 - 3, -1e9, 1)), list({-1e9 - 1, -1e9 - 2}));
}

TEST(coordAxis, TickPositionsMatchThePlainWalkInListAndOrder)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> end(-100, 100); // lists within the bound
    std::uniform_int_distribution<int> whole(-40, 40);
    const double units[] = {0.1, 0.25, 0.3, 1, 2.5, 7};
    for (int i = 0; i < 3000; ++i) {
        // Every third range has whole-number ends, so ends fall on multiples.
        const double a = i % 3 ? end(random) : whole(random);
        const double b = i % 3 ? end(random) : whole(random);
        if (a == b)
            continue;
        const coordAxis axis = WithUnit(std::min(a, b), std::max(a, b), units[i % 6]);
        ASSERT_EQ(Ticks(axis), PlainWalk(axis.GetMin(), axis.GetMax(), units[i % 6]))
            << axis.GetMin() << ".." << axis.GetMax() << " unit " << units[i % 6];
    }
}

TEST(coordAxis, TinyHandSetUnitIsThinnedToTheBoundAcrossTheWholeRange)
{
    // 2001 ticks on -1..1 are 2 / 2001 = 0.0009995 apart: 0, then +-0.0009995 up to +-0.9995.
    const double denormalMin = std::numeric_limits<double>::denorm_min();
    for (const double unit : {1e-12, 1e-15, 1e-16, 1e-20, 1e-300, denormalMin}) {
        const list ticks = Ticks(WithUnit(-1, 1, unit));
        ASSERT_EQ(ticks.size(), 2001u) << unit;
        EXPECT_EQ(ticks[0], 0) << unit;
        EXPECT_NEAR(ticks[1], 0.0009995, 1e-7) << unit;
        EXPECT_NEAR(ticks[1000], 0.9995, 1e-6) << unit;
        EXPECT_NEAR(ticks[1001], -0.0009995, 1e-7) << unit;
        EXPECT_NEAR(ticks[2000], -0.9995, 1e-6) << unit;
    }
    // 100000 multiples of 0.001 thin to those of 0.05, the first from 0.05 up to 49.95.
    const list ticks = Ticks(WithUnit(-50, 50, 0.001));
    ASSERT_EQ(ticks.size(), 1999u);
    const std::pair<std::size_t, double> expected[] = {
        {0, 0}, {1, 0.05}, {2, 0.1}, {3, 0.15}, {999, 49.95}, {1000, -0.05}, {1998, -49.95}};
    for (const auto& [index, value] : expected)
        EXPECT_DOUBLE_EQ(ticks[index], value) << index;
    // Around 1e20 the doubles lie 16384 apart: multiples of 1 are taken 65536 at a time, each a
    // different value, from 1e20 + 65536 to 1e20 + 15 * 65536.
    const list far = Ticks(WithUnit(1e20, 1e20 + 1e6, 1));
    ASSERT_EQ(far.size(), 15u);
    EXPECT_EQ(far.front(), 1e20 + 65536);
    EXPECT_EQ(far.back(), 1e20 + 983040);
    EXPECT_FALSE(coordAxis().SetTickUnit(std::numeric_limits<double>::infinity()));
}
