#pragma once

#include <wx/dc.h>

class RunModel;

// A picture of one of a run's graphs, drawn as its page in the window draws it, at a size of its
// own: the graph laid out for that size, its labels and lines at a zoom of their own. Needs no
// window.
class RunPicture {
public:
    enum class Graph { THEORY, COLUMNS };

    // The size of a saved picture, and how much larger than at 100% its texts and lines are: the
    // graph as a window of 600 x 400 pixels shows it at 200%.
    static constexpr int WIDTH = 1200;
    static constexpr int HEIGHT = 800;
    static constexpr double ZOOM = 2;

    // Draws the graph into `size` at the DC's origin.
    static void Draw(wxDC& dc, const RunModel& run, Graph graph, const wxSize& size, double zoom);
};
