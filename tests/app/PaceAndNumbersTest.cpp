#include "app/PlainNumbers.h"
#include "app/RollPace.h"

#include <gtest/gtest.h>

namespace {

TEST(PlainNumbers, PercentagesWithoutExponents)
{
    struct { double percent; const char* text; } cases[] = {
        {2.77947345748543739, "2.779%"}, {100.0, "100.000%"}, {0.0010581, "0.001%"},
        {0.000999, "< 0.001%"},          {1.578e-76, "< 0.001%"}, {0.0, "0%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlainPercent(c.percent), c.text) << c.percent;
}

TEST(PlainNumbers, SignificantDigitsAndSignedCounts)
{
    struct { double value; const char* text; } significant[] = {
        {0.4321, "0.43"}, {43.21, "43"}, {5.0, "5.0"}, {0.0031, "0.0031"}, {100.0, "100"},
        {0.00099, "< 0.001"},
    };
    for (const auto& c : significant)
        EXPECT_EQ(PlainSignificant(c.value, 2), c.text) << c.value;
    EXPECT_EQ(SignedCount(12.34), "+12.3");
    EXPECT_EQ(SignedCount(-0.44), "-0.4");
    EXPECT_EQ(SignedCount(-1e-70), "0.0");
}

TEST(RollPace, FromOneRollASecondToAsFastAsPossible)
{
    EXPECT_EQ(RollPace::Settings(), 8);
    EXPECT_EQ(RollPace::Label(0), "1 roll a second");
    EXPECT_EQ(RollPace::Label(3), "10 rolls a second");
    EXPECT_EQ(RollPace::Label(7), "as fast as possible");
    EXPECT_EQ(RollPace::Interval(0), 1.0);
    EXPECT_EQ(RollPace::Interval(6), 0.01);
    EXPECT_EQ(RollPace::Interval(7), 0.0);
    RollPace pace;
    EXPECT_TRUE(pace.AsFastAsPossible());   // the default
    pace.Set(-3);
    EXPECT_EQ(pace.Setting(), 0);
    pace.Set(99);
    EXPECT_EQ(pace.Setting(), 7);
}

TEST(RollPace, WaitsFromTheLastRollAtTheCurrentPace)
{
    RollPace pace;
    pace.Set(1);                       // 2 a second
    EXPECT_EQ(pace.Wait(100.0), 0.0);  // the first roll of a run is due at once
    pace.RollMade(100.0);
    EXPECT_EQ(pace.Wait(100.25), 0.25);
    pace.Set(0);                       // slower at once: 1 a second from the same roll
    EXPECT_EQ(pace.Wait(100.25), 0.75);
    pace.Set(RollPace::Fastest());     // as fast as possible: no wait at all
    EXPECT_EQ(pace.Wait(100.1), 0.0);
    pace.Set(0);
    EXPECT_EQ(pace.Wait(101.5), 0.0);  // already due
    pace.Reset();
    EXPECT_EQ(pace.Wait(100.1), 0.0);
}

} // namespace
