#include "graph/drawing/plotPainter.h"

#include <wx/brush.h>
#include <wx/pen.h>

#include <algorithm>
#include <cstdlib>

namespace {

wxColour ToColour(const graphColour& c) { return wxColour(c.red, c.green, c.blue); }

// A colour that is not set draws nothing.
wxPen PenOf(const graphColour& colour, int width)
{
    return colour.set ? wxPen(ToColour(colour), width, wxPENSTYLE_SOLID) : *wxTRANSPARENT_PEN;
}

wxBrush BrushOf(const graphColour& colour)
{
    return colour.set ? wxBrush(ToColour(colour), wxBRUSHSTYLE_SOLID) : *wxTRANSPARENT_BRUSH;
}

// The point's x is the column's left edge, its middle or its right edge.
int ColumnLeft(int alignment, int x, int width)
{
    switch (alignment) {
    case dataSeries::LEFT_EDGE:
        return x;
    case dataSeries::RIGHT_EDGE:
        return x - width;
    default:
        return x - width / 2;
    }
}

} // namespace

void plotPainter::DrawSeries(const dataSeries& series)
{
    SelectSeriesTools(series);
    for (const pointRun& run : series.runs) {
        switch (series.style) {
        case dataSeries::LINES:
            DrawPolyline(run, 0, run.size());
            break;
        case dataSeries::MARKERS:
            for (const worldPoint& p : run)
                DrawMarker(p.x, p.y, series.markerShape, series.markerSize);
            break;
        case dataSeries::COLUMNS:
            DrawColumns(series, run);
            break;
        case dataSeries::DOTS:
            DrawDots(series, run);
            break;
        default: // an unknown style draws nothing
            break;
        }
    }
    ReleaseTools();
}

void plotPainter::DrawMarker(double x, double y, int shape, int size)
{
    const pixelPoint p = graph.PointToPixel(x, y);
    switch (shape) {
    case dataSeries::DIAMOND: {
        wxPoint corners[] = {
            {p.x, p.y - size}, {p.x + size, p.y}, {p.x, p.y + size}, {p.x - size, p.y}};
        dc.DrawPolygon(4, corners, 0, 0, wxODDEVEN_RULE);
        break;
    }
    case dataSeries::SQUARE:
        dc.DrawRectangle(p.x - size, p.y - size, 2 * size + 1, 2 * size + 1);
        break;
    case dataSeries::CIRCLE:
        DrawEllipse(p.x - size, p.y - size, 2 * size, 2 * size);
        break;
    default: // an unknown shape draws nothing
        break;
    }
}

void plotPainter::DrawLabels(const std::vector<pointLabel>& labels)
{
    for (const pointLabel& label : labels) {
        if (!label.visible)
            continue;
        dc.SetPen(wxPen(ToColour(label.colour), 1, wxPENSTYLE_SOLID));
        dc.SetBrush(wxBrush(ToColour(label.colour), wxBRUSHSTYLE_SOLID));
        DrawMarker(label.x, label.y, label.markerShape, label.markerSize);
    }
    ReleaseTools();
}

void plotPainter::DrawTracePieces(const dataSeries& series,
                                  const std::vector<seriesTrace::piece>& pieces)
{
    SelectSeriesTools(series);
    for (const seriesTrace::piece& piece : pieces)
        DrawPolyline(series.runs[piece.run], piece.first, piece.count);
    ReleaseTools();
}

void plotPainter::SelectSeriesTools(const dataSeries& series)
{
    dc.SetPen(PenOf(series.penColour, graph.ScaledLine(series.penWidth)));
    dc.SetBrush(BrushOf(series.fillColour));
}

// Lets go of the series' pen and brush. Stock tools take their place rather than null ones,
// which some device contexts (the SVG one) refuse to draw with.
void plotPainter::ReleaseTools()
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
}

// A run of a single point is no line and draws nothing.
void plotPainter::DrawPolyline(const pointRun& run, std::size_t first, std::size_t count)
{
    if (count < 2)
        return;
    pixels.clear();
    for (std::size_t i = first; i < first + count; ++i) {
        const pixelPoint p = graph.PointToPixel(run[i].x, run[i].y);
        pixels.emplace_back(p.x, p.y);
    }
    dc.DrawLines(static_cast<int>(pixels.size()), pixels.data());
}

// Each column stands on the world line y = 0, whatever the axis intersection, and grows down
// for a negative value; it is one pixel wider and taller than its extent, so neighbouring
// columns share their outline.
void plotPainter::DrawColumns(const dataSeries& series, const pointRun& run)
{
    const int width = graph.XPixelSpan(series.columnWidth);
    const int base = graph.YToPixel(0);
    const bool fillOutline = series.penWidth == 1 && series.penColour.set && series.fillColour.set;
    if (fillOutline)
        dc.SetPen(*wxTRANSPARENT_PEN);
    const wxBrush outline = BrushOf(series.penColour);
    const wxBrush inside = BrushOf(series.fillColour);
    for (const worldPoint& p : run) {
        const int x = graph.XToPixel(p.x);
        const int y = graph.YToPixel(p.y);
        const wxRect box(ColumnLeft(series.columnAlignment, x, width), std::min(y, base), width + 1,
                         std::abs(y - base) + 1);
        if (fillOutline)
            DrawFilledOutline(box, outline, inside);
        else
            dc.DrawRectangle(box);
    }
}

// What a one-pixel outline and a fill draw, in two fills: the box in the outline's colour,
// then its inside. Filling is several times cheaper than stroking on vector DCs, and a
// picture of many columns is mostly their outlines.
void plotPainter::DrawFilledOutline(const wxRect& box, const wxBrush& outline,
                                    const wxBrush& inside)
{
    dc.SetBrush(outline);
    dc.DrawRectangle(box);
    if (box.width > 2 && box.height > 2) {
        dc.SetBrush(inside);
        dc.DrawRectangle(box.x + 1, box.y + 1, box.width - 2, box.height - 2);
    }
}

// A dot as wide as the pen: a line from a pixel to itself, which the pen draws round.
void plotPainter::DrawDots(const dataSeries& series, const pointRun& run)
{
    for (const worldPoint& p : run) {
        const pixelPoint pixel = graph.PointToPixel(p.x, p.y);
        if (series.penWidth == 1)
            dc.DrawPoint(pixel.x, pixel.y);
        else
            dc.DrawLine(pixel.x, pixel.y, pixel.x, pixel.y);
    }
}
