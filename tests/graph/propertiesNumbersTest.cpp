#include "graph/properties/propertiesNumbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using numbers = propertiesNumbers;

TEST(propertiesNumbers, TextReadsAsItsLeadingNumberOrZero)
{
    const struct { const char* text; double asDouble; int asInt; } cases[] = {
        {"0.5", 0.5, 0},
        {"7.9", 7.9, 7},
        {" -5", -5, -5},
        {"12 px", 12, 12},
        {"abc", 0, 0},
        {"", 0, 0},
        {"1e3", 1000, 1},
        {"99999999999", 99999999999.0, INT_MAX},
        {"-99999999999999999999999", -99999999999999999999999.0, INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numbers::ReadDouble(c.text), c.asDouble) << c.text;
        EXPECT_EQ(numbers::ReadInt(c.text), c.asInt) << c.text;
    }
    EXPECT_EQ(numbers::ReadDouble("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(numbers::ReadDouble("nan")));
}

TEST(propertiesNumbers, DoublesShowTwelveSignificantDigitsWithoutTrailingZeros)
{
    EXPECT_EQ(numbers::FormatDouble(0.1), "0.1");
    EXPECT_EQ(numbers::FormatDouble(1.0 / 3), "0.333333333333");
    EXPECT_EQ(numbers::FormatDouble(-5), "-5");
    EXPECT_EQ(numbers::FormatDouble(2.5e-20), "2.5e-20");
    EXPECT_EQ(numbers::FormatInt(-12), "-12");
    for (double value : {0.1, 1.0 / 3, 123456.789, -7e300}) // read back within 12 digits
        EXPECT_NEAR(numbers::ReadDouble(numbers::FormatDouble(value)), value,
                    std::abs(value) * 1e-12);
}

TEST(propertiesNumbers, RangeMustRiseAndHaveAFiniteSpan)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    const struct { double min, max; numbers::rangeCheck check; } cases[] = {
        {0, 10, numbers::RANGE_OK},
        {-1e300, 1e300, numbers::RANGE_OK},
        {5, 5, numbers::RANGE_NOT_RISING},
        {3, 1, numbers::RANGE_NOT_RISING},
        {nan, 1, numbers::RANGE_NOT_RISING},
        {0, nan, numbers::RANGE_NOT_RISING},
        {-inf, inf, numbers::RANGE_NOT_FINITE},
        {0, inf, numbers::RANGE_NOT_FINITE},
        {-1e308, 1e308, numbers::RANGE_NOT_FINITE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numbers::CheckRange(c.min, c.max), c.check) << c.min << ".." << c.max;
}
