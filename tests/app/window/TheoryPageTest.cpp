#include "app/window/TheoryPage.h"
#include "app/run/RunModel.h"
#include "graph/window/coordSys.h"
#include "grid/window/PelkoGrid.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace {

class TheoryPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "");
        page = new TheoryPage(frame);
        frame->SetClientSize(900, 500);
        frame->Show();
    }
    void TearDown() override
    {
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }
    RunModel run;
    wxFrame* frame = nullptr;
    TheoryPage* page = nullptr;
};

// Pixels within a box of a picture near a colour, each channel within `within`.
int PixelsNear(const wxImage& picture, const wxRect& box, int red, int green, int blue,
               int within = 60)
{
    int n = 0;
    const wxRect inside = box.Intersect(wxRect(picture.GetSize()));
    for (int y = inside.GetTop(); y <= inside.GetBottom(); ++y)
        for (int x = inside.GetLeft(); x <= inside.GetRight(); ++x)
            n += std::abs(picture.GetRed(x, y) - red) < within &&
                 std::abs(picture.GetGreen(x, y) - green) < within &&
                 std::abs(picture.GetBlue(x, y) - blue) < within;
    return n;
}

// The graph as it paints itself, on white.
wxImage Picture(coordSys& graph)
{
    wxBitmap bitmap(graph.GetClientSize());
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        graph.DrawAll(dc);
    }
    return bitmap.ConvertToImage();
}

TEST_F(TheoryPageTest, GraphFitsTheLikelySumsWithNothingBeforeTheAxesOrUnderTheirArrowheads)
{
    frame->SetClientSize(396, 218);
    const struct {
        int dice, rolls;
        std::uint32_t seed;
    } cases[] = {{100, 20000, 77}, {2, 3000, 603}, {1, 1500, 11}};
    for (const auto& c : cases) {
        run.SetDice(c.dice);
        run.SetRolls(c.rolls);
        run.Start(c.seed);
        run.RollUntil(c.rolls);
        page->RunStarted(run);
        coordSys& graph = page->Graph();
        EXPECT_LE(graph.GetXMin(), c.dice == 100 ? 293.0 : c.dice - 1.0);
        EXPECT_GE(graph.GetXMax(), c.dice == 100 ? 407.0 : 6 * c.dice + 1.0);
        const wxImage picture = Picture(graph);
        const wxSize size = picture.GetSize();
        const int axisColumn = graph.XToPixel(graph.axisIntersection.x);
        const int axisRow = graph.YToPixel(0);
        const int arrow = coordSysView::ARROW_LENGTH;
        EXPECT_EQ(PixelsNear(picture, wxRect(0, axisRow + 1, axisColumn + 1, size.y), 0, 0, 0, 200),
                  0)
            << c.dice << " dice: drawn left of the y axis or over it below the x axis";
        EXPECT_EQ(PixelsNear(picture, wxRect(size.x - arrow - 1, 0, arrow + 1, size.y), 0, 255, 0),
                  0)
            << c.dice << " dice: a column under the x axis's arrowhead";
        EXPECT_EQ(PixelsNear(picture, wxRect(0, 0, size.x, arrow + 1), 0, 255, 0), 0)
            << c.dice << " dice: a column under the y axis's arrowhead";
        EXPECT_GT(PixelsNear(picture, wxRect(size), 0, 255, 0), 100) << "green columns";
        EXPECT_GT(PixelsNear(picture, wxRect(size), 220, 0, 0), 20) << "the red line";
    }
}

TEST_F(TheoryPageTest, FollowsARunOnlyWhileShownAndAtMostFourTimesASecond)
{
    // Two dice from seed 4242 roll 6 3, then 1 2: the rows of the sums 9 and 3.
    run.SetDice(2);
    run.Start(4242);
    page->RunStarted(run);
    run.RollOne();
    page->Hide();
    page->RollMade(run, 1000.0);
    EXPECT_EQ(page->Table().GetCellValue(7, 2), "0%") << "hidden: not brought up to date";
    page->Show();
    page->RollMade(run, 1000.0);
    EXPECT_EQ(page->Table().GetCellValue(7, 2), "100.000%");
    run.RollOne();
    page->RollMade(run, 1000.2);
    EXPECT_EQ(page->Table().GetCellValue(1, 2), "0%") << "too soon after the last time";
    page->RollMade(run, 1000.25);
    EXPECT_EQ(page->Table().GetCellValue(1, 2), "50.000%");
}

} // namespace
