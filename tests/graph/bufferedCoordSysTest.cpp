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

    // Expects what a paint of the window shows, copied onto a black 300 x 300 picture, to be
    // white exactly on the width x height rectangle at the top left.
    void ExpectWhiteArea(int width, int height)
    {
        wxBitmap picture(300, 300, 24);
        {
            wxMemoryDC dc(picture);
            dc.SetBackground(*wxBLACK_BRUSH);
            dc.Clear();
            graph->BlitTo(dc);
        }
        const wxImage image = picture.ConvertToImage();
        for (int y = 0; y < 300; y += 3)
            for (int x = 0; x < 300; x += 3)
                ASSERT_EQ(image.GetRed(x, y) == 255 && image.GetBlue(x, y) == 255,
                          x < width && y < height) << x << "," << y;
    }

    bufferedCoordSys* graph = nullptr;
};

} // namespace

TEST_F(bufferedCoordSysWindow, StartsAsAWhitePictureOf150By150)
{
    ExpectWhiteArea(150, 150);
    EXPECT_EQ(graph->GetWindowStyleFlag() & wxBORDER_MASK, wxSUNKEN_BORDER);
}

TEST_F(bufferedCoordSysWindow, ResizeRebuildsThePictureAtTheNewSize)
{
    Resize(graph, 91, 40);
    ExpectWhiteArea(91, 40);
    EXPECT_EQ(rangeChanged.size(), 1u); // the size step of every graph runs as well
    Resize(graph, 0, 30);
    ExpectWhiteArea(0, 0);
    Resize(graph, 250, 200);
    ExpectWhiteArea(250, 200);
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
    Resize(graph, 400, 300);
    dataSeries series;
    graph->SetYMin(0);
    graph->SetYMax(120);
    graph->SetSeries(&series);
    EXPECT_EQ(graph->GetCurrentSeries(), &series);
    EXPECT_EQ(graph->GetViewYMax(), 120);
    EXPECT_EQ(graph->GetYTickUnit(), 20);
    graph->SetSeries(nullptr);
    EXPECT_EQ(graph->GetCurrentSeries(), nullptr);
}

TEST_F(bufferedCoordSysWindow, BackgroundIsNeverErased)
{
    wxEraseEvent buffered(graph->GetId());
    EXPECT_TRUE(graph->HandleWindowEvent(buffered)); // taken, not left to the default erasing
    auto* plain = new coordSys(parent, wxID_ANY);
    wxEraseEvent unbuffered(plain->GetId());
    EXPECT_FALSE(plain->HandleWindowEvent(unbuffered));
}
