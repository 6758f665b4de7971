#pragma once
#include "graph/model/coordSysSettings.h"
#include "graph/model/textMeasurer.h"

#include <string>
#include <vector>

struct pixelSize {
    int width = 0;
    int height = 0;
};

struct pixelPoint {
    int x = 0;
    int y = 0;
};

// The ranges the view update works on, in axis units.
struct viewRange {
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
};

// Room the labels need at each edge of the view, in pixels.
struct pixelRoom {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

// Room the labels need at each edge of the view, in axis units.
struct labelRoom {
    double left = 0;
    double right = 0;
    double top = 0;
    double bottom = 0;
};

// The geometry of a graph: the mapping between world coordinates and client pixels, and the
// view update that turns the requested ranges into the shown axis ranges. The x range fills
// the client columns 0..W and the y range the rows H..0, with no margin: room for labels is
// made by widening the ranges. The client size is asked for at every call.
class coordSysView : public coordSysSettings {
public:
    // Mapped pixels are clamped to -PIXEL_LIMIT..PIXEL_LIMIT so that far-off points stay
    // drawable by the toolkit.
    static constexpr int PIXEL_LIMIT = 10000;
    // Length of an axis's arrowhead, and the pixels kept free between a tick label and the axis
    // it must not reach over, in pixels.
    static constexpr int ARROW_LENGTH = 16;
    static constexpr int LABEL_GAP = 3;

    virtual ~coordSysView() = default;

    int XToPixel(double x) const;
    int YToPixel(double y) const;
    double PixelToX(int px) const;
    double PixelToY(int py) const;
    pixelPoint PointToPixel(double x, double y) const;
    worldPoint PixelToPoint(int px, int py) const;
    int XPixelSpan(double distance) const;
    int YPixelSpan(double distance) const;
    double XWorldSpan(int pixels) const;
    double YWorldSpan(int pixels) const;
    // The client size the ranges are spread over, in pixels: the window's, at the moment.
    virtual pixelSize ClientExtent() const = 0;

    void UpdateView(const textMeasurer& measurer);
    void MakeLabelRoom(const textMeasurer& measurer, viewRange& range, bool forX, bool forY);
    labelRoom LabelRoom(const textMeasurer& measurer, bool scaleCorrection) const;
    pixelRoom LabelPixels(const textMeasurer& measurer) const;
    void EqualiseScales(viewRange& range) const;

    // "%.5g" of the value; on a trig-scale axis followed by the pi sign ("1" is the pi sign
    // alone, "-1" a minus and the pi sign, "0" stays "0").
    static std::string FormatTickLabel(double value, bool trigScale);
    // The text painting writes at a major tick of one axis, the index-th labelled tick in tick
    // order: the index-th custom text while custom labels are in use (none once the list is
    // used up), else the number. False when the tick gets no label.
    bool TickLabelAt(bool xAxis, std::size_t index, double tick, std::string& text) const;
    // Whether the number at this tick is left out because the other, visible axis crosses there.
    bool LeftOutAtCrossing(bool xAxis, double tick) const;
    // Whether one axis has a tick here: anywhere, unless the axes are drawn from their crossing;
    // then past the crossing, up to where the arrowhead begins.
    bool OnAxis(bool xAxis, double tick) const;
    // Whether the tick label of this extent at this tick keeps LABEL_GAP pixels clear of the
    // other axis: always, unless the axes are drawn from their crossing.
    bool ClearOfCrossing(bool xAxis, double tick, const textExtent& extent) const;
    // Widest and tallest tick label of one axis, taken separately; none counts 0.
    textExtent LargestTickLabel(const textMeasurer& measurer, bool xAxis) const;

    // How many major ticks fit each axis with their labels apart, at the current view.
    int TickRoom(const textMeasurer& measurer, bool xAxis) const;

private:
    void FitView(const textMeasurer& measurer);
    void FitFromCrossing(const textMeasurer& measurer);
    std::vector<std::string> TickLabelTexts(bool xAxis) const;
};
