#pragma once
#include "graph/drawing/graphPainter.h"
#include "graph/drawing/windowTextMeasurer.h"

#include <wx/font.h>
#include <wx/pen.h>

#include <functional>
#include <vector>

// Whether a world point lies within the window the picture is for.
using pointVisibility = std::function<bool(double x, double y)>;

// Draws the frame of a graph's picture: the grid, the two axes with their arrowheads, major
// and minor ticks, tick labels and axis labels, and the circle that marks the origin. Labels
// are written in the measurer's fonts; the origin circle is drawn only where the visibility
// test finds the origin.
class axesPainter : public graphPainter {
public:
    axesPainter(const coordSysView& graph, const windowTextMeasurer& measurer,
                pointVisibility isVisible, wxDC& dc);

    // The grid of the graph's grid style, in light grey at the major ticks. Leaves no pen set.
    void DrawGrid();
    // Leaves the black pen and the tick font set.
    void DrawAxes();

private:
    // One axis as drawn, in pixels along it (x for the horizontal axis, y for the vertical)
    // and across it.
    struct axisLine {
        bool horizontal;
        int low;    // the left or top end
        int high;   // the right or bottom end
        int across; // the row of the horizontal axis, the column of the vertical one
    };

    wxPen AxisPen() const;
    int Px(int pixels) const;
    const coordAxis& Axis(bool horizontal) const;
    const std::vector<double>& Ticks(bool horizontal, int kind);
    std::vector<double> AxisTicks(bool horizontal, int kind);
    int AlongPixel(bool horizontal, double tick) const;
    axisLine Line(bool horizontal) const;
    // The client point at a distance along and across an axis.
    static wxPoint At(const axisLine& line, int along, int across);

    void DrawPolarRings(bool horizontal);
    void PinOutsideAxes(axisLine& horizontal, axisLine& vertical) const;
    void StartAtCrossing(axisLine& horizontal, axisLine& vertical) const;
    void DrawAxis(const axisLine& line, const wxFont& tickFont, const wxFont& labelFont);
    void DrawArrowheads(const axisLine& line);
    void DrawTickMarks(const axisLine& line, int kind, int downOrRight, int upOrLeft);
    void DrawTickLabels(const axisLine& line);
    wxPoint TickLabelCorner(const axisLine& line, int along, const textExtent& extent) const;
    wxPoint AxisLabelCorner(const axisLine& line, const textExtent& extent) const;
    void DrawOriginCircle(const axisLine& horizontal, const axisLine& vertical);

    const windowTextMeasurer& measurer;
    pointVisibility isVisible;
    std::vector<double> ticks;
};
