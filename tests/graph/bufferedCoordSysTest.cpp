#include "graph/bufferedCoordSys.h"

#include "graphWindowFixture.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

namespace {

class bufferedCoordSysWindow : public graphWindowFixture {
protected:
    void SetUp() override
    {
        graphWindowFixture::SetUp();
        graph = new bufferedCoordSys(parent, 7, wxDefaultPosition, wxDefaultSize);
    }

    // What a paint of the window shows, copied onto a black 300 x 300 picture.
    wxImage Shown()
    {
        wxBitmap picture(300, 300, 24);
        {
            wxMemoryDC dc(picture);
            dc.SetBackground(*wxBLACK_BRUSH);
            dc.Clear();
            graph->BlitTo(dc);
        }
        return picture.ConvertToImage();
    }

    static bool White(const wxImage& image, int x, int y)
    {
        return image.GetRed(x, y) == 255 && image.GetGreen(x, y) == 255 &&
               image.GetBlue(x, y) == 255;
    }

    // The shown picture is white exactly on the width x height rectangle at the top left.
    static void ExpectWhiteArea(const wxImage& image, int width, int height)
    {
        for (int y = 0; y < 300; y += 3)
            for (int x = 0; x < 300; x += 3)
                ASSERT_EQ(White(image, x, y), x < width && y < height) << x << "," << y;
    }

    bufferedCoordSys* graph = nullptr;
};

} // namespace

TEST_F(bufferedCoordSysWindow, StartsAsAWhitePictureOf150By150)
{
    ExpectWhiteArea(Shown(), 150, 150);
    EXPECT_EQ(graph->GetWindowStyleFlag() & wxBORDER_MASK, wxSUNKEN_BORDER);
    EXPECT_EQ(graph->GetCurrentSeries(), nullptr);
}

TEST_F(bufferedCoordSysWindow, ResizeRebuildsThePictureAtTheNewSize)
{
    Resize(graph, 91, 40);
    ExpectWhiteArea(Shown(), 91, 40);
    Resize(graph, 250, 200);
    ExpectWhiteArea(Shown(), 250, 200);
    // The size step of every graph runs as well.
    EXPECT_EQ(rangeChanged.size(), 2u);
}

TEST_F(bufferedCoordSysWindow, ShrinkingToNothingShowsNothing)
{
    Resize(graph, 0, 0);
    ExpectWhiteArea(Shown(), 0, 0);
    Resize(graph, 0, 30);
    ExpectWhiteArea(Shown(), 0, 0);
    Resize(graph, 20, 30);
    ExpectWhiteArea(Shown(), 20, 30);
}

TEST_F(bufferedCoordSysWindow, RefreshAloneKeepsTheOldPictureUntilTheBitmapIsRedrawn)
{
    Resize(graph, 400, 300);
    graph->SetXMin(0);
    graph->SetXMax(40);
    graph->Refresh();
    EXPECT_EQ(graph->GetViewXMax(), 5);
    graph->RedrawBitmap();
    graph->Refresh();
    EXPECT_EQ(graph->GetViewXMax(), 40);
    EXPECT_EQ(graph->GetXTickUnit(), 5);
}

TEST_F(bufferedCoordSysWindow, SetSeriesShowsTheGivenSeriesWithTheCurrentSettings)
{
    dataSeries series;
    series.style = dataSeries::COLUMNS;
    series.runs.push_back({{1, 10}, {2, 30}});
    Resize(graph, 400, 300);
    graph->SetYMin(0);
    graph->SetYMax(120);
    graph->SetSeries(&series);
    EXPECT_EQ(graph->GetCurrentSeries(), &series);
    EXPECT_EQ(graph->GetViewYMax(), 120);
    EXPECT_EQ(graph->GetYTickUnit(), 20);
    graph->SetSeries(nullptr);
    EXPECT_EQ(graph->GetCurrentSeries(), nullptr);
    EXPECT_EQ(series.runs[0].size(), 2u); // the series is its owner's and stays as it was
}

TEST_F(bufferedCoordSysWindow, BackgroundIsNeverErased)
{
    wxEraseEvent buffered(graph->GetId());
    EXPECT_TRUE(graph->HandleWindowEvent(buffered)); // taken and not passed on
    auto* plain = new coordSys(parent, wxID_ANY);
    wxEraseEvent unbuffered(plain->GetId());
    EXPECT_FALSE(plain->HandleWindowEvent(unbuffered));
}

TEST_F(bufferedCoordSysWindow, TakesTheMainWindowSetUp)
{
    graph->SetFontSize(8);
    graph->SetXMin(0);
    graph->SetYMin(0);
    graph->SetXMax(7);
    graph->SetYMax(120);
    graph->SetXAxisLabel("Sum of Zobrin Values");
    graph->SetYAxisLabel("Frequency Percentage");
    graph->originAlwaysViewable = false;
    graph->axesAlwaysViewable = true;
    graph->propertiesMenuEnabled = false;
    graph->SetXAutoScale(true);
    graph->gridStyle = coordSys::HORIZONTAL_GRID;
    EXPECT_TRUE(graph->SetXAxisLabelPosition(coordSys::BELOW + coordSys::RIGHT));
    graph->SetSeries(nullptr);
    Resize(graph, 400, 200);
    // Both axes sit at the low edges of the view: each gets room for its labels.
    EXPECT_LT(graph->GetViewXMin(), 0);
    EXPECT_LT(graph->GetViewYMin(), 0);
    EXPECT_EQ(graph->GetViewXMax(), 7);
    EXPECT_EQ(graph->GetViewYMax(), 120);
    EXPECT_EQ(graph->GetXAxisLabel(), "Sum of Zobrin Values");
}
