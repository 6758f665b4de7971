// The program as a new user meets it: the real application starts, and keys and clicks travel
// through the display server to its window, as they do from a keyboard and a mouse.
#include "DiceFrameProbe.h"
#include "GtkTyping.h"
#include "RunDiceApp.h"
#include "SimulatedUser.h"
#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <cstring>
#include <functional>
#include <numeric>

namespace {

class EndToEnd : public testing::Test {
protected:
    DiceFrame& Frame() { return *static_cast<DiceFrame*>(wxTheApp->GetTopWindow()); }
    DiceFrameProbe Probe() { return DiceFrameProbe(Frame()); }

    // Types at the end of a box's text: Backspace `erase` times, then `text`.
    void TypeAtEnd(wxWindow& box, int erase, const char* text, const std::function<bool()>& done)
    {
        std::vector<int> keys{WXK_END};
        keys.insert(keys.end(), erase, WXK_BACK);
        keys.insert(keys.end(), text, text + std::strlen(text));
        ASSERT_TRUE(user.TypeKeys(box, keys));
        ASSERT_TRUE(WaitFor(done, 5)) << "typing \"" << text << "\" did not arrive";
    }

    // Selects all of a box's text and types over it.
    void TypeOverAll(wxWindow& box, const char* text, const std::function<bool()>& done)
    {
        ASSERT_TRUE(user.TypeOverAll(box, text));
        ASSERT_TRUE(WaitFor(done, 5)) << "typing \"" << text << "\" did not arrive";
    }

    SimulatedUser user;
};

} // namespace

TEST_F(EndToEnd, TypedNumbersRunToTheirResultsAndBadEntriesAreRefused)
{
    const DiceFrameProbe p = Probe();
    ASSERT_TRUE(WaitFor([&] { return Frame().IsShownOnScreen(); }, 20));

    // "1" becomes "12" dice; "1500" becomes "15", then "150" rolls: every step a valid number.
    TypeAtEnd(p.DiceSpin(), 0, "2", [&] { return p.Dice() == 12; });
    TypeAtEnd(p.RollsText(), 2, "0", [&] { return p.Rolls() == 150; });

    ASSERT_TRUE(user.Click(p.StartButton()));
    const std::vector<int>& counts = p.Counts();
    ASSERT_TRUE(WaitFor(
        [&] { return !p.Running() && std::accumulate(counts.begin(), counts.end(), 0L) == 150; },
        20))
        << "the run did not end";
    EXPECT_EQ(p.StartButton().GetLabel(), "Start");

    ASSERT_EQ(counts.size(), 61u) << "one count per sum from 12 to 72";
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0L), 150);
    ASSERT_EQ(p.Grid().GetNumberRows(), 61);
    for (int row = 0; row < 61; ++row) {
        EXPECT_EQ(p.Grid().GetCellValue(row, 0), wxString::Format("%d", 12 + row));
        EXPECT_EQ(p.Grid().GetCellValue(row, 1), wxString::Format("%d", counts[row]));
    }
    ASSERT_EQ(p.Series().runs.size(), 1u);
    EXPECT_EQ(p.Series().runs[0].size(), 61u);
    const wxString log = p.RollLog().GetValue();
    EXPECT_EQ(log.length(), 150u * 13) << "150 rolls of twelve digits and a blank";

    // Ctrl+C on the graph, clicked first as a user would, puts its picture on the clipboard.
    p.Notebook().SetSelection(1);
    ASSERT_TRUE(user.Click(p.Graph()));
    user.Key('c' | SimulatedUser::CTRL);
    EXPECT_TRUE(WaitFor(
        [] {
            wxClipboardLocker locker;
            return !!locker && wxTheClipboard->IsSupported(wxDataFormat("image/png"));
        },
        5))
        << "the graph's picture did not reach the clipboard";

    // A letter after the rolls: the message, then the box shows the stored number, selected.
    wxTEST_DIALOG(TypeAtEnd(p.RollsText(), 0, "x",
                            [&] {
                                return p.RollsText().GetValue() == "150" &&
                                       EntryAllSelected(p.RollsText());
                            }),
                  wxExpectModal<wxMessageDialog>(wxID_OK).Describe("Invalid Entry for x"));
    EXPECT_EQ(p.Rolls(), 150);
}

TEST_F(EndToEnd, TheDataBoxSelectsAndCopiesWithTheMouseAndTheKeys)
{
    const DiceFrameProbe p = Probe();
    ASSERT_TRUE(WaitFor([&] { return Frame().IsShownOnScreen(); }, 20));
    RollLogView& log = p.RollLog();
    const wxString before = log.GetValue();
    ASSERT_TRUE(user.Click(p.StartButton()));
    ASSERT_TRUE(WaitFor([&] { return p.Running() || log.GetValue() != before; }, 20))
        << "the run did not start";
    ASSERT_TRUE(WaitFor([&] { return !p.Running() && p.StartButton().IsEnabled(); }, 60))
        << "the run did not end";
    const wxString record = log.GetValue();
    ASSERT_FALSE(record.empty());

    // Drag down over two lines from the start of the top line in view.
    const int line = log.GetCharHeight();
    const wxPoint topLeft = log.GetScreenPosition() + wxPoint(2, line / 2);
    wxUIActionSimulator mouse;
    mouse.MouseMove(topLeft);
    mouse.MouseDown();
    mouse.MouseMove(topLeft + wxPoint(0, line / 2));
    mouse.MouseMove(topLeft + wxPoint(0, 2 * line));
    mouse.MouseUp();
    const int top = log.GetViewStart().y;
    const wxString twoLines = log.GetLineText(top) + log.GetLineText(top + 1);
    ASSERT_TRUE(WaitFor([&] { return log.GetStringSelection() == twoLines; }, 5))
        << "selected \"" << log.GetStringSelection() << "\"";
    EXPECT_NE(record.find(twoLines), wxString::npos);
    const auto copied = [](const wxString& text) {
        return [text] {
            wxClipboardLocker locker;
            wxTextDataObject data;
            return !!locker && wxTheClipboard->GetData(data) && data.GetText() == text;
        };
    };
    user.Key('c' | SimulatedUser::CTRL);
    EXPECT_TRUE(WaitFor(copied(twoLines), 5)) << "the selection did not reach the clipboard";

    user.Key('a' | SimulatedUser::CTRL);
    user.Key('c' | SimulatedUser::CTRL);
    EXPECT_TRUE(WaitFor(copied(record), 5)) << "the whole record did not reach the clipboard";
}

// A slow run, watched on the "Theory" page and stopped, all with the mouse. The run happens
// inside the Start click, so what the user does during it comes from timers, at moments that
// fall in the pauses between rolls.
TEST_F(EndToEnd, ASlowRunIsWatchedOnTheTheoryPageAndStoppedWithTheMouse)
{
    const DiceFrameProbe p = Probe();
    ASSERT_TRUE(WaitFor([&] { return Frame().IsShownOnScreen(); }, 20));
    LetEventsThrough(0.3); // the window takes its place on the screen
    Frame().SetNumberOfDice(1);
    Frame().SetNumberOfRolls(1000);
    p.SetProgressive(true);
    p.SelectSpeed(1); // 2 rolls a second

    // The tabs sit at the notebook's bottom edge; the "Theory" tab is where the notebook says.
    wxPoint tab;
    const wxSize size = p.Notebook().GetClientSize();
    for (int y = size.y - 1; y > size.y - 60 && tab == wxPoint(); --y)
        for (int x = 0; x < size.x && tab == wxPoint(); x += 4)
            if (p.Notebook().HitTest(wxPoint(x, y)) == 2)
                tab = wxPoint(x + 8, y - 4);
    ASSERT_NE(tab, wxPoint()) << "no Theory tab found";

    wxString followed;
    wxUIActionSimulator sim;
    wxTimer toTheory, stop;
    toTheory.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        sim.MouseMove(p.Notebook().ClientToScreen(tab));
        sim.MouseClick();
    });
    stop.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        followed = p.Theory().Summary().GetLabel();
        const wxRect button = p.StartButton().GetScreenRect();
        sim.MouseMove(button.GetPosition() + button.GetSize() / 2);
        sim.MouseClick();
    });
    toTheory.StartOnce(1300);
    stop.StartOnce(3300);
    const std::vector<int>& counts = p.Counts();
    const auto rolled = [&] { return std::accumulate(counts.begin(), counts.end(), 0L); };
    user.Click(p.StartButton());
    ASSERT_TRUE(WaitFor([&] { return counts.size() == 6u && rolled() && !p.Running(); }, 20))
        << "Stop did not get through";
    const long made = rolled();
    EXPECT_GE(made, 3);
    EXPECT_LT(made, 100);
    EXPECT_EQ(p.Rolls(), made);
    EXPECT_EQ(p.Notebook().GetSelection(), 2);
    EXPECT_TRUE(followed.Contains(" of 1 six-sided die, seed"))
        << "the page did not follow the run";
    EXPECT_TRUE(p.Theory().Summary().GetLabel().StartsWith(wxString::Format("%ld rolls", made)));
}

int main(int argc, char** argv)
{
    const bool listing = OnlyListingTests(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (listing)
        return RUN_ALL_TESTS();
    // The application starts with no arguments of its own.
    return RunDiceApp(argv[0], {}, [] {
        FailOnToolkitAsserts();
        return RUN_ALL_TESTS();
    });
}
