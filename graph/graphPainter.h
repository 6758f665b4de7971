#pragma once
#include <wx/dc.h>

class coordSys;

// Draws parts of a graph's picture into a DC, with the graph's mapping of the moment. The DC
// draws whole pixels, as the graph's geometry is laid out in them: one-pixel lines stay sharp
// and a shape covers exactly the pixels its box names.
class graphPainter {
public:
    graphPainter(const coordSys& graph, wxDC& dc);

protected:
    // An ellipse covering the pixels of the box (x, y, width, height), outline included.
    void DrawEllipse(int x, int y, int width, int height);

    const coordSys& graph;
    wxDC& dc;
};
