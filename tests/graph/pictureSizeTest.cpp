#include "graph/pictureSize.h"

#include <gtest/gtest.h>

TEST(pictureSize, DrawnExtentPlusTenCutToTheWindow)
{
    const pixelSize window{200, 100};
    const struct { int maxX, maxY, width, height; } cases[] = {
        {123, 45, 133, 55},
        {0, 0, 10, 10},          // nothing drawn
        {10000, 100, 210, 110},  // a line toward a far-off point
        {-10000, -3, 10, 10},    // everything left of and above the window
    };
    for (const auto& c : cases) {
        const pixelSize size = PictureSize(c.maxX, c.maxY, window);
        EXPECT_EQ(size.width, c.width) << c.maxX;
        EXPECT_EQ(size.height, c.height) << c.maxY;
    }
    EXPECT_EQ(PictureSize(5, 5, {0, 0}).width, 10);
}
