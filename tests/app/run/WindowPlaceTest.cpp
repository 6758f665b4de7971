#include "app/run/WindowPlace.h"

#include <gtest/gtest.h>

#include <string>

// Two thirds of the work area each way, centred in it; never below the least size, never past the
// work area, on a screen that does not start at the origin too.
TEST(WindowPlace, FirstStartTakesTwoThirdsOfTheWorkAreaCentredWithinItsBounds)
{
    using Rect = WindowPlace::Rect;
    const struct {
        Rect workArea;
        int leastWidth, leastHeight;
        Rect expected;
    } cases[] = {
        {{0, 0, 1920, 1080}, 675, 405, {320, 180, 1280, 720}},
        {{0, 0, 1280, 720}, 675, 405, {213, 120, 853, 480}},
        {{0, 0, 1280, 720}, 1000, 405, {140, 120, 1000, 480}},    // the least width rules
        {{0, 0, 1280, 720}, 1500, 900, {0, 0, 1280, 720}},        // never past the work area
        {{1920, 28, 1366, 740}, 675, 405, {2148, 151, 910, 493}}, // a second screen, a panel
        {{0, 0, 600, 400}, 675, 405, {0, 0, 600, 400}},           // a screen smaller than least
    };
    for (const auto& c : cases) {
        const Rect place = WindowPlace::FirstStart(c.workArea, c.leastWidth, c.leastHeight);
        EXPECT_TRUE(place == c.expected)
            << place.x << "," << place.y << " " << place.width << "x" << place.height;
    }
}

// A kept place reads back as written; anything but four plain whole numbers, the sizes positive,
// is no place.
TEST(WindowPlace, KeptPlacesReadBackAndAnythingElseIsNone)
{
    const WindowPlace::Rect place{-8, 30, 1280, 690};
    ASSERT_EQ(WindowPlace::Text(place), "-8,30,1280,690");
    const std::optional<WindowPlace::Rect> back = WindowPlace::Parse(WindowPlace::Text(place));
    EXPECT_TRUE(back && *back == place);
    const std::string bads[] = {"",
                                "1,2,3",
                                "1,2,3,4,5",
                                "1,2,0,4",
                                "1,2,3,-4",
                                "1, 2,3,4",
                                "+1,2,3,4",
                                "1,2,3,4 ",
                                "9999999,2,3,4",
                                "1,2,3,99999999999999999999",
                                "a,b,c,d",
                                "--1,2,3,4",
                                std::string("1,2,3,4\0", 8),
                                "1,2,3,"};
    for (const std::string& bad : bads)
        EXPECT_EQ(WindowPlace::Parse(bad), std::nullopt) << bad;
}

// A kept place is taken again only whole in the work area and no smaller than the least size.
TEST(WindowPlace, AKeptPlaceFitsOnlyWholeInTheWorkAreaAndNoSmallerThanTheLeast)
{
    const WindowPlace::Rect work{0, 0, 1280, 720};
    const struct {
        WindowPlace::Rect place;
        bool fits;
    } cases[] = {
        {{100, 50, 900, 600}, true},  {{0, 0, 1280, 720}, true},
        {{-1, 0, 900, 600}, false},   {{400, 200, 900, 600}, false}, // past the right edge
        {{100, 50, 600, 600}, false}, {{100, 50, 900, 400}, false},  // below the least size
        {{1300, 0, 700, 500}, false},                                // on a screen no longer there
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowPlace::Fits(c.place, work, 675, 430), c.fits) << WindowPlace::Text(c.place);
}
