#include "graph/model/coordSysView.h"
#include "graph/loader/coordSysSettingsLoader.h"

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
} const measurer;

} // namespace

TEST(coordSysView, MappingFillsTheClientWithoutMargin)
{
    const fakeView v(200, 100);
    EXPECT_EQ(v.XToPixel(0), 100);
    EXPECT_EQ(v.YToPixel(0), 50);
    EXPECT_EQ(v.XToPixel(-5), 0);
    EXPECT_EQ(v.YToPixel(5), 0);
    EXPECT_EQ(v.PixelToX(200), 5);
    EXPECT_EQ(v.PixelToPoint(50, 25).y, 2.5);
    EXPECT_EQ(v.XPixelSpan(-1), 20);
    EXPECT_EQ(v.YWorldSpan(-10), 1);
}

TEST(coordSysView, MappingClampsTruncatesScalesByPiAndDefinesNonFiniteValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    fakeView v(200, 100);
    EXPECT_EQ(v.XToPixel(1e9), 10000);
    EXPECT_EQ(v.XToPixel(-1e9), -10000);
    EXPECT_EQ(v.YToPixel(inf), -10000);
    // Not a number lies nowhere on the axis: far outside the window, on the negative side.
    EXPECT_EQ(v.PointToPixel(NAN, NAN).x, -10000);
    EXPECT_EQ(v.PointToPixel(NAN, NAN).y, -10000);
    v.GetXAxis().SetRange(0, 200); // one pixel per unit
    EXPECT_EQ(v.XToPixel(12.9), 12);
    EXPECT_EQ(v.XToPixel(-12.9), -12);
    v.xTrigScale = true;
    v.GetXAxis().SetRange(-2, 2);
    EXPECT_EQ(v.XToPixel(PI), 150);
}

TEST(coordSysView, EmptyClientAreaDividesByNothingAndLeavesTheRequestStanding)
{
    for (const pixelSize size : {pixelSize{0, 0}, pixelSize{0, 100}, pixelSize{200, 0}}) {
        fakeView v(size.width, size.height);
        v.equalScaling = true;
        v.SetXMin(2);
        v.SetYMax(8);
        v.UpdateView(measurer);
        EXPECT_TRUE(std::isfinite(v.PixelToX(10) + v.PixelToY(10)));
        for (const coordAxis* axis : {&v.GetXAxis(), &v.GetYAxis()})
            EXPECT_TRUE(std::isfinite(axis->GetMin()) && std::isfinite(axis->GetMax()));
        if (size.height == 0) { // no rows to measure labels in, no shape to match
            EXPECT_EQ(v.GetViewXMin(), 2);
            EXPECT_EQ(v.GetViewYMax(), 8);
        }
    }
}

TEST(coordSysView, EqualScalingWidensTheShorterSideInWorldUnits)
{
    fakeView v(400, 200);
    v.equalScaling = true;
    v.UpdateView(measurer); // no label room needed: both axes cross mid-view
    EXPECT_EQ(v.GetViewXMin(), -10);
    EXPECT_EQ(v.GetViewXMax(), 10);
    EXPECT_EQ(v.GetViewYMin(), -5);
    EXPECT_EQ(v.GetViewYMax(), 5);

    v.client = {200, 400}; // half as wide as high
    v.xTrigScale = true;
    viewRange range{-1, 1, -10, 10}; // 2 pi wide, 20 high: x widens to 10 world units
    v.EqualiseScales(range);
    EXPECT_DOUBLE_EQ(range.xmax * PI, 5);
    EXPECT_EQ(range.ymax, 10);
    range = {-5, 5, -1, 1}; // 10 pi wide: y widens to 20 pi
    v.EqualiseScales(range);
    EXPECT_DOUBLE_EQ(range.ymax, 10 * PI);
}

TEST(coordSysView, EqualScalingMakesRoomForTheAxisItBringsIntoView)
{
    // On 454 x 227 pixels equal scales show twice as many units across as up. 2..12 and 1..3 lie
    // off the crossing at the origin: no room at first; y widens to 10 / 2 = 5 units, -0.5..4.5,
    // and now holds the crossing's y but not its x. Kept viewable, the x axis gets 27 rows below
    // it (12 for its tick labels, 15 more): b / (5 + b) = 27 / 227, b = 0.675; y -0.675..4.5 is
    // 5.175 high, so x widens by 2 * 5.175 - 10 = 0.35 to 1.825..12.175. Otherwise the equalised
    // ranges stand, with 0.5 / 5 * 227 = 22.7 rows below the x axis, short of its 27.
    const struct {
        bool axesAlwaysViewable;
        double shown[4];
    } cases[] = {
        {true, {1.825, 12.175, -0.675, 4.5}},
        {false, {2, 12, -0.5, 4.5}},
    };
    for (const auto& c : cases) {
        fakeView v(454, 227);
        v.equalScaling = true;
        v.axesAlwaysViewable = c.axesAlwaysViewable;
        v.SetXMin(2);
        v.SetXMax(12);
        v.SetYMin(1);
        v.SetYMax(3);
        v.UpdateView(measurer);
        const double shown[] = {v.GetViewXMin(), v.GetViewXMax(), v.GetViewYMin(), v.GetViewYMax()};
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(shown[i], c.shown[i], 1e-9) << c.axesAlwaysViewable << " " << i;
    }
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
    EXPECT_EQ(v.GetViewXMax(), 8);
    EXPECT_EQ(v.GetViewYMax(), 8);
    // Left: the widest y tick label (one digit, 6 pixels) plus 20. Below: the x tick label
    // height (12) plus 15. The widening is sized so the labels get exactly those pixels.
    EXPECT_NEAR(v.XToPixel(0), 6 + 20, 1);
    EXPECT_NEAR(v.YToPixel(0), 300 - (12 + 15), 1);
}

TEST(coordSysView, OriginAlwaysViewableExtendsARangeBelowZeroUpToTheCrossing)
{
    fakeView v(400, 300);
    v.originAlwaysViewable = true;
    v.SetYMin(-8);
    v.SetYMax(-2);
    v.UpdateView(measurer);
    // -8..0, then 29 pixels above the crossing for the x axis label: 29 * 8 / (300 - 29).
    EXPECT_EQ(v.GetViewYMin(), -8);
    EXPECT_DOUBLE_EQ(v.GetViewYMax(), 0.8560885608856088);
    EXPECT_NEAR(v.YToPixel(0), 29, 1);
    EXPECT_EQ(v.GetViewXMin(), -5);
    EXPECT_EQ(v.GetViewXMax(), 5);
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
    v.SetXMin(3);
    v.UpdateView(measurer);
    EXPECT_EQ(v.GetViewXMin(), 3);
}

TEST(coordSysView, LabelRoomFollowsTheLabelSides)
{
    // 200 x 100 pixels for -5..5 each way: a pixel is 0.05 across and 0.1 up.
    fakeView v(200, 100);
    // y tick labels 1..4, -1..-4 (no 0 where the x axis crosses): "-1" is 12 wide.
    labelRoom room = v.LabelRoom(measurer, false);
    EXPECT_DOUBLE_EQ(room.left, 1.6);   // 12 + 20 pixels
    EXPECT_DOUBLE_EQ(room.right, 1.35); // 20 + 7: the italic "y" at 14 points
    EXPECT_DOUBLE_EQ(room.top, 2.9);    // 15 + 14: the x axis label sits above
    EXPECT_DOUBLE_EQ(room.bottom, 2.7); // 12 + 15

    v.SetYTickLabelPosition(coordSysSettings::RIGHT);
    v.SetXTickLabelPosition(coordSysSettings::ABOVE);
    room = v.LabelRoom(measurer, false);
    EXPECT_DOUBLE_EQ(room.left, 1);     // 20
    EXPECT_DOUBLE_EQ(room.right, 2.2);  // 12 + 20 + 7 + 5
    EXPECT_DOUBLE_EQ(room.top, 4.6);    // 12 + 15 + 14 + 5
    EXPECT_DOUBLE_EQ(room.bottom, 1.5); // 15
}

TEST(coordSysView, LabelRoomMeasuresTheLabelsPaintingWrites)
{
    fakeView v(200, 100);
    v.SetCustomYTickLabels({"a", "wide label"});
    EXPECT_DOUBLE_EQ(v.LabelRoom(measurer, false).left, 4); // 60 + 20 pixels of 0.05
    v.ClearCustomYTickLabels();

    // Ticks 6..10: the "10" where the x axis crosses is not written, unless that axis is hidden.
    v.GetYAxis().SetTickUnit(1);
    v.GetYAxis().SetRange(5, 11);
    v.axisIntersection = {0, 10};
    EXPECT_DOUBLE_EQ(v.LabelRoom(measurer, false).left, 1.3); // 6 + 20
    v.SetAxesStyle(coordSysSettings::Y_AXIS);
    EXPECT_DOUBLE_EQ(v.LabelRoom(measurer, false).left, 1.6); // 12 + 20

    // "-0.5" and the two bytes of the pi sign: 36 pixels. The room is in multiples of pi: a
    // pixel up is 0.02 of them on -1..1.
    v.yTrigScale = true;
    v.GetYAxis().SetTickUnit(0.5);
    v.GetYAxis().SetRange(-1, 1);
    const labelRoom room = v.LabelRoom(measurer, false);
    EXPECT_DOUBLE_EQ(room.top, 0.58); // 15 + 14
    EXPECT_DOUBLE_EQ(room.left, 2.8); // 36 + 20
}

TEST(coordSysView, ScaleCorrectionAllowsForTheWideningButNeverTurnsNegative)
{
    // The 32 pixels left of the y axis are 1.6 units of -5..5 on 200 pixels. Widened by 40/21
    // units instead, to a range of 250/21, they are 32 pixels again.
    fakeView v(200, 100);
    EXPECT_DOUBLE_EQ(v.LabelRoom(measurer, true).left, 1.9047619047619047);
    v.GetXAxis().SetRange(-5 - 1.9047619047619047, 5);
    EXPECT_EQ(v.XToPixel(-5), 32);
    v.GetXAxis().SetRange(-5, 5);
    // A client as wide as the room or narrower cannot hold it: the room stays as measured.
    // 32 of 32 pixels are the whole 10 units; 32 of 30 pixels 10.67, and 27 of 20 rows 13.5.
    v.client = {32, 20};
    EXPECT_EQ(v.LabelRoom(measurer, true).left, 10);
    v.client = {30, 20};
    EXPECT_DOUBLE_EQ(v.LabelRoom(measurer, true).left, 10.666666666666666);
    EXPECT_DOUBLE_EQ(v.LabelRoom(measurer, true).bottom, 13.5);
}

// As on the Theory page for 100 dice: sums 293..407 from a crossing at 292, shares up to 2.7, on
// a small graph.
TEST(coordSysView, AxesFromTheirCrossingHaveNothingBeforeItOrUnderAnArrowhead)
{
    fakeView v(120, 100);
    v.axesFromCrossing = true;
    v.SetXMin(292);
    v.SetXMax(407);
    v.SetYMin(0);
    v.SetYMax(2.7);
    v.axisIntersection = {292, 0};
    v.UpdateView(measurer);
    const int gap = coordSysView::ARROW_LENGTH + coordSysView::LABEL_GAP;
    EXPECT_LE(v.XToPixel(407), 120 - gap);
    EXPECT_GE(v.YToPixel(2.7), gap);
    const int axisColumn = v.XToPixel(292), axisRow = v.YToPixel(0);

    const textExtent label{18, 12};
    EXPECT_FALSE(v.OnAxis(true, 292) || v.OnAxis(false, 0)) << "at the crossing";
    EXPECT_FALSE(v.OnAxis(true, v.PixelToX(axisColumn - 1)));
    EXPECT_FALSE(v.OnAxis(true, v.PixelToX(120 - 10))) << "under the arrowhead";
    EXPECT_FALSE(v.OnAxis(false, v.PixelToY(axisRow + 2)));
    EXPECT_FALSE(v.OnAxis(false, v.PixelToY(10))) << "under the arrowhead";
    EXPECT_TRUE(v.OnAxis(true, 350) && v.OnAxis(false, 1));
    EXPECT_FALSE(v.ClearOfCrossing(true, v.PixelToX(axisColumn + 10), label));
    EXPECT_TRUE(v.ClearOfCrossing(true, v.PixelToX(axisColumn + 14), label));
    EXPECT_FALSE(v.ClearOfCrossing(false, v.PixelToY(axisRow - 7), label));
    EXPECT_TRUE(v.ClearOfCrossing(false, v.PixelToY(axisRow - 11), label));

    v.axesFromCrossing = false;
    EXPECT_TRUE(v.OnAxis(true, 0) && v.ClearOfCrossing(true, 292, label));
}

TEST(coordSysView, TickLabelTexts)
{
    const struct {
        double value;
        const char* plain;
        const char* trig;
    } cases[] = {
        {1, "1", "\u03c0"},
        {-1, "-1", "-\u03c0"},
        {0, "0", "0"},
        {0.5, "0.5", "0.5\u03c0"},
        {2, "2", "2\u03c0"},
        {-1.5, "-1.5", "-1.5\u03c0"},
        {123456, "1.2346e+05", "1.2346e+05\u03c0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(coordSysView::FormatTickLabel(c.value, false), c.plain) << c.value;
        EXPECT_EQ(coordSysView::FormatTickLabel(c.value, true), c.trig) << c.value;
    }
}

TEST(coordSysView, TickLabelsLeftOutAtTheCrossingOfAVisibleAxis)
{
    const struct {
        worldPoint crossing;
        int axesStyle;
        double tick;
        bool labelled;
    } cases[] = {
        {{0, 0}, 3, 0, false}, {{0, 0}, 3, 1, true}, {{0, 0}, 1, 0, true},
        {{1, 0}, 3, 1, false}, {{1, 0}, 3, 0, true}, {{1.000001, 0}, 3, 1, false},
    };
    for (const auto& c : cases) {
        fakeView v(200, 100);
        v.axisIntersection = c.crossing;
        v.SetAxesStyle(c.axesStyle);
        std::string text;
        EXPECT_EQ(v.TickLabelAt(true, 0, c.tick, text), c.labelled)
            << c.crossing.x << " " << c.tick;
        // The y axis checks where the x axis crosses it, and that one is always visible here.
        EXPECT_EQ(v.TickLabelAt(false, 0, c.tick, text), c.tick != c.crossing.y);
    }
}

TEST(coordSysView, CustomTickLabelsGoToTheTicksInOrderUntilTheyRunOut)
{
    fakeView v(200, 100);
    v.SetCustomXTickLabels({"a", "b"});
    std::string text;
    ASSERT_TRUE(v.TickLabelAt(true, 0, 0, text)); // the crossing takes its custom label
    EXPECT_EQ(text, "a");
    ASSERT_TRUE(v.TickLabelAt(true, 1, 1, text));
    EXPECT_EQ(text, "b");
    EXPECT_FALSE(v.TickLabelAt(true, 2, 2, text));
    v.xTrigScale = true;
    v.ClearCustomXTickLabels();
    ASSERT_TRUE(v.TickLabelAt(true, 2, 2, text));
    EXPECT_EQ(text, "2\u03c0");
}

TEST(coordSysView, LoadedTinyTickUnitGivesTicksAcrossTheShownRange)
{
    fakeView v(400, 300);
    ASSERT_TRUE(coordSysSettingsLoader(v).LoadSettings(
        "<gridProperties><ymin>-1</ymin><ymax>1</ymax><yTickUnit>1e-16</yTickUnit>"
        "</gridProperties>"));
    v.UpdateView(measurer);
    std::vector<double> ticks;
    ASSERT_EQ(v.GetYAxis().TickPositions(ticks, coordAxis::MAJOR_TICKS), 2001);
    EXPECT_NEAR(ticks[1000], 0.9995, 1e-6);
    EXPECT_NEAR(ticks[2000], -0.9995, 1e-6);
}

// The Theory graph's x range for 100 dice at each zoom: the tick labels, grown with the zoom,
// never come closer than their own height, the unit stays a 1-2-5 one, and at the line scale the
// arrowheads and the label gap grow too, so nothing lies under an arrowhead at any zoom.
TEST(coordSysView, TicksKeepTheirLabelsApartAtEveryZoom)
{
    for (const double zoom : {1.0, 1.5, 2.0, 2.5, 3.0}) {
        fakeView v(400, 200);
        v.axesFromCrossing = true;
        v.ticksKeepLabelsApart = true;
        v.SetFontSize(static_cast<int>(8 * zoom));
        v.SetLineScale(zoom);
        v.SetXMin(292);
        v.SetXMax(407);
        v.SetYMax(2.7);
        v.axisIntersection = {292, 0};
        v.UpdateView(measurer);
        const textExtent label = v.LargestTickLabel(measurer, true);
        const double unit = v.GetXTickUnit();
        EXPECT_GE(v.XPixelSpan(unit), label.width + label.height) << zoom;
        EXPECT_GE(v.YPixelSpan(v.GetYTickUnit()),
                  v.LargestTickLabel(measurer, false).height * 3 / 2)
            << zoom;
        const double mantissa = unit / std::pow(10, std::floor(std::log10(unit)));
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                    std::fabs(mantissa - 5) < 1e-9)
            << unit;
        const int gap = v.ScaledLine(coordSysView::ARROW_LENGTH + coordSysView::LABEL_GAP);
        // (Pixels are whole: the top of the range may come to lie a pixel nearer the end.)
        EXPECT_LE(v.XToPixel(407), 400 - gap) << zoom;
        EXPECT_GE(v.YToPixel(2.7), gap - 1) << zoom;
        EXPECT_FALSE(
            v.OnAxis(true, v.PixelToX(400 - v.ScaledLine(coordSysView::ARROW_LENGTH) / 2)));
    }
    // Without the setting the unit is the usual one of ten ticks at most, labels or not.
    fakeView usual(400, 200);
    usual.SetFontSize(24);
    usual.SetXMin(292);
    usual.SetXMax(407);
    usual.UpdateView(measurer);
    EXPECT_LE(usual.GetXTickUnit(), 20);
}

// The label room's fixed parts grow with the line scale: a zoomed graph is the usual one, larger
// (the axis labels, two points larger than the tick labels at any zoom, aside).
TEST(coordSysView, LabelRoomGrowsWithTheLineScale)
{
    fakeView usual(300, 200), zoomed(900, 600);
    usual.SetFontSize(8);
    zoomed.SetFontSize(24);
    zoomed.SetLineScale(3);
    const pixelRoom a = usual.LabelPixels(measurer), b = zoomed.LabelPixels(measurer);
    EXPECT_EQ(b.left, 3 * a.left);
    EXPECT_EQ(b.bottom, 3 * a.bottom);
}
