#include "graph/model/plainNumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

// A number is read with a point whatever the locale says: here one that writes a comma.
TEST(PlainNumberTest, PointWhateverTheLocale)
{
    ASSERT_NE(std::setlocale(LC_NUMERIC, "German"), nullptr);
    struct number {
        const char* text;
        double value;
    };
    const number NUMBERS[] = {{"2.5", 2.5},         {"-0.125", -0.125}, {"+3", 3},
                              {"1e-3", 0.001},      {"0.1", 0.1},       {"1e999", HUGE_VAL},
                              {"-1e999", -HUGE_VAL}};
    for (const number& n : NUMBERS)
        EXPECT_EQ(ReadPlainNumber(n.text), n.value) << n.text;
    std::setlocale(LC_NUMERIC, "C");
}
