#include "graph/model/propertiesNumbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using numbers = propertiesNumbers;

TEST(propertiesNumbers, TextIsANumberOnlyWhenNothingElseIsTyped)
{
    // text, whether it is a number, what it reads as (leading number or 0), and as a count
    const struct {
        const char* text;
        bool number;
        double asDouble;
        int asInt;
    } cases[] = {
        {"2,5", true, 2.5, 2},
        {" -5.25e1 ", true, -52.5, -52},
        {"+.5", true, 0.5, 0},
        {"1e999", true, HUGE_VAL, INT_MAX},
        {"-99999999999", true, -99999999999.0, INT_MIN},
        {"abc", false, 0, 0},
        {"", false, 0, 0},
        {",", false, 0, 0},
        {"12 px", false, 12, 12},
        {"1,000.5", false, 1, 1},
        {"nan", false, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numbers::IsNumber(c.text), c.number) << c.text;
        EXPECT_EQ(numbers::ReadDouble(c.text), c.asDouble) << c.text;
        EXPECT_EQ(numbers::ReadInt(c.text), c.asInt) << c.text;
    }
}

TEST(propertiesNumbers, DoublesShowTwelveDigitsOrAsManyAsReadBackTheSame)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1.0000000000000002, "1.0000000000000002"},
        {1.0 / 3, "0.3333333333333333"},
        {123456789012.5, "123456789012.5"},
        {0.1, "0.1"},
        {2.5e-20, "2.5e-20"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numbers::FormatDouble(c.value), c.text);
        EXPECT_EQ(numbers::ReadDouble(numbers::FormatDouble(c.value)), c.value) << c.text;
    }
}

TEST(propertiesNumbers, RangeMustRiseAndHaveAFiniteSpan)
{
    const struct {
        double min, max;
        numbers::rangeCheck check;
    } cases[] = {
        {0, 10, numbers::RANGE_OK},
        {-1e300, 1e300, numbers::RANGE_OK},
        {5, 5, numbers::RANGE_NOT_RISING},
        {std::nan(""), 1, numbers::RANGE_NOT_RISING},
        {0, std::nan(""), numbers::RANGE_NOT_RISING},
        {0, HUGE_VAL, numbers::RANGE_NOT_FINITE},
        {-1e308, 1e308, numbers::RANGE_NOT_FINITE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbers::CheckRange(c.min, c.max), c.check) << c.min << ".." << c.max;
}
