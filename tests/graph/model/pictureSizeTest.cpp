#include "graph/model/pictureSize.h"

#include <gtest/gtest.h>

#include <climits>

TEST(PictureSize, ADrawingLeftOfOrAboveTheWindowKeepsTheSpareMargin)
{
    // largest coordinates drawn, the picture's size
    const struct {
        int maxX, maxY;
        pixelSize picture;
    } cases[] = {
        {-30, -5, {10, 10}},
        {INT_MIN, 40, {10, 50}},
        {150, INT_MIN, {160, 10}},
    };
    for (const auto& c : cases) {
        const pixelSize picture = PictureSize(c.maxX, c.maxY, {200, 100});
        EXPECT_EQ(picture.width, c.picture.width) << c.maxX;
        EXPECT_EQ(picture.height, c.picture.height) << c.maxY;
    }
}
