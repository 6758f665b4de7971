#include "DiceFrameFixture.h"

#include "app/theory/TheoryComparison.h"

#include <wx/stattext.h>
#include <wx/timer.h>

#include <chrono>

using namespace diceframetest;

namespace {

constexpr int ONE_A_SECOND = 0;
constexpr int TWENTY_A_SECOND = 4;

class PaceAndTheoryTest : public DiceFrameTest {
protected:
    PaceAndTheoryTest()
    {
        timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { timed(); });
    }

    // Does `action` once, `milliseconds` after the run starts: during the first pause of a slow
    // run, when the pause lets events through.
    void During(int milliseconds, std::function<void()> action)
    {
        timed = std::move(action);
        timer.StartOnce(milliseconds);
    }
    wxString FirstSummaryLine() const
    {
        return Probe().Theory().Summary().GetLabel().BeforeFirst('\n');
    }

    wxTimer timer;
    std::function<void()> timed;
};

} // namespace

TEST_F(PaceAndTheoryTest, ASlowRunStopsOrClosesDuringItsPause)
{
    // A pause that slept would roll once more before the Stop got through.
    Probe().SelectSpeed(ONE_A_SECOND);
    During(100, [this] { Probe().ClickStart(); });
    RunWith(2, 3000, true);
    ExpectIdleAfter(1);

    During(100, [this] { frame->Close(); });
    Probe().ClickStart();
    EXPECT_TRUE(alive);
    EXPECT_FALSE(frame->IsShown());
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(alive) << "the window is destroyed once the run is over";
}

TEST_F(PaceAndTheoryTest, ThePaceSpacesProgressiveRollsAndChangesAtOnce)
{
    // Six rolls at twenty a second have five pauses of 50 ms between them at least.
    Probe().SelectSpeed(TWENTY_A_SECOND);
    const auto start = std::chrono::steady_clock::now();
    RunWith(1, 6, true);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(250));
    ExpectIdleAfter(6);

    // At one a second these runs would take most of an hour: the first goes as fast as possible
    // from its first pause on, the second does not follow the pace at all.
    Probe().SelectSpeed(ONE_A_SECOND);
    During(100, [this] { Probe().SelectSpeed(RollPace::Fastest()); });
    RunWith(2, 3000, true);
    ExpectIdleAfter(3000);
    Probe().SelectSpeed(ONE_A_SECOND);
    RunWith(2, 3000, false);
    ExpectIdleAfter(3000);
}

TEST_F(PaceAndTheoryTest, TheoryPageShowsEveryRunAtItsEndWithItsSeed)
{
    Probe().Notebook().SetSelection(2);
    RunWith(2, 3000, true);
    EXPECT_EQ(FirstSummaryLine(), "3000 rolls of 2 six-sided dice, seed 4242.");
    PelkoGrid& table = Probe().Theory().Table();
    EXPECT_FALSE(table.IsEditable());
    // The sum 2 came up 77 times against 83.38 expected, the sum 7 509 times against 500.00.
    const std::vector<wxString> rows[] = {{"2", "2.779%", "2.567%", "-6.4"},
                                          {"7", "16.667%", "16.967%", "+9.0"}};
    for (int row : {0, 1})
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(table.GetCellValue(row * 5, col), rows[row][col]);

    // Shown or not, progressive or not, stopped or not: the page ends with the run.
    Probe().Notebook().SetSelection(0);
    RunWith(3, 500, false);
    EXPECT_EQ(FirstSummaryLine(), "500 rolls of 3 six-sided dice, seed 4242.");
    EXPECT_EQ(table.GetNumberRows(), 16);
    EXPECT_EQ(table.GetCellValue(15, 0), "18");
    AtFirstYield([this] { Probe().ClickStart(); });
    RunWith(3, 500, true);
    EXPECT_EQ(FirstSummaryLine(), "1 roll of 3 six-sided dice, seed 4242.");
}

// In the smallest window the Theory page shows four whole rows of its table with all four columns
// whole, and a graph 80 pixels high; it scrolls as a whole to its whole summary, the verdict
// included: 100 dice with pooled sums give the longest summary.
TEST_F(PaceAndTheoryTest, TheSmallestWindowShowsTheWholeSummaryAndWholeColumns)
{
    frame->SetSize(frame->GetMinSize());
    Probe().Notebook().SetSelection(2);
    RunWith(100, 20000, false);
    LetEventsThrough(0.2);
    // The menu bar takes its own height above the layout, whose room is as before.
    EXPECT_EQ(frame->GetClientSize(), wxSize(675, 405)) << "the page made the window larger";

    const TheoryPage& page = Probe().Theory();
    const wxRect pageArea(page.GetVirtualSize());
    const wxStaticText& summary = page.Summary();
    EXPECT_TRUE(pageArea.Contains(summary.GetRect()));
    EXPECT_GE(summary.GetSize().y, summary.GetBestSize().y);
    std::vector<int> counts;
    RollRecord record;
    DiceRun(100, 20000, SEED, counts, record).RollUntil(20000);
    wxString lines;
    for (const std::string& line : TheoryComparison(SumDistribution(100), counts).Summary(SEED))
        lines += (lines.empty() ? "" : " ") + line;
    wxString shown = summary.GetLabel();
    shown.Replace("\n", " ");
    EXPECT_EQ(shown, lines);

    PelkoGrid& table = page.Table();
    EXPECT_TRUE(pageArea.Contains(table.GetRect()));
    EXPECT_GE(table.GetGridWindow()->GetClientSize().y, 4 * table.GetDefaultRowSize());
    EXPECT_GE(page.Graph().GetSize().y, 80);
    int columns = 0;
    for (int col = 0; col < table.GetNumberCols(); ++col)
        columns += table.GetColSize(col);
    EXPECT_LE(columns, table.GetGridWindow()->GetClientSize().x);
    EXPECT_EQ(table.GetColLabelValue(3), "Obs. - Exp.\n(rolls)");
}
