#include "app/run/WindowPlace.h"

#include <gtest/gtest.h>

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
