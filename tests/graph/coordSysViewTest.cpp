#include "graph/coordSysView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double PI = coordSysSettings::PI;

class fakeView : public coordSysView {
public:
    fakeView(int width, int height) : client{width, height} {}
    pixelSize client;

protected:
    pixelSize ClientExtent() const override { return client; }
};

// Half the point size per byte wide, the point size high.
class fakeMeasurer : public textMeasurer {
public:
    textExtent Extent(const std::string& text, int pointSize, bool) const override
    {
        return {static_cast<int>(text.size()) * pointSize / 2, pointSize};
    }
};

const fakeMeasurer measurer;

// The label room of one edge turned back into pixels with the current mapping.
double XPixels(const fakeView& v, double room)
{
    return room * v.client.width / (v.GetXAxis().GetMax() - v.GetXAxis().GetMin());
}

double YPixels(const fakeView& v, double room)
{
    return room * v.client.height / (v.GetYAxis().GetMax() - v.GetYAxis().GetMin());
}

} // namespace

TEST(coordSysView, MappingFillsTheClientWithoutMargin)
{
    const fakeView v(200, 100);
    EXPECT_EQ(v.XToPixel(0), 100);
    EXPECT_EQ(v.YToPixel(0), 50);
    EXPECT_EQ(v.XToPixel(-5), 0);
    EXPECT_EQ(v.YToPixel(5), 0);
    EXPECT_EQ(v.YToPixel(-5), 100);
    EXPECT_EQ(v.PixelToX(200), 5);
    EXPECT_EQ(v.PixelToY(100), -5);
    EXPECT_EQ(v.PointToPixel(2.5, -2.5).x, 150);
    EXPECT_EQ(v.PointToPixel(2.5, -2.5).y, 75);
    EXPECT_EQ(v.PixelToPoint(50, 25).x, -2.5);
    EXPECT_EQ(v.PixelToPoint(50, 25).y, 2.5);
    EXPECT_EQ(v.XPixelSpan(-1), 20);
    EXPECT_EQ(v.YPixelSpan(2), 20);
    EXPECT_EQ(v.XWorldSpan(40), 2);
    EXPECT_EQ(v.YWorldSpan(-10), 1);
}

TEST(coordSysView, PixelsAreClampedAndTruncatedTowardZero)
{
    fakeView v(200, 100);
    EXPECT_EQ(v.XToPixel(1e9), 10000);
    EXPECT_EQ(v.XToPixel(-1e9), -10000);
    EXPECT_EQ(v.YToPixel(-1e9), 10000);
    v.GetXAxis().SetRange(0, 200); // one pixel per unit
    EXPECT_EQ(v.XToPixel(12.9), 12);
    EXPECT_EQ(v.XToPixel(-12.9), -12);
}

TEST(coordSysView, NonFiniteWorldValuesMapToDefinedPixels)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const fakeView v(200, 100);
    EXPECT_EQ(v.XToPixel(inf), 10000);
    EXPECT_EQ(v.XToPixel(-inf), -10000);
    EXPECT_EQ(v.YToPixel(inf), -10000);
    // Not a number lies nowhere on the axis: far outside the window, on the negative side.
    EXPECT_EQ(v.XToPixel(nan), -10000);
    EXPECT_EQ(v.YToPixel(nan), -10000);
}

TEST(coordSysView, TrigScaleCountsTheAxisInMultiplesOfPi)
{
    fakeView v(200, 100);
    v.xTrigScale = true;
    v.GetXAxis().SetRange(-2, 2);
    EXPECT_EQ(v.XToPixel(PI), 150);
    EXPECT_DOUBLE_EQ(v.PixelToX(200), 2 * PI);
    v.yTrigScale = true;
    EXPECT_EQ(v.YToPixel(-2.5 * PI), 75);
}

TEST(coordSysView, EmptyClientAreaDividesByNothing)
{
    for (const pixelSize size : {pixelSize{0, 0}, pixelSize{0, 100}, pixelSize{200, 0}}) {
        fakeView v(size.width, size.height);
        EXPECT_TRUE(std::isfinite(v.PixelToX(10)));
        EXPECT_TRUE(std::isfinite(v.PixelToY(10)));
        const labelRoom room = v.LabelRoom(measurer, true);
        EXPECT_TRUE(std::isfinite(room.left + room.right + room.top + room.bottom));

        v.equalScaling = true;
        v.SetXMin(2);
        v.SetYMax(8);
        v.UpdateView(measurer);
        for (const coordAxis* axis : {&v.GetXAxis(), &v.GetYAxis()}) {
            EXPECT_TRUE(std::isfinite(axis->GetMin()) && std::isfinite(axis->GetMax()));
            EXPECT_LT(axis->GetMin(), axis->GetMax());
        }
    }
    // With no pixels there is neither label room nor a shape to match: the request stands.
    fakeView v(0, 0);
    v.equalScaling = true;
    v.SetXMin(2);
    v.SetYMax(8);
    v.UpdateView(measurer);
    EXPECT_EQ(v.GetViewXMin(), 2);
    EXPECT_EQ(v.GetViewXMax(), 5);
    EXPECT_EQ(v.GetViewYMin(), -5);
    EXPECT_EQ(v.GetViewYMax(), 8);
}

TEST(coordSysView, EqualScalingWidensTheShorterSide)
{
    fakeView wide(400, 200);
    viewRange range{-5, 5, -5, 5};
    wide.EqualiseScales(range);
    EXPECT_EQ(range.xmin, -10);
    EXPECT_EQ(range.xmax, 10);
    EXPECT_EQ(range.ymin, -5);
    EXPECT_EQ(range.ymax, 5);

    wide.equalScaling = true;
    wide.UpdateView(measurer);
    EXPECT_EQ(wide.GetViewXMin(), -10);
    EXPECT_EQ(wide.GetViewXMax(), 10);
    EXPECT_EQ(wide.GetViewYMin(), -5);
    EXPECT_EQ(wide.GetViewYMax(), 5);

    fakeView tall(200, 400);
    range = {-5, 5, -5, 5};
    tall.EqualiseScales(range);
    EXPECT_EQ(range.xmax, 5);
    EXPECT_EQ(range.ymin, -10);
    EXPECT_EQ(range.ymax, 10);
}

TEST(coordSysView, EqualScalingMeasuresTrigAxesInWorldUnits)
{
    fakeView v(400, 200);
    v.xTrigScale = true;
    viewRange range{-1, 1, -5, 5};
    v.EqualiseScales(range);
    EXPECT_DOUBLE_EQ(range.xmax * PI, 10);
    EXPECT_DOUBLE_EQ(range.xmin * PI, -10);
    EXPECT_EQ(range.ymax, 5);
}

TEST(coordSysView, OriginAlwaysViewableLeavesLabelRoomBelowAndLeftOfIt)
{
    fakeView v(400, 300);
    v.originAlwaysViewable = true;
    v.SetXMin(2);
    v.SetXMax(8);
    v.SetYMin(2);
    v.SetYMax(8);
    v.UpdateView(measurer);
    EXPECT_LT(v.GetViewXMin(), 0);
    EXPECT_LT(v.GetViewYMin(), 0);
    EXPECT_EQ(v.GetViewXMax(), 8);
    EXPECT_EQ(v.GetViewYMax(), 8);
    // Left: the widest y tick label (one digit, 6 pixels) plus 20. Below: the x tick label
    // height (12) plus 15. The widening is sized so those pixels are what the labels get.
    EXPECT_NEAR(v.XToPixel(0), 6 + 20, 1);
    EXPECT_NEAR(v.YToPixel(0), 300 - (12 + 15), 1);
}

TEST(coordSysView, LabelRoomIsMadeOnlyForAnAxisAtTheEdgeOfTheView)
{
    fakeView v(400, 300);
    v.SetXMin(0);
    v.SetXMax(10);
    v.UpdateView(measurer);
    EXPECT_LT(v.GetViewXMin(), 0);
    EXPECT_EQ(v.GetViewXMax(), 10);
    EXPECT_EQ(v.GetViewYMin(), -5);
    EXPECT_EQ(v.GetViewYMax(), 5);

    v.SetXMin(3);
    v.UpdateView(measurer);
    EXPECT_EQ(v.GetViewXMin(), 3);
}

TEST(coordSysView, LabelRoomFollowsTheLabelSides)
{
    fakeView v(200, 100);
    // y tick labels 1..4, -1..-4 (the 0 is left out where the x axis crosses): "-1" is 12 wide.
    labelRoom room = v.LabelRoom(measurer, false);
    EXPECT_NEAR(XPixels(v, room.left), 12 + 20, 1e-9);
    EXPECT_NEAR(XPixels(v, room.right), 20 + 7, 1e-9); // the italic "y" at 14 points
    EXPECT_NEAR(YPixels(v, room.top), 15 + 14, 1e-9);  // the x axis label sits above
    EXPECT_NEAR(YPixels(v, room.bottom), 12 + 15, 1e-9);

    v.SetYTickLabelPosition(coordSysSettings::RIGHT);
    v.SetXTickLabelPosition(coordSysSettings::ABOVE);
    room = v.LabelRoom(measurer, false);
    EXPECT_NEAR(XPixels(v, room.left), 20, 1e-9);
    EXPECT_NEAR(XPixels(v, room.right), 12 + 20 + 7 + 5, 1e-9);
    EXPECT_NEAR(YPixels(v, room.top), 12 + 15 + 14 + 5, 1e-9);
    EXPECT_NEAR(YPixels(v, room.bottom), 15, 1e-9);
}

TEST(coordSysView, LabelRoomMeasuresTheLabelsPaintingWrites)
{
    fakeView v(200, 100);
    v.SetCustomYTickLabels({"a", "wide label"});
    EXPECT_NEAR(XPixels(v, v.LabelRoom(measurer, false).left), 60 + 20, 1e-9);
    v.SetCustomYTickLabels({});
    EXPECT_NEAR(XPixels(v, v.LabelRoom(measurer, false).left), 20, 1e-9);
    v.ClearCustomYTickLabels();

    // Ticks 6..10: the "10" where the x axis crosses is not written, unless that axis is hidden.
    v.GetYAxis().SetTickUnit(1);
    v.GetYAxis().SetRange(5, 11);
    v.axisIntersection = {0, 10};
    EXPECT_NEAR(XPixels(v, v.LabelRoom(measurer, false).left), 6 + 20, 1e-9);
    v.SetAxesStyle(coordSysSettings::Y_AXIS);
    EXPECT_NEAR(XPixels(v, v.LabelRoom(measurer, false).left), 12 + 20, 1e-9);

    // Trig labels carry the pi sign ("-0.5" and its two bytes: 36 pixels); the room is in
    // axis units, that is in multiples of pi.
    v.SetAxesStyle(3);
    v.yTrigScale = true;
    v.GetYAxis().SetTickUnit(0.5);
    v.GetYAxis().SetRange(-1, 1);
    const labelRoom room = v.LabelRoom(measurer, false);
    EXPECT_NEAR(YPixels(v, room.top), 15 + 14, 1e-9);
    EXPECT_NEAR(XPixels(v, room.left), 6 * 6 + 20, 1e-9);
}

TEST(coordSysView, ScaleCorrectionAllowsForTheWidening)
{
    fakeView v(200, 100);
    const labelRoom plain = v.LabelRoom(measurer, false);
    const labelRoom corrected = v.LabelRoom(measurer, true);
    EXPECT_DOUBLE_EQ(corrected.left, plain.left * 200 / (200 - 32));
    EXPECT_DOUBLE_EQ(corrected.bottom, plain.bottom * 100 / (100 - 27));

    // A client narrower than the room cannot hold it: the room stays as measured rather than
    // turning negative.
    v.client = {30, 20};
    const labelRoom narrow = v.LabelRoom(measurer, true);
    EXPECT_DOUBLE_EQ(narrow.left, v.LabelRoom(measurer, false).left);
    EXPECT_GT(narrow.left, 0);
    EXPECT_GT(narrow.bottom, 0);
}

TEST(coordSysView, TickLabelTexts)
{
    EXPECT_EQ(coordSysView::FormatTickLabel(0.5, false), "0.5");
    EXPECT_EQ(coordSysView::FormatTickLabel(123456, false), "1.2346e+05");
    EXPECT_EQ(coordSysView::FormatTickLabel(0.5, true), "0.5\u03c0");
    EXPECT_EQ(coordSysView::FormatTickLabel(1, true), "\u03c0");
    EXPECT_EQ(coordSysView::FormatTickLabel(-1, true), "-\u03c0");
    EXPECT_EQ(coordSysView::FormatTickLabel(0, true), "0");
    EXPECT_EQ(coordSysView::FormatTickLabel(2, true), "2\u03c0");
}
