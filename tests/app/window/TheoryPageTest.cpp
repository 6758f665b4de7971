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

// Pixels of a picture near a colour, each channel within 60.
int PixelsNear(const wxImage& picture, int red, int green, int blue)
{
    int n = 0;
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x)
            n += std::abs(picture.GetRed(x, y) - red) < 60 &&
                 std::abs(picture.GetGreen(x, y) - green) < 60 &&
                 std::abs(picture.GetBlue(x, y) - blue) < 60;
    return n;
}

TEST_F(TheoryPageTest, GraphFitsTheLikelySumsWithColumnsUnderTheLineAndNoNegativeLabels)
{
    run.SetDice(100);
    run.SetRolls(20000);
    run.Start(77);
    run.RollUntil(20000);
    page->RunStarted(run);
    coordSys& graph = page->Graph();
    EXPECT_LE(graph.GetXMin(), 293.0);
    EXPECT_GE(graph.GetXMax(), 407.0);
    EXPECT_EQ(graph.GetYMin(), 0.0);
    ASSERT_TRUE(graph.UsesCustomYTickLabels());
    int labelled = 0;
    for (const std::string& label : graph.GetCustomYTickLabels()) {
        EXPECT_TRUE(label.empty() || std::stod(label) > 0) << label;
        labelled += !label.empty();
    }
    EXPECT_GE(labelled, 2);

    wxBitmap bitmap(graph.GetClientSize());
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    graph.DrawAll(dc);
    dc.SelectObject(wxNullBitmap);
    const wxImage picture = bitmap.ConvertToImage();
    EXPECT_GT(PixelsNear(picture, 0, 255, 0), 1000) << "green columns";
    EXPECT_GT(PixelsNear(picture, 220, 0, 0), 200) << "the red line";
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
