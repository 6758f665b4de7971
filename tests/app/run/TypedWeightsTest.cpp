#include "app/run/TypedWeights.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The loaded-die dialog's weights make a die, or are refused with the reason and the face.
TEST(TypedWeights, MakeTheDieOrSayWhichWeightIsWrongAndWhy)
{
    struct Case {
        std::vector<std::string> texts;
        std::optional<Die> die;
        std::string error;
    };
    const Case cases[] = {
        {{"1", " 1", "+1 ", "1", "1", "5"}, Die::Loaded({1, 1, 1, 1, 1, 5}), ""},
        {{"0", "1000"}, Die::Loaded({0, 1}), ""},
        {{"0", "0", "0"},
         {},
         "Every weight is 0: at least one face needs a weight above 0 to come up."},
        {{"3", "1001"}, {}, "The weight of face 2, \"1001\", is not from 0 to 1000."},
        {{"3", "99999999999"}, {}, "The weight of face 2, \"99999999999\", is not from 0 to 1000."},
        {{"-1", "3"}, {}, "The weight of face 1, \"-1\", is not from 0 to 1000."},
        {{"2", "1.5", "x"}, {}, "The weight of face 2, \"1.5\", is not a whole number."},
        {{"2", "", "0"}, {}, "The weight of face 2, \"\", is not a whole number."},
        {{"5"}, {}, "A loaded die has 2 to 20 faces."},
        {std::vector<std::string>(21, "1"), {}, "A loaded die has 2 to 20 faces."},
    };
    for (const Case& c : cases) {
        const TypedWeights typed(c.texts);
        EXPECT_EQ(typed.Result(), c.die) << testing::PrintToString(c.texts);
        EXPECT_EQ(typed.Error(), c.error) << testing::PrintToString(c.texts);
    }
}
