#include "app/run/ZoomLevel.h"
#include "app/run/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

// Zooming walks the steps and stops at their ends; every length grows by the same factor.
TEST(ZoomLevel, StepsStopAtTheEndsAndLengthsScaleTogether)
{
    ZoomLevel zoom;
    EXPECT_FALSE(zoom.Out());
    std::vector<int> walked{zoom.Percent()};
    while (zoom.In())
        walked.push_back(zoom.Percent());
    EXPECT_EQ(walked, std::vector<int>({100, 125, 150, 175, 200, 250, 300}));
    EXPECT_FALSE(zoom.Set(300) || zoom.Set(110));
    EXPECT_TRUE(zoom.Set(175));
    EXPECT_EQ(std::vector<int>({zoom.Scale(8), zoom.Scale(1), zoom.Scale(-1)}),
              std::vector<int>({14, 2, -1})); // -1, "no size", stays so
    EXPECT_TRUE(zoom.Reset());
    EXPECT_EQ(zoom.Scale(23), 23);
}

// --zoom takes a step only, in plain digits; another value is reported and ignored.
TEST(ZoomLevel, TheCommandLineTakesOnlyAStep)
{
    const struct {
        std::vector<const char*> args;
        std::optional<int> zoom;
        std::size_t errors;
    } cases[] = {
        {{"zobrin", "--zoom", "200", "3"}, 200, 0},
        {{"zobrin", "--zoom=125"}, 125, 0},
        {{"zobrin", "--zoom", "110"}, {}, 1},
        {{"zobrin", "--zoom=0200", "--zoom=+200", "--zoom= 200", "--zoom=2e2"}, {}, 5},
        {{"zobrin", "--zoom", "--seed", "3"}, {}, 1},
        {{"zobrin", "--zoom=99999999999999999999"}, {}, 1},
    };
    for (const auto& c : cases) {
        const CommandLine line = CommandLine::Parse(static_cast<int>(c.args.size()), c.args.data());
        EXPECT_EQ(line.zoom, c.zoom) << testing::PrintToString(c.args);
        EXPECT_EQ(line.errors.size(), c.errors) << testing::PrintToString(c.args);
    }
}
