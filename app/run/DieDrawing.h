#pragma once

#include <vector>

// The program's picture of a die, seen in perspective: the front face shows four pips, the right
// side three and the top one. Its shapes lie on a design square of SIZE units, to be drawn at any
// size: three outlined faces, then the pips as ellipses. The installed icons are drawn from the
// same shapes (scripts/draw-die).
class DieDrawing {
public:
    static constexpr double SIZE = 34;
    // Width of the faces' outlines, in design units.
    static constexpr double OUTLINE_WIDTH = 1.2;

    struct Point {
        double x, y;
    };
    struct Colour {
        unsigned char red, green, blue;
    };
    struct Face {
        std::vector<Point> corners;
        Colour fill;
    };
    struct Pip {
        Point centre;
        double radiusX, radiusY;
    };

    static const std::vector<Face>& Faces();
    static const std::vector<Pip>& Pips();
    static constexpr Colour OUTLINE{0x1E, 0x1E, 0x1E};
    static constexpr Colour PIP{0x20, 0x20, 0x20};
};
