#include "graph/model/coordSysView.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Clamps to the drawable interval and truncates toward zero. A value that is not a number
// (from a NaN in the data) has no place on the axis; it goes to the far negative end, outside
// every window, so it is never reported visible.
int ToPixel(double value)
{
    if (std::isnan(value))
        return -coordSysView::PIXEL_LIMIT;
    const double limit = coordSysView::PIXEL_LIMIT;
    return static_cast<int>(std::clamp(value, -limit, limit));
}

// Where an axis range starts and ends and how long it is, in world units.
struct worldSpan {
    double start;
    double end;
    double length;
};

worldSpan SpanOf(const coordAxis& axis, double scale)
{
    return {axis.GetMin() * scale, axis.GetMax() * scale, (axis.GetMax() - axis.GetMin()) * scale};
}

// The span a room of `pixels` will have once the range has been widened by it. A client no
// wider than the room cannot hold it at all; the room is then taken as measured rather than
// turned negative or infinite.
double Corrected(double span, int extent, int pixels)
{
    return extent > pixels ? span * extent / (extent - pixels) : span;
}

// Pixel room across one axis: its tick labels on one side, its axis label on one side, five
// pixels more when both are on the same side.
void SideRoom(int& lowSide, int& highSide, int base, bool ticksLow, int tickSize, bool labelLow,
              int labelSize)
{
    (ticksLow ? lowSide : highSide) = tickSize + base;
    int& labelSide = labelLow ? lowSide : highSide;
    labelSide += labelSize;
    if (ticksLow == labelLow)
        labelSide += 5;
}

bool NearCrossing(double lo, double hi, double crossing, double below, double above)
{
    return (crossing - below <= lo && lo <= crossing) || (crossing <= hi && hi <= crossing + above);
}

void Widen(double& lo, double& hi, double crossing, double below, double above)
{
    if (lo >= crossing - below)
        lo = crossing - below;
    if (hi <= crossing + above)
        hi = crossing + above;
}

// The ends of a view in which from..to fills an extent less `low` pixels below and `high` above;
// from..to itself when the extent has no more room than those, and at least one unit.
std::pair<double, double> Spread(double from, double to, int extent, int low, int high)
{
    if (!(to > from))
        to = from + 1;
    if (extent <= low + high)
        return {from, to};
    const double perPixel = (to - from) / (extent - low - high);
    return {from - low * perPixel, to + high * perPixel};
}

bool Inside(double lo, double hi, double value) { return lo <= value && value <= hi; }

std::string Printed(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.5g", value);
    return text;
}

} // namespace

int coordSysView::XToPixel(double x) const
{
    const worldSpan s = SpanOf(GetXAxis(), XScale());
    return ToPixel(ClientExtent().width * (x - s.start) / s.length);
}

int coordSysView::YToPixel(double y) const
{
    const worldSpan s = SpanOf(GetYAxis(), YScale());
    return ToPixel(ClientExtent().height * (s.end - y) / s.length);
}

// An empty client has no pixels to spread the range over: every pixel is the range's start.
double coordSysView::PixelToX(int px) const
{
    const worldSpan s = SpanOf(GetXAxis(), XScale());
    const int width = ClientExtent().width;
    return width > 0 ? s.start + s.length * px / width : s.start;
}

double coordSysView::PixelToY(int py) const
{
    const worldSpan s = SpanOf(GetYAxis(), YScale());
    const int height = ClientExtent().height;
    return height > 0 ? s.end - s.length * py / height : s.end;
}

pixelPoint coordSysView::PointToPixel(double x, double y) const
{
    return {XToPixel(x), YToPixel(y)};
}

worldPoint coordSysView::PixelToPoint(int px, int py) const { return {PixelToX(px), PixelToY(py)}; }

int coordSysView::XPixelSpan(double distance) const
{
    return std::abs(XToPixel(distance) - XToPixel(0));
}

int coordSysView::YPixelSpan(double distance) const
{
    return std::abs(YToPixel(distance) - YToPixel(0));
}

double coordSysView::XWorldSpan(int pixels) const
{
    return std::fabs(PixelToX(pixels) - PixelToX(0));
}

double coordSysView::YWorldSpan(int pixels) const
{
    return std::fabs(PixelToY(pixels) - PixelToY(0));
}

// With ticksKeepLabelsApart the view is fitted once, the labels it gave measured, and the view
// fitted again with as many ticks as those labels leave room for.
void coordSysView::UpdateView(const textMeasurer& measurer)
{
    GetXAxis().SetTickRoom(0);
    GetYAxis().SetTickRoom(0);
    FitView(measurer);
    if (!ticksKeepLabelsApart)
        return;
    for (int pass = 0; pass < 2; ++pass) {
        const int xRoom = TickRoom(measurer, true);
        const int yRoom = TickRoom(measurer, false);
        GetXAxis().SetTickRoom(xRoom);
        GetYAxis().SetTickRoom(yRoom);
        FitView(measurer);
    }
}

// Labels along the x axis stand side by side, a gap of their height between; along the y axis
// one above the other, half their height between. The view's range counts the labels' room.
int coordSysView::TickRoom(const textMeasurer& measurer, bool xAxis) const
{
    const textExtent label = LargestTickLabel(measurer, xAxis);
    const pixelSize client = ClientExtent();
    const int pitch = xAxis ? label.width + label.height : label.height + label.height / 2;
    const int length = xAxis ? client.width : client.height;
    return pitch > 0 && length > 0 ? std::max(2, length / pitch) : 0;
}

void coordSysView::FitView(const textMeasurer& measurer)
{
    if (axesFromCrossing) {
        FitFromCrossing(measurer);
        return;
    }
    const worldPoint crossing = axisIntersection;
    viewRange range{GetXMin(), GetXMax(), GetYMin(), GetYMax()};
    if (originAlwaysViewable) {
        range.xmin = std::min(range.xmin, crossing.x);
        range.xmax = std::max(range.xmax, crossing.x);
        range.ymin = std::min(range.ymin, crossing.y);
        range.ymax = std::max(range.ymax, crossing.y);
    }
    MakeLabelRoom(measurer, range, true, true);
    if (equalScaling) {
        EqualiseScales(range);
        if (axesAlwaysViewable && !originAlwaysViewable) {
            const bool xInside = Inside(range.xmin, range.xmax, crossing.x);
            const bool yInside = Inside(range.ymin, range.ymax, crossing.y);
            if (xInside || yInside)
                MakeLabelRoom(measurer, range, xInside, yInside);
            EqualiseScales(range);
        }
    }
    GetXAxis().SetRange(range.xmin, range.xmax);
    GetYAxis().SetRange(range.ymin, range.ymax);
}

void coordSysView::MakeLabelRoom(const textMeasurer& measurer, viewRange& range, bool forX,
                                 bool forY)
{
    // Measure against the mapping these ranges give.
    GetXAxis().SetRange(range.xmin, range.xmax);
    GetYAxis().SetRange(range.ymin, range.ymax);
    const labelRoom room = LabelRoom(measurer, true);
    const worldPoint crossing = axisIntersection;
    bool takeX = forX;
    bool takeY = forY;
    if (!originAlwaysViewable && forX && forY) {
        // Only an axis whose crossing lies near an end of the view needs the room.
        takeX = NearCrossing(range.xmin, range.xmax, crossing.x, room.left, room.right);
        takeY = NearCrossing(range.ymin, range.ymax, crossing.y, room.bottom, room.top);
    }
    if (takeX)
        Widen(range.xmin, range.xmax, crossing.x, room.left, room.right);
    if (takeY)
        Widen(range.ymin, range.ymax, crossing.y, room.bottom, room.top);
}

pixelRoom coordSysView::LabelPixels(const textMeasurer& measurer) const
{
    const int labelPoints = GetFontSize() + 2;
    const int yTickWidth = LargestTickLabel(measurer, false).width;
    const int xTickHeight = LargestTickLabel(measurer, true).height;
    const int yLabelWidth = measurer.Extent(GetYAxisLabel(), labelPoints, true).width;
    const int xLabelHeight = measurer.Extent(GetXAxisLabel(), labelPoints, true).height;

    // The fixed parts grow with the lines, for a zoomed graph.
    const int across = ScaledLine(20);
    const int along = ScaledLine(15);
    pixelRoom room{across, across, along, along};
    SideRoom(room.left, room.right, across, GetYTickLabelPosition() == LEFT, yTickWidth,
             (GetYAxisLabelPosition() & LEFT) != 0, yLabelWidth);
    SideRoom(room.top, room.bottom, along, GetXTickLabelPosition() == ABOVE, xTickHeight,
             (GetXAxisLabelPosition() & ABOVE) != 0, xLabelHeight);
    return room;
}

labelRoom coordSysView::LabelRoom(const textMeasurer& measurer, bool scaleCorrection) const
{
    const pixelRoom pixels = LabelPixels(measurer);
    labelRoom room{XWorldSpan(pixels.left), XWorldSpan(pixels.right), YWorldSpan(pixels.top),
                   YWorldSpan(pixels.bottom)};
    if (scaleCorrection) {
        const pixelSize client = ClientExtent();
        room.left = Corrected(room.left, client.width, pixels.left);
        room.right = Corrected(room.right, client.width, pixels.right);
        room.top = Corrected(room.top, client.height, pixels.top);
        room.bottom = Corrected(room.bottom, client.height, pixels.bottom);
    }
    return {room.left / XScale(), room.right / XScale(), room.top / YScale(),
            room.bottom / YScale()};
}

void coordSysView::EqualiseScales(viewRange& range) const
{
    const pixelSize client = ClientExtent();
    if (client.width <= 0 || client.height <= 0)
        return; // no shape to match yet
    const double ratio = static_cast<double>(client.width) / client.height;
    const double dx = (range.xmax - range.xmin) * XScale();
    const double dy = (range.ymax - range.ymin) * YScale();
    if (dx / dy > ratio) {
        const double a = (dx / ratio - dy) / 2 / YScale();
        range.ymin -= a;
        range.ymax += a;
    } else {
        const double a = (ratio * dy - dx) / 2 / XScale();
        range.xmin -= a;
        range.xmax += a;
    }
}

// The requested ranges from the crossing up fill the client less the labels' room at the low
// ends and an arrowhead and a gap at the high ends. The labels are measured at the ticks of the
// requested ranges, then once more at those of the view they gave.
void coordSysView::FitFromCrossing(const textMeasurer& measurer)
{
    const worldPoint crossing = axisIntersection;
    const pixelSize client = ClientExtent();
    const int arrowRoom = ScaledLine(ARROW_LENGTH + LABEL_GAP);
    GetXAxis().SetRange(crossing.x, std::max(GetXMax(), crossing.x + 1));
    GetYAxis().SetRange(crossing.y, std::max(GetYMax(), crossing.y + 1));
    for (int pass = 0; pass < 2; ++pass) {
        const pixelRoom room = LabelPixels(measurer);
        const auto x = Spread(crossing.x, GetXMax(), client.width, room.left, arrowRoom);
        const auto y = Spread(crossing.y, GetYMax(), client.height, room.bottom, arrowRoom);
        GetXAxis().SetRange(x.first, x.second);
        GetYAxis().SetRange(y.first, y.second);
    }
}

bool coordSysView::OnAxis(bool xAxis, double tick) const
{
    if (!axesFromCrossing)
        return true;
    if (xAxis) {
        const int at = XToPixel(tick * XScale());
        return at > XToPixel(axisIntersection.x * XScale()) &&
               at <= ClientExtent().width - ScaledLine(ARROW_LENGTH);
    }
    const int at = YToPixel(tick * YScale());
    return at < YToPixel(axisIntersection.y * YScale()) && at >= ScaledLine(ARROW_LENGTH);
}

bool coordSysView::ClearOfCrossing(bool xAxis, double tick, const textExtent& extent) const
{
    if (!axesFromCrossing)
        return true;
    if (xAxis)
        return XToPixel(tick * XScale()) - extent.width / 2 >=
               XToPixel(axisIntersection.x * XScale()) + ScaledLine(LABEL_GAP);
    return YToPixel(tick * YScale()) + (extent.height + 1) / 2 <=
           YToPixel(axisIntersection.y * YScale()) - ScaledLine(LABEL_GAP);
}

std::string coordSysView::FormatTickLabel(double value, bool trigScale)
{
    static const std::string PI_SIGN = "\u03c0";
    const std::string text = Printed(value);
    if (!trigScale || text == "0")
        return text;
    if (text == "1")
        return PI_SIGN;
    if (text == "-1")
        return "-" + PI_SIGN;
    return text + PI_SIGN;
}

bool coordSysView::TickLabelAt(bool xAxis, std::size_t index, double tick, std::string& text) const
{
    if (xAxis ? UsesCustomXTickLabels() : UsesCustomYTickLabels()) {
        const std::vector<std::string>& custom =
            xAxis ? GetCustomXTickLabels() : GetCustomYTickLabels();
        if (index >= custom.size())
            return false;
        text = custom[index];
        return true;
    }
    if (LeftOutAtCrossing(xAxis, tick))
        return false;
    text = FormatTickLabel(tick, xAxis ? xTrigScale : yTrigScale);
    return true;
}

// Compared as printed, so a tick that only rounding keeps from the crossing counts as on it.
bool coordSysView::LeftOutAtCrossing(bool xAxis, double tick) const
{
    const bool otherVisible = (xAxis ? GetYAxis() : GetXAxis()).visible;
    return otherVisible &&
           Printed(tick) == Printed(xAxis ? axisIntersection.x : axisIntersection.y);
}

// The texts that label the major ticks of one axis, as painting writes them: the whole custom
// list when it is in use, otherwise the numbers on the axis, less the one where the other axis
// crosses.
std::vector<std::string> coordSysView::TickLabelTexts(bool xAxis) const
{
    if (xAxis ? UsesCustomXTickLabels() : UsesCustomYTickLabels())
        return xAxis ? GetCustomXTickLabels() : GetCustomYTickLabels();
    std::vector<double> ticks;
    (xAxis ? GetXAxis() : GetYAxis()).TickPositions(ticks, coordAxis::MAJOR_TICKS);
    std::vector<std::string> texts;
    std::string text;
    for (double t : ticks)
        if (OnAxis(xAxis, t) && TickLabelAt(xAxis, texts.size(), t, text))
            texts.push_back(text);
    return texts;
}

textExtent coordSysView::LargestTickLabel(const textMeasurer& measurer, bool xAxis) const
{
    textExtent largest;
    for (const std::string& text : TickLabelTexts(xAxis)) {
        const textExtent e = measurer.Extent(text, GetFontSize(), false);
        largest.width = std::max(largest.width, e.width);
        largest.height = std::max(largest.height, e.height);
    }
    return largest;
}
