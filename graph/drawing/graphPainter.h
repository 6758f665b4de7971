#pragma once
#include "graph/model/coordSysView.h"

#include <wx/dc.h>

// Draws parts of a graph's picture into a DC, with the settings and the mapping of the graph's
// view of the moment; it needs nothing of the window. The DC draws whole pixels, as the graph's
// geometry is laid out in them: one-pixel lines stay sharp and a shape covers exactly the
// pixels its box names.
class graphPainter {
public:
    graphPainter(const coordSysView& graph, wxDC& dc);

protected:
    // An ellipse covering the pixels of the box (x, y, width, height), outline included.
    void DrawEllipse(int x, int y, int width, int height);

    const coordSysView& graph;
    wxDC& dc;
};
