#include "app/DiceRoller.h"
#include <gtest/gtest.h>
TEST(DiceRoller, FaceRuleMatchesTheFormulaForEveryDraw)
{
    int perFace[7] = {};
    for (int r = 0; r < 32768; ++r) {
        const int expected = 1 + static_cast<int>(r * 5.999 / 32767);
        ASSERT_EQ(DiceRoller::Face(r), expected) << "draw " << r;
        ++perFace[expected];
    }
    EXPECT_EQ(perFace[1], 5463);
    EXPECT_EQ(perFace[6], 5457);
}
