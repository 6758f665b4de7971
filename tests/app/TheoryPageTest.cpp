#include "app/DiceRun.h"
#include "app/TheoryPage.h"
#include "graph/coordSys.h"
#include "grid/PelkoGrid.h"

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
        page = new TheoryPage(frame, counts);
        frame->SetClientSize(900, 500);
        frame->Show();
    }
    void TearDown() override
    {
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }
    wxString SummaryLine(int line) const { return page->Summary().GetLineText(line); }

    std::vector<int> counts;
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

TEST_F(TheoryPageTest, TableShowsExpectedObservedAndTheDifferenceInRolls)
{
    counts = {0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 1};   // 2 dice: 7, 7, 7 and 12
    page->StartRun(2, 4242);
    PelkoGrid& table = page->Table();
    ASSERT_EQ(table.GetNumberRows(), 11);
    EXPECT_FALSE(table.IsEditable());
    struct { int row; const char* sum, *expected, *observed, *difference; } rows[] = {
        {0, "2", "2.779%", "0%", "-0.1"},
        {5, "7", "16.667%", "75.000%", "+2.3"},
        {10, "12", "2.773%", "25.000%", "+0.9"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(table.GetCellValue(r.row, 0), r.sum);
        EXPECT_EQ(table.GetCellValue(r.row, 1), r.expected);
        EXPECT_EQ(table.GetCellValue(r.row, 2), r.observed);
        EXPECT_EQ(table.GetCellValue(r.row, 3), r.difference);
    }
    EXPECT_EQ(SummaryLine(0), "4 rolls of 2 dice, seed 4242.");

    counts.assign(6, 0);   // a shorter run loses rows from the top
    page->StartRun(1, 5);
    EXPECT_EQ(table.GetNumberRows(), 6);
    EXPECT_EQ(table.GetCellValue(0, 0), "1");
    EXPECT_EQ(table.GetCellValue(5, 1), "16.653%");
    EXPECT_EQ(SummaryLine(0), "No rolls yet: click Start to compare the rolls with the theory.");
}

TEST_F(TheoryPageTest, GraphFitsTheLikelySumsWithColumnsUnderTheLineAndNoNegativeLabels)
{
    RollRecord record;
    DiceRun run(100, 20000, 77, counts, record);
    run.RollUntil(20000);
    page->StartRun(100, 77);
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
    counts.assign(11, 0);
    page->StartRun(2, 1);
    counts[5] = 1;
    page->Hide();
    page->FollowRun(1000.0);
    EXPECT_EQ(page->Table().GetCellValue(5, 2), "0%") << "hidden: not brought up to date";
    page->Show();
    page->FollowRun(1000.0);
    EXPECT_EQ(page->Table().GetCellValue(5, 2), "100.000%");
    counts[0] = 1;
    page->FollowRun(1000.2);
    EXPECT_EQ(page->Table().GetCellValue(0, 2), "0%") << "too soon after the last time";
    page->FollowRun(1000.25);
    EXPECT_EQ(page->Table().GetCellValue(0, 2), "50.000%");
    counts[0] = 2;
    page->ShowCounts();   // the end of a run shows the counts whatever the time
    EXPECT_EQ(page->Table().GetCellValue(0, 2), "66.667%");
}

} // namespace
