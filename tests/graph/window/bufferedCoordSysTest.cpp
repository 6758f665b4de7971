#include "graph/window/bufferedCoordSys.h"

#include "ScreenArea.h"
#include "ToolkitTestSupport.h"
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

    // A green column of the given height at x = 1, on a graph whose y range is 0 to 120.
    void ShowColumn(double height)
    {
        column.style = dataSeries::COLUMNS;
        column.fillColour = graphColour::Green();
        column.runs = {{{1, height}}};
        graph->SetYMin(0);
        graph->SetYMax(120);
        graph->SetSeries(&column);
    }

    // Whether the picture shows the column's fill just below the height given.
    bool ColumnShown(const wxImage& picture, double below) const
    {
        const pixelPoint inside = graph->PointToPixel(1, below - 5);
        return Pixel(picture, inside.x, inside.y) == wxColour(0, 255, 0);
    }

    bufferedCoordSys* graph = nullptr;
    dataSeries column;
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
    ShowColumn(60);
    EXPECT_EQ(graph->GetCurrentSeries(), &column);
    EXPECT_EQ(graph->GetViewYMax(), 120);
    EXPECT_EQ(graph->GetYTickUnit(), 20);
    EXPECT_TRUE(ColumnShown(Painted(), 60));
    graph->SetSeries(nullptr);
    EXPECT_EQ(graph->GetCurrentSeries(), nullptr);
    EXPECT_FALSE(ColumnShown(Painted(), 60));
}

// The picture is drawn when the window paints, not when the series is set: on the screen the
// window shows the series as it was last given, changed in place as a run changes it, and at the
// size it was last given.
TEST_F(bufferedCoordSysWindow, PaintingDrawsTheStalePicture)
{
    frame->SetClientSize(300, 300);
    Resize(graph, 250, 250);
    frame->Show();
    ASSERT_TRUE(WaitFor([this] { return graph->IsShownOnScreen(); }, 5));
    const auto shown = [this] {
        graph->Update();
        WaitFor([] { return false; }, 0.3); // the paint and the compositing after it
        return ScreenArea(wxRect(graph->ClientToScreen({0, 0}), graph->GetClientSize()));
    };
    ShowColumn(60);
    EXPECT_TRUE(ColumnShown(shown(), 60));
    Resize(graph, 200, 160);
    EXPECT_TRUE(ColumnShown(shown(), 60));
    column.runs = {{{1, 100}}};
    graph->SetSeries(&column);
    EXPECT_TRUE(ColumnShown(shown(), 100));
}

TEST_F(bufferedCoordSysWindow, BackgroundIsNeverErased)
{
    wxEraseEvent buffered(graph->GetId());
    EXPECT_TRUE(graph->HandleWindowEvent(buffered)); // taken, not left to the default erasing
    auto* plain = new coordSys(parent, wxID_ANY);
    wxEraseEvent unbuffered(plain->GetId());
    EXPECT_FALSE(plain->HandleWindowEvent(unbuffered));
}
