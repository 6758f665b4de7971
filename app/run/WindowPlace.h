#pragma once

#include <optional>
#include <string>

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
    // A place kept from the last close is taken again where it lies whole in the work area and is
    // no smaller than the window's least size.
    static bool Fits(const Rect& place, const Rect& workArea, int leastWidth, int leastHeight);

    // A place as kept in the settings: "x,y,width,height", whole numbers in plain digits (x and
    // y may be negative), the sizes positive; anything else is no place.
    static std::string Text(const Rect& place);
    static std::optional<Rect> Parse(const std::string& text);
};
