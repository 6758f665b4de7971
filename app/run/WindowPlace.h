#pragma once

// Where the main window opens on a screen, in pixels: toolkit-free, so that the choice is tested
// without a display.
class WindowPlace {
public:
    struct Rect {
        int x = 0, y = 0, width = 0, height = 0;
        bool operator==(const Rect& other) const
        {
            return x == other.x && y == other.y && width == other.width && height == other.height;
        }
    };

    // The place of a first start in the screen's work area: two thirds of it each way, never
    // less than the window's least size nor more than the work area, centred in it.
    static Rect FirstStart(const Rect& workArea, int leastWidth, int leastHeight);
};
