#include "graph/window/coordSys.h"

#include "graphWindowFixture.h"

namespace {

const graphColour RED = graphColour::Rgb(255, 0, 0);

wxColour ColourOf(const graphColour& c) { return wxColour(c.red, c.green, c.blue); }

// A 200 x 200 graph showing -5..5 on both axes: 20 pixels a unit, the origin at (100, 100).
class plotPicture : public graphWindowFixture {
protected:
    void SetUp() override
    {
        graphWindowFixture::SetUp();
        graph = new coordSys(parent, wxID_ANY, wxDefaultPosition, wxSize(200, 200));
    }

    // The smallest box holding every pixel that is not white.
    static wxRect DrawnBox(const wxImage& image)
    {
        wxRect box;
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < image.GetWidth(); ++x)
                if (Pixel(image, x, y) != *wxWHITE)
                    box = box.IsEmpty() ? wxRect(x, y, 1, 1) : box.Union(wxRect(x, y, 1, 1));
        return box;
    }

    coordSys* graph = nullptr;
};

} // namespace

TEST_F(plotPicture, ColumnsStandOnZeroOnePixelWiderAndTallerThanTheirExtent)
{
    const struct {
        int alignment;
        double y;
        graphColour pen;
        graphColour fill;
        wxRect box;
    } cases[] = {
        {dataSeries::CENTRE, 5, graphColour::Blue(), graphColour::Green(), {150, 0, 21, 101}},
        {dataSeries::LEFT_EDGE, 5, graphColour::Blue(), graphColour::Green(), {160, 0, 21, 101}},
        {dataSeries::RIGHT_EDGE, -2, graphColour::Blue(), graphColour::Green(), {140, 100, 21, 41}},
        {dataSeries::CENTRE, 5, graphColour::None(), graphColour::Green(), {150, 0, 21, 101}},
        {dataSeries::CENTRE, 5, graphColour::Rgb(0, 0, 0), graphColour::Green(), {150, 0, 21, 101}},
        {dataSeries::CENTRE, 5, graphColour::Blue(), graphColour::None(), {150, 0, 21, 101}},
    };
    for (const auto& c : cases) {
        dataSeries series;
        series.style = dataSeries::COLUMNS;
        series.penWidth = 1;
        series.columnAlignment = c.alignment;
        series.penColour = c.pen;
        series.fillColour = c.fill;
        series.runs = {{{3, c.y}}};
        const wxImage image = Picture(*graph, [&](wxDC& dc) { graph->DrawSeries(dc, series); });
        ASSERT_EQ(DrawnBox(image), c.box) << c.alignment << " " << c.y;
        const wxRect& b = c.box;
        const wxColour inside = c.fill.set ? ColourOf(c.fill) : *wxWHITE;
        const wxColour edge = c.pen.set ? ColourOf(c.pen) : inside;
        for (const wxPoint p : {b.GetTopLeft(), b.GetBottomRight(), wxPoint(b.x, b.y + 7),
                                wxPoint(b.GetRight(), b.y + 9), wxPoint(b.x + 5, b.GetBottom())})
            EXPECT_EQ(Pixel(image, p.x, p.y), edge) << c.alignment << ": " << p.x << "," << p.y;
        EXPECT_EQ(Pixel(image, b.x + 1, b.y + 1), inside) << c.alignment;
        EXPECT_EQ(Pixel(image, b.GetRight() - 1, b.GetBottom() - 1), inside) << c.alignment;
    }
}

TEST_F(plotPicture, LinesJoinThePointsOfARunAndDotsAreAsWideAsThePen)
{
    const struct {
        int style;
        int penWidth;
        pointRun run;
        wxRect box;
    } cases[] = {
        {dataSeries::LINES, 1, {{-2, 1}, {2, 1}}, {60, 80, 81, 1}},
        {dataSeries::LINES, 1, {{-2, 1}}, {}}, // a single point is no line
        {dataSeries::DOTS, 1, {{-2, 1}, {2, 1}}, {60, 80, 81, 1}},
        {dataSeries::DOTS, 2, {{1, -1}}, {119, 119, 2, 2}}, // an even pen centres on a corner
    };
    for (const auto& c : cases) {
        dataSeries series;
        series.style = c.style;
        series.penWidth = c.penWidth;
        series.runs = {c.run};
        const wxImage image = Picture(*graph, [&](wxDC& dc) { graph->DrawSeries(dc, series); });
        EXPECT_EQ(DrawnBox(image), c.box) << c.style << " " << c.penWidth;
        if (c.style == dataSeries::DOTS && c.penWidth == 1) {
            EXPECT_EQ(Pixel(image, 100, 80), *wxWHITE); // nothing between the dots
        }
    }
}

TEST_F(plotPicture, MarkedPointsShowAsMarkersOfTheirShapeAndColour)
{
    const struct {
        int shape;
        wxRect box;
    } cases[] = {
        {dataSeries::SQUARE, {56, 36, 9, 9}},
        {dataSeries::CIRCLE, {56, 36, 8, 8}},
        {dataSeries::DIAMOND, {56, 36, 9, 9}},
    };
    for (const auto& c : cases) {
        graph->ClearLabels();
        pointLabel label;
        label.x = -2;
        label.y = 3;
        label.markerShape = c.shape;
        label.colour = RED;
        graph->AddLabel(label);
        label.visible = false;
        label.x = 2;
        graph->AddLabel(label);
        const wxImage image = Picture(*graph, [this](wxDC& dc) { graph->DrawLabels(dc); });
        EXPECT_EQ(DrawnBox(image), c.box) << c.shape;
        EXPECT_EQ(Pixel(image, 60, 40), ColourOf(RED)) << c.shape;
    }
}
