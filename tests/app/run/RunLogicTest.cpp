#include "app/run/RollRecord.h"
#include "app/run/RunArguments.h"
#include "app/run/RunProgress.h"
#include "app/theory/Percentage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

TEST(RunProgress, DivisorRangeAndIntervalFollowTheRollCount)
{
    struct Case {
        long rolls, divisor, range, interval;
    };
    const Case cases[] = {
        {1, 1, 1, 1},
        {199, 1, 199, 1},
        {200, 1, 200, 1},
        {400, 1, 400, 2},
        {1500, 1, 1500, 7},
        {10000, 1, 10000, 50},
        {10001, 100, 100, 50},
        {1000000, 100, 10000, 5000},
        {1000001, 10000, 100, 5000},
        {9999999, 10000, 999, 49999},
    };
    for (const Case& c : cases) {
        const RunProgress p(c.rolls);
        EXPECT_EQ(p.gaugeDivisor, c.divisor) << c.rolls;
        EXPECT_EQ(p.gaugeRange, c.range) << c.rolls;
        EXPECT_EQ(p.updateInterval, c.interval) << c.rolls;
    }
    // 1500 rolls move the bar every 7 rolls, so it stops at 1498 of 1500.
    const RunProgress p(1500);
    EXPECT_TRUE(p.IsUpdatePoint(1498));
    EXPECT_FALSE(p.IsUpdatePoint(1500));
    EXPECT_EQ(RunProgress(10001).GaugeValue(10000), 100);
}

TEST(RollRecord, HoldsTheFirstRollsFacesAndNotesTheTruncation)
{
    // Faces of more than one digit are kept apart by commas, so "1 2" never reads as "12".
    struct Case {
        int dice, faces;
        std::vector<std::vector<std::uint8_t>> rolls;
        const char* text;
    } cases[] = {
        {2, 6, {{3, 5}, {6, 1}, {2, 2}}, "35 61 22 "},
        {3, 9, {{9, 1, 9}}, "919 "},
        {3, 20, {{12, 3, 20}, {1, 2, 10}}, "12,3,20 1,2,10 "},
        {1, 10, {{10}, {1}}, "10 1 "},
    };
    for (const Case& c : cases) {
        RollRecord record;
        record.Start(static_cast<long>(c.rolls.size()), c.dice, c.faces);
        std::vector<std::uint8_t> all;
        for (std::size_t i = 0; i < c.rolls.size(); ++i) {
            record.Add(static_cast<long>(i), c.rolls[i].data(), c.dice);
            all.insert(all.end(), c.rolls[i].begin(), c.rolls[i].end());
        }
        EXPECT_EQ(record.Text(), c.text);
        EXPECT_EQ(record.FacesLength(), record.Text().size()) << c.text;
        EXPECT_EQ(record.Faces(), all) << c.text;
    }

    RollRecord record;
    record.Start(10002, 1, 6);
    EXPECT_TRUE(record.Text().empty());
    for (long i = 0; i < 10002; ++i) {
        const std::uint8_t face = static_cast<std::uint8_t>(1 + i % 6);
        record.Add(i, &face, 1);
    }
    const std::string& text = record.Text();
    ASSERT_EQ(text.size(), 20000u + 16u);
    EXPECT_EQ(text.substr(0, 6), "1 2 3 ");
    EXPECT_EQ(text.substr(20000), "\nData Truncated.");
    EXPECT_EQ(record.FacesLength(), 20000u);
    EXPECT_EQ(record.Faces().size(), 10000u);
    EXPECT_FALSE(RollRecord::Records(10001));
    EXPECT_TRUE(RollRecord::Records(10000));
}

TEST(ParseRunArgument, TakesWholeNumbersAndSaturatesAt32Bits)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"3", true, 3},
        {"007", true, 7},
        {" 5", true, 5},
        {"\t+42", true, 42},
        {"-4", true, -4},
        {"0", true, 0},
        {"99999999999", true, 2147483647},
        {"99999999999999999999999", true, 2147483647},
        {"-99999999999999999999999", true, -2147483647 - 1},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"", false, 0},
        {" ", false, 0},
        {"-", false, 0},
        {"12abc", false, 0},
        {"5 ", false, 0},
        {"1e3", false, 0},
        {"abc", false, 0},
        {"+-3", false, 0},
        {"0x10", false, 0},
        {"3.0", false, 0},
    };
    for (const Case& c : cases) {
        int value = -77;
        EXPECT_EQ(ParseRunArgument(c.text, value), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(value, c.ok ? c.value : -77) << '"' << c.text << '"';
    }
}

TEST(Percentage, TextHasFourSignificantDigitsOfCountTimes100OverRolls)
{
    struct Case {
        long count, rolls;
        const char* text;
    };
    const Case cases[] = {
        // Exactly 14.375 and 30.625: the tie goes to the even digit. Dividing first would give
        // 14.3749... and 30.6250...1, printed 14.37% and 30.63%.
        {23, 160, "14.38%"},    {49, 160, "30.62%"},     {1, 2000000, "5e-05%"},
        {1, 9999999, "1e-05%"}, {1, 1000000, "0.0001%"}, {99995, 100000, "100%"},
        {12, 12, "100%"},       {1, 12, "8.333%"},       {1, 6, "16.67%"},
        {0, 5, "0%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PercentageText(c.count, c.rolls), c.text) << c.count << " of " << c.rolls;
    EXPECT_EQ(Percentage(23, 160), 14.375);
    EXPECT_EQ(PercentageText(1, 3, "%.2f percent"), "33.33 percent") << "a translated format";
}
