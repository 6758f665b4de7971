#include "graph/window/bufferedCoordSys.h"

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

    // What a paint of the window shows, copied onto a magenta 300 x 300 picture.
    wxImage Painted()
    {
        wxBitmap picture(300, 300, 24);
        {
            wxMemoryDC dc(picture);
            dc.SetBackground(*wxTheBrushList->FindOrCreateBrush(wxColour(255, 0, 255)));
            dc.Clear();
            graph->BlitTo(dc);
        }
        return picture.ConvertToImage();
    }

    // Expects the paint to cover exactly the width x height rectangle at the top left, white
    // where nothing is drawn yet when `blank`.
    void ExpectPictureArea(int width, int height, bool blank)
    {
        const wxImage image = Painted();
        for (int y = 0; y < 300; y += 3)
            for (int x = 0; x < 300; x += 3) {
                const bool white = image.GetRed(x, y) == 255 && image.GetGreen(x, y) == 255;
                const bool magenta = image.GetRed(x, y) == 255 && image.GetGreen(x, y) == 0;
                const bool inside = x < width && y < height;
                ASSERT_EQ(!magenta, inside) << x << "," << y;
                if (blank && inside) {
                    ASSERT_TRUE(white) << x << "," << y;
                }
            }
    }

    bufferedCoordSys* graph = nullptr;
};

} // namespace

TEST_F(bufferedCoordSysWindow, StartsAsAWhitePictureOf150By150)
{
    ExpectPictureArea(150, 150, true);
    EXPECT_EQ(graph->GetWindowStyleFlag() & wxBORDER_MASK, wxSUNKEN_BORDER);
}

TEST_F(bufferedCoordSysWindow, ResizeRebuildsThePictureAtTheNewSize)
{
    Resize(graph, 91, 40);
    ExpectPictureArea(91, 40, false);
    EXPECT_EQ(rangeChanged.size(), 1u); // the size step of every graph runs as well
    Resize(graph, 0, 30);
    ExpectPictureArea(0, 0, false);
    Resize(graph, 250, 200);
    ExpectPictureArea(250, 200, false);
}

TEST_F(bufferedCoordSysWindow, RefreshAloneKeepsTheOldPictureUntilTheBitmapIsRedrawn)
{
    Resize(graph, 400, 300);
    graph->SetXMin(0);
    graph->SetXMax(40);
    graph->Refresh();
    EXPECT_EQ(graph->GetViewXMax(), 5);
    graph->RedrawBitmap();
    EXPECT_EQ(graph->GetViewXMax(), 40);
    EXPECT_EQ(graph->GetXTickUnit(), 5);
}

TEST_F(bufferedCoordSysWindow, SetSeriesRendersWithTheCurrentSettings)
{
    Resize(graph, 250, 250);
    dataSeries series;
    series.style = dataSeries::COLUMNS;
    series.fillColour = graphColour::Green();
    series.runs = {{{1, 60}}};
    graph->SetYMin(0);
    graph->SetYMax(120);
    const auto columnShown = [this] {
        const pixelPoint middle = graph->PointToPixel(1, 30);
        const wxImage picture = Painted();
        return picture.GetGreen(middle.x, middle.y) == 255 &&
               picture.GetRed(middle.x, middle.y) == 0;
    };
    graph->SetSeries(&series);
    EXPECT_EQ(graph->GetCurrentSeries(), &series);
    EXPECT_EQ(graph->GetViewYMax(), 120);
    EXPECT_EQ(graph->GetYTickUnit(), 20);
    EXPECT_TRUE(columnShown());
    graph->SetSeries(nullptr);
    EXPECT_EQ(graph->GetCurrentSeries(), nullptr);
    EXPECT_FALSE(columnShown());
}

TEST_F(bufferedCoordSysWindow, BackgroundIsNeverErased)
{
    wxEraseEvent buffered(graph->GetId());
    EXPECT_TRUE(graph->HandleWindowEvent(buffered)); // taken, not left to the default erasing
    auto* plain = new coordSys(parent, wxID_ANY);
    wxEraseEvent unbuffered(plain->GetId());
    EXPECT_FALSE(plain->HandleWindowEvent(unbuffered));
}
