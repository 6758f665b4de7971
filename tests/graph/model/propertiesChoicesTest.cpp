#include "graph/model/propertiesChoices.h"

#include <gtest/gtest.h>

#include <vector>

using choices = propertiesChoices;

TEST(propertiesChoices, ItemsStandForTheirCodesBothWaysAndOthersFallBack)
{
    const struct {
        int (*index)(int);
        int (*value)(int);
        std::vector<int> codes; // the code of each item, in item order
        int fallbackItem;       // shown for a code without an item of its own
        int fallbackCode;       // read from nothing or an unknown item selected
    } mappings[] = {
        {choices::XTickPositionIndex, choices::XTickPositionValue, {2, 1}, 1, 2},
        {choices::YTickPositionIndex, choices::YTickPositionValue, {4, 8}, 1, 8},
        {choices::AxisLabelPositionIndex, choices::AxisLabelPositionValue, {6, 10, 5, 9}, 3, 10},
    };
    for (const auto& m : mappings) {
        const int count = static_cast<int>(m.codes.size());
        for (int item = 0; item < count; ++item) {
            EXPECT_EQ(m.index(m.codes[item]), item) << m.codes[item];
            EXPECT_EQ(m.value(item), m.codes[item]) << item;
        }
        for (int code : {0, 3, 7, 12, 15, -1})
            EXPECT_EQ(m.index(code), m.fallbackItem) << code;
        EXPECT_EQ(m.value(-1), m.fallbackCode);
        EXPECT_EQ(m.value(count), m.fallbackCode);
    }
    // Grid and axes styles are their own item numbers; others select nothing.
    EXPECT_EQ(choices::CodeIndex(4, 5), 4);
    EXPECT_EQ(choices::CodeIndex(0, 5), 0);
    EXPECT_EQ(choices::CodeIndex(5, 5), -1);
    EXPECT_EQ(choices::CodeIndex(-1, 4), -1);
}
