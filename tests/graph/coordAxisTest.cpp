#include "graph/coordAxis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

std::vector<double> Ticks(const coordAxis& axis, int kind = coordAxis::MAJOR_TICKS)
{
    std::vector<double> list{123.0}; // must be emptied first
    const int count = axis.TickPositions(list, kind);
    EXPECT_EQ(count, static_cast<int>(list.size()));
    return list;
}

coordAxis AxisWithUnit(double min, double max, double unit)
{
    coordAxis axis(min, max);
    axis.SetTickUnit(unit);
    return axis;
}

// The tick list as a walk over every multiple from 1 outward: slow far from 0, but plainly right.
std::vector<double> PlainWalk(double min, double max, double u)
{
    std::vector<double> list;
    if (min <= 0 && 0 <= max)
        list.push_back(0);
    for (long k = 1; u * k < max; ++k)
        if (u * k > min)
            list.push_back(u * k);
    for (long k = 1; -(u * k) > min; ++k)
        if (-(u * k) < max)
            list.push_back(-(u * k));
    return list;
}

// The value before u in the 1-2-5 sequence, and whether u belongs to it at all.
bool InSequence(double u, double* previous)
{
    const double power = std::pow(10.0, std::floor(std::log10(u) + 1e-9));
    const double mantissa = u / power;
    for (double m : {1.0, 2.0, 5.0})
        if (std::fabs(mantissa - m) < 1e-9) {
            *previous = m == 5 ? u * 2 / 5 : u / 2;
            return true;
        }
    return false;
}

bool Divides(double small, double large)
{
    const double ratio = large / small;
    return std::fabs(ratio - std::round(ratio)) < 1e-9 * ratio;
}

} // namespace

TEST(coordAxis, NewAxisShowsMinusOneToOneWithChosenUnits)
{
    coordAxis axis;
    double min = 0, max = 0;
    axis.GetRange(min, max);
    EXPECT_EQ(min, -1);
    EXPECT_EQ(max, 1);
    EXPECT_DOUBLE_EQ(axis.GetTickUnit(), 0.2);
    EXPECT_DOUBLE_EQ(axis.GetMinorTickUnit(), 0.1);
    EXPECT_EQ(coordAxis(3, 3).GetMax(), 1); // an empty range falls back to -1..1
}

TEST(coordAxis, RangeWithoutOrderOrFiniteSpanIsRefusedAndChangesNothing)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double refused[][2] = {{5, 5}, {6, 5}, {nan, 5}, {0, nan}, {-inf, 5}, {0, inf},
                                 {-1e308, 1e308}};
    for (const auto& r : refused) {
        coordAxis axis(0, 120);
        EXPECT_FALSE(axis.SetRange(r[0], r[1])) << r[0] << ".." << r[1];
        EXPECT_EQ(axis.GetMin(), 0);
        EXPECT_EQ(axis.GetMax(), 120);
        EXPECT_EQ(axis.GetTickUnit(), 20);
        EXPECT_EQ(axis.GetMinorTickUnit(), 10);
    }
    coordAxis axis(0, 10);
    EXPECT_FALSE(axis.SetMin(10));
    EXPECT_FALSE(axis.SetMax(-1));
    EXPECT_TRUE(axis.SetMax(20));
    EXPECT_EQ(axis.GetMax(), 20);
}

TEST(coordAxis, UnitChoiceExamples)
{
    struct example {
        double min, max;
        int maxTicks;
        double major, minor;
    };
    const example examples[] = {{-1, 1, 10, 0.2, 0.1}, {0, 7, 10, 1, 0.2}, {0, 10, 10, 1, 1},
                                {0, 120, 10, 20, 10}, {0, 100, 2, 50, 10}};
    for (const example& e : examples) {
        coordAxis axis;
        axis.SetMaxTicks(e.maxTicks);
        axis.SetRange(e.min, e.max);
        EXPECT_DOUBLE_EQ(axis.GetTickUnit(), e.major) << e.min << ".." << e.max;
        EXPECT_DOUBLE_EQ(axis.GetMinorTickUnit(), e.minor) << e.min << ".." << e.max;
    }
}

// The major unit is the smallest of 1, 2, 5, 10, ... times a power of ten that lets at most
// maxTicks intervals cover the range; the minor unit allows at most five times as many and
// divides the major unit.
TEST(coordAxis, ChosenUnitsFollowTheRuleOverTinyHugeAndNegativeRanges)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    std::uniform_real_distribution<double> offset(-20, 20);
    for (int maxTicks : {2, 3, 7, 10, 25}) {
        for (int i = 0; i < 2000; ++i) {
            const double range = mantissa(random) * std::pow(10.0, exponent(random));
            const double min = offset(random) * range;
            coordAxis axis;
            axis.SetMaxTicks(maxTicks);
            ASSERT_TRUE(axis.SetRange(min, min + range));
            const double actual = axis.GetMax() - axis.GetMin();
            const double major = axis.GetTickUnit();
            const double minor = axis.GetMinorTickUnit();
            double before = 0;
            ASSERT_TRUE(InSequence(major, &before)) << major;
            EXPECT_GE(maxTicks * major, actual) << "range " << actual;
            EXPECT_LT(maxTicks * before, actual) << "range " << actual;
            double unused = 0;
            ASSERT_TRUE(InSequence(minor, &unused)) << minor;
            EXPECT_GE(5.0 * maxTicks * minor, actual) << "range " << actual;
            EXPECT_TRUE(Divides(minor, major)) << minor << " into " << major;
        }
    }
}

TEST(coordAxis, HandSetUnitsStayWhileTheOtherIsStillChosen)
{
    coordAxis axis;
    EXPECT_FALSE(axis.SetTickUnit(0));
    EXPECT_FALSE(axis.SetTickUnit(-1));
    EXPECT_TRUE(axis.autoScale);
    EXPECT_TRUE(axis.SetTickUnit(0.5));
    EXPECT_FALSE(axis.autoScale);
    axis.SetRange(0, 100);
    EXPECT_EQ(axis.GetTickUnit(), 0.5);
    EXPECT_EQ(axis.GetMinorTickUnit(), coordAxis(0, 100).GetMinorTickUnit());

    EXPECT_FALSE(axis.SetMinorTickUnit(0));
    EXPECT_TRUE(axis.minorAutoScale);
    EXPECT_TRUE(axis.SetMinorTickUnit(0.25));
    EXPECT_FALSE(axis.minorAutoScale);
    axis.autoScale = true;
    axis.SetRange(0, 7);
    EXPECT_EQ(axis.GetTickUnit(), 1);
    EXPECT_EQ(axis.GetMinorTickUnit(), 0.25);
}

TEST(coordAxis, MaxTicksTakesEffectAtTheNextRange)
{
    coordAxis axis(0, 100);
    EXPECT_FALSE(axis.SetMaxTicks(1));
    EXPECT_EQ(axis.GetMaxTicks(), 10);
    EXPECT_TRUE(axis.SetMaxTicks(2));
    EXPECT_EQ(axis.GetTickUnit(), 10);
    axis.SetRange(0, 100);
    EXPECT_EQ(axis.GetTickUnit(), 50);
}

TEST(coordAxis, TickPositionExamples)
{
    EXPECT_EQ(Ticks(AxisWithUnit(-5, 5, 1)),
              (std::vector<double>{0, 1, 2, 3, 4, -1, -2, -3, -4}));
    EXPECT_EQ(Ticks(coordAxis(0, 120)), (std::vector<double>{0, 20, 40, 60, 80, 100}));
    EXPECT_EQ(Ticks(AxisWithUnit(2, 3.5, 0.5)), (std::vector<double>{2.5, 3}));
    EXPECT_EQ(Ticks(AxisWithUnit(-3, -1, 1)), (std::vector<double>{-2}));
    EXPECT_EQ(Ticks(AxisWithUnit(0, 2, 1)), (std::vector<double>{0, 1}));
    EXPECT_EQ(Ticks(coordAxis(-1, 1), coordAxis::MINOR_TICKS).size(), 19u);
}

TEST(coordAxis, TickPositionsMatchThePlainWalkInListAndOrder)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> end(-400, 400);
    std::uniform_int_distribution<int> whole(-40, 40);
    const double units[] = {0.1, 0.25, 0.3, 1, 2.5, 7};
    for (int i = 0; i < 3000; ++i) {
        // Every third range has whole-number ends, so ends fall on multiples.
        double a = i % 3 ? end(random) : whole(random);
        double b = i % 3 ? end(random) : whole(random);
        if (a == b)
            continue;
        const double unit = units[i % 6];
        const coordAxis axis = AxisWithUnit(std::min(a, b), std::max(a, b), unit);
        ASSERT_EQ(Ticks(axis), PlainWalk(axis.GetMin(), axis.GetMax(), unit))
            << axis.GetMin() << ".." << axis.GetMax() << " unit " << unit;
    }
}

TEST(coordAxis, RangeFarFromZeroListsOnlyItsOwnTicks)
{
    std::vector<double> expected;
    for (int k = 1; k <= 9; ++k)
        expected.push_back(1e9 + k);
    EXPECT_EQ(Ticks(AxisWithUnit(1e9, 1e9 + 10, 1)), expected);
    for (double& t : expected)
        t = -t;
    EXPECT_EQ(Ticks(AxisWithUnit(-1e9 - 10, -1e9, 1)), expected);
}

TEST(coordAxis, TinyHandSetUnitGivesABoundedPrefixOfTheList)
{
    const double unit = 1e-12;
    const std::vector<double> list = Ticks(AxisWithUnit(-1, 1, unit));
    ASSERT_EQ(list.size(), static_cast<size_t>(coordAxis::MAX_TICK_POSITIONS));
    EXPECT_EQ(list[0], 0);
    for (size_t i = 1; i < list.size(); ++i)
        ASSERT_EQ(list[i], unit * static_cast<double>(i));

    // Multiples closer together than the doubles around them cannot be told apart: none of
    // them is listed rather than copies of one value or of the range's ends.
    EXPECT_TRUE(Ticks(AxisWithUnit(1e20, 1e20 + 1e6, 1)).empty());
}
