#include "graph/properties/propertiesNumbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using numbers = propertiesNumbers;

TEST(propertiesNumbers, TextReadsAsItsLeadingNumberAndCountsSaturate)
{
    const struct { const char* text; double asDouble; int asInt; } cases[] = {
        {"7.9", 7.9, 7},
        {" -5 px", -5, -5},
        {"abc", 0, 0},
        {"1e3", 1000, 1},
        {"99999999999", 99999999999.0, INT_MAX},
        {"-99999999999999999999999", -99999999999999999999999.0, INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numbers::ReadDouble(c.text), c.asDouble) << c.text;
        EXPECT_EQ(numbers::ReadInt(c.text), c.asInt) << c.text;
    }
    EXPECT_EQ(numbers::FormatDouble(1.0 / 3) + " " + numbers::FormatDouble(2.5e-20),
              "0.333333333333 2.5e-20");
}

TEST(propertiesNumbers, RangeMustRiseAndHaveAFiniteSpan)
{
    const struct { double min, max; numbers::rangeCheck check; } cases[] = {
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
