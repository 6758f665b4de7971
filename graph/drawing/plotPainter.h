#pragma once
#include "graph/drawing/graphPainter.h"
#include "graph/model/dataSeries.h"
#include "graph/model/pointLabel.h"
#include "graph/model/seriesTrace.h"

#include <wx/brush.h>

#include <vector>

// Draws the plot objects of a graph: data series in their four styles, markers and marked
// points. Each drawing operation leaves no pen and no brush set.
class plotPainter : public graphPainter {
public:
    using graphPainter::graphPainter;

    void DrawSeries(const dataSeries& series);
    // A marker of half-size `size` pixels at a world point, in the DC's current pen and brush.
    void DrawMarker(double x, double y, int shape, int size);
    // Every visible label as a marker in its own colour.
    void DrawLabels(const std::vector<pointLabel>& labels);
    // One step of a trace: each piece as a polyline in the series' pen.
    void DrawTracePieces(const dataSeries& series, const std::vector<seriesTrace::piece>& pieces);

private:
    void SelectSeriesTools(const dataSeries& series);
    void ReleaseTools();
    void DrawPolyline(const pointRun& run, std::size_t first, std::size_t count);
    void DrawColumns(const dataSeries& series, const pointRun& run);
    void DrawFilledOutline(const wxRect& box, const wxBrush& outline, const wxBrush& inside);
    void DrawDots(const dataSeries& series, const pointRun& run);

    std::vector<wxPoint> pixels;
};
