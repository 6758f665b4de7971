#include "graph/window/coordSys.h"

#include "graphWindowFixture.h"

#include <set>

namespace {

const wxColour GRID(204, 204, 204);

// A 200 x 200 graph showing -5..5 on both axes: 20 pixels a unit, the origin at (100, 100).
class axesPicture : public graphWindowFixture {
protected:
    void SetUp() override
    {
        graphWindowFixture::SetUp();
        graph = new coordSys(parent, wxID_ANY, wxDefaultPosition, wxSize(200, 200));
    }

    std::set<int> TickPixels(bool xAxis)
    {
        std::vector<double> ticks;
        (xAxis ? graph->GetXAxis() : graph->GetYAxis())
            .TickPositions(ticks, coordAxis::MAJOR_TICKS);
        std::set<int> pixels;
        for (double t : ticks)
            pixels.insert(xAxis ? graph->XToPixel(t) : graph->YToPixel(t));
        return pixels;
    }

    // Whether anything black lies within the box of pixels.
    static bool BlackIn(const wxImage& image, const wxRect& box)
    {
        for (int y = box.GetTop(); y <= box.GetBottom(); ++y)
            for (int x = box.GetLeft(); x <= box.GetRight(); ++x)
                if (Pixel(image, x, y) == *wxBLACK)
                    return true;
        return false;
    }

    coordSys* graph = nullptr;
};

} // namespace

TEST_F(axesPicture, GridLinesLieOnTheMajorTicksOfTheirStyleOnly)
{
    const struct {
        int style;
        bool rows;
        bool columns;
    } cases[] = {
        {coordSysSettings::NO_GRID, false, false},
        {coordSysSettings::HORIZONTAL_GRID, true, false},
        {coordSysSettings::VERTICAL_GRID, false, true},
        {coordSysSettings::RECTANGULAR_GRID, true, true},
    };
    const std::set<int> rows = TickPixels(false);
    const std::set<int> columns = TickPixels(true);
    for (const auto& c : cases) {
        graph->gridStyle = c.style;
        const wxImage image = Picture(*graph, [this](wxDC& dc) { graph->DrawGrid(dc); });
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                const bool onGrid = (c.rows && rows.count(y)) || (c.columns && columns.count(x));
                ASSERT_EQ(Pixel(image, x, y) == GRID, onGrid) << c.style << ": " << x << "," << y;
            }
    }
}

TEST_F(axesPicture, PolarGridRingsPassThroughTheTicksOfBothAxes)
{
    graph->gridStyle = coordSysSettings::POLAR_GRID;
    graph->GetYAxis().SetRange(-2.5, 2.5); // y units twice as long: ellipses twice as tall
    const wxImage image = Picture(*graph, [this](wxDC& dc) { graph->DrawGrid(dc); });
    EXPECT_EQ(Pixel(image, 100, 100), GRID); // the ring of radius 0 is a dot
    for (int radius : {1, 2, 4})
        for (const wxPoint p : {wxPoint(100 + 20 * radius, 100), wxPoint(100 - 20 * radius, 100),
                                wxPoint(100, 100 - 40 * radius), wxPoint(100, 100 + 40 * radius)})
            if (p.y >= 0 && p.y < 200) {
                EXPECT_EQ(Pixel(image, p.x, p.y), GRID) << radius << ": " << p.x << "," << p.y;
            }
    EXPECT_NE(Pixel(image, 150, 100), GRID); // between the rings
}

TEST_F(axesPicture, OriginCircleOnlyWhereBothAxesCrossAtAVisibleOrigin)
{
    const struct {
        const char* name;
        int axesStyle;
        worldPoint crossing;
        double xmin;
        bool circle;
    } cases[] = {
        {"both axes at the origin", 3, {0, 0}, -5, true},
        {"y axis hidden", 1, {0, 0}, -5, false},
        {"crossing at (1, 0)", 3, {1, 0}, -5, false},
        {"origin out of view", 3, {0, 0}, 2, false},
    };
    for (const auto& c : cases) {
        graph->SetAxesStyle(c.axesStyle);
        graph->axisIntersection = c.crossing;
        graph->GetXAxis().SetRange(c.xmin, c.xmin + 10);
        const wxImage image = Picture(*graph, [this](wxDC& dc) { graph->DrawAxes(dc); });
        // Where a circle round the drawn crossing would pass at 45 degrees, clear of ticks and
        // labels. A vertical axis out of view is drawn at the left label room.
        const int unpinned = graph->XToPixel(c.crossing.x);
        const int col =
            unpinned >= 0 ? unpinned
                          : graph->XPixelSpan(graph->LabelRoom(graph->LabelMeasurer(), false).left);
        const int row = graph->YToPixel(c.crossing.y);
        EXPECT_EQ(BlackIn(image, wxRect(col + 3, row - 7, 4, 4)), c.circle) << c.name;
    }
}

TEST_F(axesPicture, AxisCrossingOutsideTheViewIsPinnedAboveTheBottomLabelRoom)
{
    graph->axisIntersection = {0, 100};
    graph->SetAxesStyle(coordSysSettings::X_AXIS);
    const wxImage image = Picture(*graph, [this](wxDC& dc) { graph->DrawAxes(dc); });
    const labelRoom room = graph->LabelRoom(graph->LabelMeasurer(), false);
    const int row = 200 - graph->YPixelSpan(room.bottom);
    EXPECT_GT(room.bottom, 0);
    for (int x = 30; x < 170; x += 7)
        ASSERT_EQ(Pixel(image, x, row), *wxBLACK) << x;
    EXPECT_FALSE(BlackIn(image, wxRect(30, 0, 140, row - 10)));
}
