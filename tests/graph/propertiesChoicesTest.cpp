#include "graph/properties/propertiesChoices.h"

#include <gtest/gtest.h>

namespace {

using choices = propertiesChoices;
using toIndex = int (*)(int);
using toValue = int (*)(int);

struct choiceMapping {
    const char* name;
    toIndex index;
    toValue value;
    std::vector<int> codes;  // the code of each item, in item order
    int itemOfOtherCodes;    // the item a code without one of its own shows
    int codeOfNoSelection;   // what reading a choice with nothing selected gives
};

const choiceMapping MAPPINGS[] = {
    {"x tick labels", choices::XTickPositionIndex, choices::XTickPositionValue, {2, 1}, 1, 2},
    {"y tick labels", choices::YTickPositionIndex, choices::YTickPositionValue, {4, 8}, 1, 8},
    {"axis labels", choices::AxisLabelPositionIndex, choices::AxisLabelPositionValue,
     {6, 10, 5, 9}, 3, 10},
};

} // namespace

TEST(propertiesChoices, EachItemStandsForItsCodeBothWays)
{
    for (const choiceMapping& m : MAPPINGS)
        for (int item = 0; item < static_cast<int>(m.codes.size()); ++item) {
            EXPECT_EQ(m.index(m.codes[item]), item) << m.name;
            EXPECT_EQ(m.value(item), m.codes[item]) << m.name;
        }
}

TEST(propertiesChoices, CodesAndItemsOutsideTheListsFallBack)
{
    for (const choiceMapping& m : MAPPINGS) {
        for (int code : {0, 3, 7, 12, 15, -1})
            EXPECT_EQ(m.index(code), m.itemOfOtherCodes) << m.name << " " << code;
        EXPECT_EQ(m.value(-1), m.codeOfNoSelection) << m.name;
        EXPECT_EQ(m.value(static_cast<int>(m.codes.size())), m.codeOfNoSelection) << m.name;
    }
    // Grid and axes styles are their own item numbers; others select nothing.
    EXPECT_EQ(choices::CodeIndex(4, 5), 4);
    EXPECT_EQ(choices::CodeIndex(0, 5), 0);
    EXPECT_EQ(choices::CodeIndex(5, 5), -1);
    EXPECT_EQ(choices::CodeIndex(-1, 4), -1);
}
