#include "graph/drawing/axesPainter.h"

#include <wx/brush.h>
#include <wx/pen.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

const wxColour GRID_COLOUR(204, 204, 204);
constexpr int ARROW_LENGTH = coordSysView::ARROW_LENGTH;
constexpr int ARROW_HALF_WIDTH = 4;

} // namespace

axesPainter::axesPainter(const coordSysView& graph, const windowTextMeasurer& measurer,
                         pointVisibility isVisible, wxDC& dc)
    : graphPainter(graph, dc), measurer(measurer), isVisible(std::move(isVisible))
{
}

void axesPainter::DrawGrid()
{
    const int style = graph.gridStyle;
    if (style == coordSysSettings::NO_GRID)
        return;
    dc.SetPen(wxPen(GRID_COLOUR, 1, wxPENSTYLE_SOLID));
    axisLine horizontal = Line(true);
    axisLine vertical = Line(false);
    StartAtCrossing(horizontal, vertical);
    if (style == coordSysSettings::VERTICAL_GRID || style == coordSysSettings::RECTANGULAR_GRID)
        for (double t : AxisTicks(true, coordAxis::MAJOR_TICKS)) {
            const int x = AlongPixel(true, t);
            dc.DrawLine(x, vertical.high, x, vertical.low);
        }
    if (style == coordSysSettings::HORIZONTAL_GRID || style == coordSysSettings::RECTANGULAR_GRID)
        for (double t : AxisTicks(false, coordAxis::MAJOR_TICKS)) {
            const int y = AlongPixel(false, t);
            dc.DrawLine(horizontal.low, y, horizontal.high, y);
        }
    if (style == coordSysSettings::POLAR_GRID) {
        DrawPolarRings(true);
        DrawPolarRings(false);
    }
    dc.SetPen(*wxTRANSPARENT_PEN);
}

void axesPainter::DrawAxes()
{
    if (graph.GetAxesStyle() == 0)
        return;
    const wxFont tickFont = measurer.Font(graph.GetFontSize(), false);
    const wxFont labelFont = measurer.Font(graph.GetFontSize() + 2, true);
    dc.SetPen(AxisPen());
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.SetFont(tickFont);
    axisLine horizontal = Line(true);
    axisLine vertical = Line(false);
    PinOutsideAxes(horizontal, vertical);
    StartAtCrossing(horizontal, vertical);
    if (graph.GetXAxis().visible)
        DrawAxis(horizontal, tickFont, labelFont);
    if (graph.GetYAxis().visible)
        DrawAxis(vertical, tickFont, labelFont);
    DrawOriginCircle(horizontal, vertical);
}

// The black pen of the axes, as wide as the line scale makes it.
wxPen axesPainter::AxisPen() const
{
    return graph.GetLineScale() == 1 ? *wxBLACK_PEN : wxPen(*wxBLACK, graph.ScaledLine(1));
}

const coordAxis& axesPainter::Axis(bool horizontal) const
{
    return horizontal ? graph.GetXAxis() : graph.GetYAxis();
}

const std::vector<double>& axesPainter::Ticks(bool horizontal, int kind)
{
    Axis(horizontal).TickPositions(ticks, kind);
    return ticks;
}

// The ticks that lie on the axis as drawn.
std::vector<double> axesPainter::AxisTicks(bool horizontal, int kind)
{
    std::vector<double> onAxis;
    for (double t : Ticks(horizontal, kind))
        if (graph.OnAxis(horizontal, t))
            onAxis.push_back(t);
    return onAxis;
}

// Tick values are in axis units, so a trig-scale axis places them at multiples of pi.
int axesPainter::AlongPixel(bool horizontal, double tick) const
{
    return horizontal ? graph.XToPixel(tick * graph.XScale())
                      : graph.YToPixel(tick * graph.YScale());
}

// The axis runs from one end of the shown range to the other, through the axis intersection.
axesPainter::axisLine axesPainter::Line(bool horizontal) const
{
    const coordAxis& axis = Axis(horizontal);
    const int first = AlongPixel(horizontal, axis.GetMin());
    const int last = AlongPixel(horizontal, axis.GetMax());
    const worldPoint crossing = graph.axisIntersection;
    const int across = horizontal ? AlongPixel(false, crossing.y) : AlongPixel(true, crossing.x);
    return horizontal ? axisLine{true, first, last, across} : axisLine{false, last, first, across};
}

// A length of the usual drawing, at the graph's line scale.
int axesPainter::Px(int pixels) const { return graph.ScaledLine(pixels); }

wxPoint axesPainter::At(const axisLine& line, int along, int across)
{
    return line.horizontal ? wxPoint(along, line.across + across)
                           : wxPoint(line.across + across, along);
}

// Ellipses round the world origin through the ticks of one axis, outlines only; with equal
// scaling they are circles.
void axesPainter::DrawPolarRings(bool horizontal)
{
    for (double t : Ticks(horizontal, coordAxis::MAJOR_TICKS)) {
        const double a = std::abs(t);
        dc.SetBrush(wxBrush(*wxWHITE, wxBRUSHSTYLE_TRANSPARENT));
        DrawEllipse(graph.XToPixel(-a * graph.XScale()), graph.YToPixel(a * graph.YScale()),
                    graph.XPixelSpan(2 * a * graph.XScale()) + 1,
                    graph.YPixelSpan(2 * a * graph.YScale()) + 1);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
    }
}

// An axis whose crossing lies outside the view is drawn near the bottom or left edge instead,
// leaving the room its labels need; tick positions and label texts stay.
void axesPainter::PinOutsideAxes(axisLine& horizontal, axisLine& vertical) const
{
    if (!graph.axesAlwaysViewable || graph.originAlwaysViewable)
        return;
    const pixelSize client = graph.ClientExtent();
    const bool pinHorizontal = horizontal.across < 0 || horizontal.across > client.height;
    const bool pinVertical = vertical.across < 0 || vertical.across > client.width;
    if (!pinHorizontal && !pinVertical)
        return; // the usual case: measuring the label room would be wasted
    const labelRoom room = graph.LabelRoom(measurer, false);
    if (pinHorizontal)
        horizontal.across = client.height - graph.YPixelSpan(room.bottom * graph.YScale());
    if (pinVertical)
        vertical.across = graph.XPixelSpan(room.left * graph.XScale());
}

// Axes drawn from their crossing start at the other axis: the horizontal one at the vertical
// one's column, the vertical one at the horizontal one's row.
void axesPainter::StartAtCrossing(axisLine& horizontal, axisLine& vertical) const
{
    if (!graph.axesFromCrossing)
        return;
    horizontal.low = vertical.across;
    vertical.high = horizontal.across;
}

void axesPainter::DrawAxis(const axisLine& line, const wxFont& tickFont, const wxFont& labelFont)
{
    dc.DrawLine(At(line, line.low, 0), At(line, line.high, 0));
    DrawArrowheads(line);
    const coordAxis& axis = Axis(line.horizontal);
    if (axis.showTicks)
        DrawTickMarks(line, coordAxis::MAJOR_TICKS, Px(4), Px(5));
    if (axis.showTickLabels)
        DrawTickLabels(line);
    if (axis.showMinorTicks)
        DrawTickMarks(line, coordAxis::MINOR_TICKS, Px(2), Px(3));
    dc.SetFont(labelFont);
    const textExtent extent = measurer.Extent(axis.label, graph.GetFontSize() + 2, true);
    dc.DrawText(wxString::FromUTF8(axis.label), AxisLabelCorner(line, extent));
    dc.SetFont(tickFont);
}

// Filled triangles with their tips on the ends, pointing outwards; axes drawn from their
// crossing have one, at the maximum end (the right one, or the top one).
void axesPainter::DrawArrowheads(const axisLine& line)
{
    const int length = graph.ScaledLine(ARROW_LENGTH);
    const int halfWidth = graph.ScaledLine(ARROW_HALF_WIDTH);
    const bool fromCrossing = graph.axesFromCrossing;
    for (const bool atLow : {true, false}) {
        if (fromCrossing && atLow == line.horizontal)
            continue;
        const int tip = atLow ? line.low : line.high;
        const int base = atLow ? tip + length : tip - length;
        wxPoint arrow[] = {At(line, tip, 0), At(line, base, halfWidth), At(line, base, -halfWidth)};
        dc.DrawPolygon(3, arrow, 0, 0, wxODDEVEN_RULE);
    }
}

// A short line across the axis at every tick, both ends included. The lines are filled as
// one-pixel boxes in the black brush: on vector DCs that covers the same pixels as a stroke of
// the black pen and costs a fraction of it, and an axis may carry a hundred ticks.
void axesPainter::DrawTickMarks(const axisLine& line, int kind, int downOrRight, int upOrLeft)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (double t : AxisTicks(line.horizontal, kind)) {
        const int along = AlongPixel(line.horizontal, t);
        dc.DrawRectangle(wxRect(At(line, along, -upOrLeft), At(line, along, downOrRight)));
    }
    dc.SetPen(AxisPen());
}

void axesPainter::DrawTickLabels(const axisLine& line)
{
    std::string text;
    const std::vector<double>& major = Ticks(line.horizontal, coordAxis::MAJOR_TICKS);
    for (std::size_t i = 0; i < major.size(); ++i) {
        if (!graph.OnAxis(line.horizontal, major[i]) ||
            !graph.TickLabelAt(line.horizontal, i, major[i], text))
            continue;
        const textExtent extent = measurer.Extent(text, graph.GetFontSize(), false);
        if (!graph.ClearOfCrossing(line.horizontal, major[i], extent))
            continue;
        const int along = AlongPixel(line.horizontal, major[i]);
        dc.DrawText(wxString::FromUTF8(text), TickLabelCorner(line, along, extent));
    }
}

wxPoint axesPainter::TickLabelCorner(const axisLine& line, int along,
                                     const textExtent& extent) const
{
    if (line.horizontal) {
        const bool below = graph.GetXTickLabelPosition() == coordSysSettings::BELOW;
        return {along - extent.width / 2,
                below ? line.across + Px(6) : line.across - extent.height - Px(6)};
    }
    const bool left = graph.GetYTickLabelPosition() == coordSysSettings::LEFT;
    return {left ? line.across - extent.width - Px(11) : line.across + Px(14),
            along - extent.height / 2};
}

// The axis label sits near one end of its axis, on the side its position names, beyond the
// tick labels when they are on the same side.
wxPoint axesPainter::AxisLabelCorner(const axisLine& line, const textExtent& extent) const
{
    const textExtent ticks = graph.LargestTickLabel(measurer, line.horizontal);
    if (line.horizontal) {
        const int position = graph.GetXAxisLabelPosition();
        const int tickSide = graph.GetXTickLabelPosition();
        int left = position & coordSysSettings::RIGHT ? line.high - extent.width - Px(10)
                                                      : line.low + Px(10);
        // Drawn from their crossing, the axes keep everything right of the vertical one.
        if (graph.axesFromCrossing)
            left = std::max(left, line.low + Px(coordSysView::LABEL_GAP));
        if (position & coordSysSettings::ABOVE)
            return {left, line.across - extent.height - Px(10) -
                              (tickSide == coordSysSettings::ABOVE ? ticks.height : 0)};
        return {left,
                line.across + Px(10) + (tickSide == coordSysSettings::BELOW ? ticks.height : 0)};
    }
    const int position = graph.GetYAxisLabelPosition();
    const int tickSide = graph.GetYTickLabelPosition();
    const int top =
        position & coordSysSettings::BELOW ? line.high - extent.height - Px(10) : line.low + Px(5);
    if (position & coordSysSettings::LEFT)
        return {line.across - extent.width - Px(10) -
                    (tickSide == coordSysSettings::LEFT ? ticks.width + Px(5) : 0),
                top};
    return {line.across + Px(15) + (tickSide == coordSysSettings::RIGHT ? ticks.width + Px(5) : 0),
            top};
}

// A circle of 16 pixels round the origin, when both axes cross exactly there, run on past it
// and it is in view.
void axesPainter::DrawOriginCircle(const axisLine& horizontal, const axisLine& vertical)
{
    const worldPoint crossing = graph.axisIntersection;
    if (graph.axesFromCrossing ||
        graph.GetAxesStyle() != (coordSysSettings::X_AXIS | coordSysSettings::Y_AXIS) ||
        !isVisible(0, 0) || crossing.x != 0 || crossing.y != 0)
        return;
    dc.SetBrush(wxBrush(*wxWHITE, wxBRUSHSTYLE_TRANSPARENT));
    DrawEllipse(vertical.across - Px(8), horizontal.across - Px(8), Px(16), Px(16));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
}
