#include "app/run/RollPace.h"
#include "app/run/TypedNumber.h"
#include "app/theory/PlainNumbers.h"

#include <gtest/gtest.h>

namespace {

TEST(PlainNumbers, PlainDecimalsWithoutExponents)
{
    struct {
        std::string text, expected;
    } cases[] = {
        {PlainPercent(2.77947345748543739), "2.779%"},
        {PlainPercent(100.0), "100.000%"},
        {PlainPercent(0.0010581), "0.001%"},
        {PlainPercent(0.000999), "< 0.001%"},
        {PlainPercent(1.578e-76), "< 0.001%"},
        {PlainPercent(0.0), "0%"},
        {PlainSignificant(0.4321, 2), "0.43"},
        {PlainSignificant(43.21, 2), "43"},
        {PlainSignificant(5.0, 2), "5.0"},
        {PlainSignificant(0.0031, 2), "0.0031"},
        {PlainSignificant(100.0, 2), "100"},
        {PlainSignificant(0.00099, 2), "< 0.001"},
        {SignedCount(12.34), "+12.3"},
        {SignedCount(-0.44), "-0.4"},
        {SignedCount(-1e-70), "0.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.expected);
}

// An emptied box waits while the user is in it and is refused once the edit ends; other text
// that is no whole number from 1 on is refused at once.
TEST(TypedNumber, TakesWholeNumbersAndWaitsForAnEmptiedBoxOnlyWhileItIsEdited)
{
    using T = TypedNumber;
    struct {
        const char* text;
        bool editing;
        T::Verdict verdict;
        int number;
    } cases[] = {
        {"", true, T::WAIT, 0},
        {"", false, T::REFUSE, 0},
        {"150", true, T::TAKE, 100},
        {"12", false, T::TAKE, 12},
        {"0", true, T::REFUSE, 0},
        {"-4", true, T::REFUSE, 0},
        {"-", true, T::REFUSE, 0},
        {" ", true, T::REFUSE, 0},
        {"1x", true, T::REFUSE, 0},
        {"12 ", true, T::REFUSE, 0},
        {"99999999999", true, T::TAKE, 100},
    };
    for (const auto& c : cases) {
        const T typed = T::Judge(c.text, 100, c.editing);
        EXPECT_EQ(typed.verdict, c.verdict) << '"' << c.text << "\" " << c.editing;
        EXPECT_EQ(typed.number, c.number) << '"' << c.text << '"';
        EXPECT_EQ(typed.capped, c.number == 100) << '"' << c.text << '"';
    }
}

TEST(RollPace, WaitsFromTheLastRollAtTheCurrentPace)
{
    EXPECT_EQ(RollPace::Label(0), "1 roll a second");
    EXPECT_EQ(RollPace::Label(6), "100 rolls a second");
    EXPECT_EQ(RollPace::Label(RollPace::Fastest()), "as fast as possible");
    RollPace pace;
    EXPECT_TRUE(pace.AsFastAsPossible()); // the default
    pace.Set(1);                          // 2 a second
    EXPECT_EQ(pace.Wait(100.0), 0.0);     // the first roll of a run is due at once
    pace.RollMade(100.0);
    EXPECT_EQ(pace.Wait(100.25), 0.25);
    pace.Set(-3); // slower at once: 1 a second from the same roll
    EXPECT_EQ(pace.Wait(100.25), 0.75);
    EXPECT_EQ(pace.Wait(101.5), 0.0); // already due
    pace.Set(99);                     // as fast as possible: no wait at all
    EXPECT_EQ(pace.Wait(100.1), 0.0);
}

} // namespace
