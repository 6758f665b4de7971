#include "DiceFrameFixture.h"

#include "app/window/DiceApp.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/timer.h>

#include <set>

using namespace diceframetest;

TEST_F(DiceFrameTest, OpensWithItsDefaults)
{
    const DiceFrameProbe p = Probe();
    EXPECT_EQ(frame->GetTitle(), "Zobrin");
    ASSERT_EQ(frame->GetIcons().GetIconCount(), 2u);
    EXPECT_EQ(frame->GetIcons().GetIcon(16).GetWidth(), 16);
    EXPECT_EQ(frame->GetIcons().GetIcon(32).GetWidth(), 32);
    EXPECT_EQ(p.Dice(), 1);
    EXPECT_EQ(p.Rolls(), 1500);
    EXPECT_EQ(p.DiceSpin().GetValue(), 1);
    EXPECT_EQ(p.RollsText().GetValue(), "1500");
    EXPECT_TRUE(p.ProgressiveCheck().GetValue());
    EXPECT_TRUE(p.RollLog().IsEmpty());
    EXPECT_EQ(p.StartButton().GetLabel(), "Start");
    EXPECT_EQ(frame->GetDefaultItem(), &p.StartButton());
    EXPECT_EQ(p.DiceSpin().GetMin(), 1);
    EXPECT_EQ(p.DiceSpin().GetMax(), 100);
    ASSERT_EQ(p.Notebook().GetPageCount(), 3u);
    EXPECT_EQ(p.Notebook().GetPageText(0), "Analysis");
    EXPECT_EQ(p.Notebook().GetPageText(1), "Column Graph");
    EXPECT_EQ(p.Notebook().GetPageText(2), "Theory");
    EXPECT_EQ(p.Notebook().GetSelection(), 0);
    ASSERT_EQ(p.SpeedChoice().GetCount(), 8u);
    EXPECT_EQ(p.SpeedChoice().GetString(0), "1 roll a second");
    EXPECT_EQ(p.SpeedChoice().GetStringSelection(), "as fast as possible");
    // The window opens at the smallest size its layout allows.
    EXPECT_EQ(frame->GetMinSize(), frame->GetSize());
}

TEST_F(DiceFrameTest, CommandLineSetsDiceAndRollsWithinTheirLimits)
{
    struct Case {
        std::vector<const char*> args;
        int dice, rolls;
        const char* rollsText;
    };
    const Case cases[] = {
        {{}, 1, 1500, "1500"},
        {{"3"}, 3, 1500, "1500"},
        {{"250", "5000000"}, 100, 1000000, "1000000"},
        {{"0", "0"}, 1, 1500, "1500"},
        {{"-4", "-10"}, 1, 1500, "1500"},
        {{"x", "200"}, 1, 200, "200"},
        {{"12abc"}, 1, 1500, "1500"},
        {{"2", "3", "4"}, 2, 3, "3"},
        {{"1", "99999999999"}, 1, 1000000, "1000000"},
        {{"1", "99999999999999999999999"}, 1, 1000000, "1000000"},
        {{"", ""}, 1, 1500, "1500"},
    };
    for (const Case& c : cases) {
        DiceFrame* f = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
        std::vector<const char*> argv{"zobrin"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        DiceApp::ApplyArguments(*f, CommandLine::Parse(static_cast<int>(argv.size()), argv.data()));
        const DiceFrameProbe p(*f);
        EXPECT_EQ(p.Dice(), c.dice) << c.args.size() << " arguments";
        EXPECT_EQ(p.DiceSpin().GetValue(), c.dice);
        EXPECT_EQ(p.Rolls(), c.rolls);
        EXPECT_EQ(p.RollsText().GetValue(), c.rollsText);
        f->Destroy();
    }
}

// Without --seed every run takes a seed of its own from the system: pupils who start together,
// or at the same moment of a minute, get different runs.
TEST_F(DiceFrameTest, RunsWithoutAGivenSeedTakeSeedsThatDoNotRepeat)
{
    DiceFrame* unseeded = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
    std::set<std::uint32_t> seeds;
    for (int run = 0; run < 200; ++run)
        seeds.insert(DiceFrameProbe(*unseeded).NextSeed());
    EXPECT_EQ(seeds.size(), 200u);
    unseeded->Destroy();
}

TEST_F(DiceFrameTest, ProgressiveRunShowsTheRollsOfItsSeed)
{
    RunWith(3, 500, true);
    const ExpectedRun expected(3, 500);
    ExpectIdleAfter(500);
    EXPECT_EQ(Probe().Counts(), expected.counts);
    EXPECT_EQ(Probe().RollLog().GetValue(), expected.Faces());
    // Checked against a separate model of the generator, not against the program's own run.
    EXPECT_TRUE(Probe().RollLog().GetValue().StartsWith("635 125 352 123 166 656 "));
    EXPECT_EQ(Probe().Counts()[0], 3) << "sum 3";
    EXPECT_EQ(Probe().Counts()[7], 72) << "sum 10";
    EXPECT_EQ(Probe().Counts()[15], 2) << "sum 18";
    EXPECT_EQ(Probe().Gauge().GetRange(), 500);
    EXPECT_EQ(Probe().Gauge().GetValue(), 500);
}

TEST_F(DiceFrameTest, ProgressiveLogFollowsTheRunAndEndsWithEveryRoll)
{
    const ExpectedRun expected(100, 300);
    AtFirstYield([&] {
        EXPECT_EQ(Probe().RollLog().GetValue(), expected.Faces().substr(0, 101))
            << "the first roll shows at once";
    });
    RunWith(100, 300, true);
    ExpectIdleAfter(300);
    EXPECT_EQ(Probe().RollLog().GetValue(), expected.Faces());
}

TEST_F(DiceFrameTest, NonProgressiveRunFillsTheLogOnceWithTheTruncationNote)
{
    RunWith(2, 12345, false);
    const ExpectedRun expected(2, 12345);
    ExpectIdleAfter(12345);
    EXPECT_EQ(Probe().Counts(), expected.counts);
    EXPECT_EQ(Probe().Counts()[0], 358) << "sum 2, from a separate model of the generator";
    EXPECT_EQ(Probe().Counts()[5], 2050) << "sum 7";
    const wxString log = Probe().RollLog().GetValue();
    EXPECT_EQ(log, expected.record.Text());
    EXPECT_TRUE(log.EndsWith(" \nData Truncated."));
    // 12345 rolls: 100 rolls a unit, range 12345 / 100 = 123; the bar moves every 12345 / 200 =
    // 61 rolls, last at 202 x 61 = 12322 (203 x 61 = 12383 is past the end): 12322 / 100 = 123.
    EXPECT_EQ(Probe().Gauge().GetRange(), 123);
    EXPECT_EQ(Probe().Gauge().GetValue(), 123);
}

TEST_F(DiceFrameTest, ProgressBarStopsAtTheLastMultipleOfItsInterval)
{
    // 1500 rolls move the bar every 1500 / 200 = 7 rolls: last at 214 x 7 = 1498 of 1500.
    for (bool progressive : {true, false}) {
        RunWith(1, 1500, progressive);
        EXPECT_EQ(Probe().Gauge().GetRange(), 1500) << progressive;
        EXPECT_EQ(Probe().Gauge().GetValue(), 1498) << progressive;
    }
}

TEST_F(DiceFrameTest, ProgressiveLogStopsAtTenThousandRollsWithoutTheNote)
{
    RunWith(1, 10050, true);
    const ExpectedRun expected(1, 10050);
    ExpectIdleAfter(10050);
    EXPECT_EQ(Probe().RollLog().GetValue(), expected.Faces());
    EXPECT_EQ(Probe().RollLog().GetValue().length(), 20000u);
}

TEST_F(DiceFrameTest, StopEndsTheRunAtTheNextYield)
{
    // Without progressive analysis the run yields every 500 rolls here.
    AtFirstYield([this] { Probe().ClickStart(); });
    RunWith(1, 100000, false);
    ExpectIdleAfter(500);
    EXPECT_EQ(Probe().RollLog().GetValue(), ExpectedRun(1, 500).Faces());

    // With it, after every roll.
    AtFirstYield([this] {
        EXPECT_EQ(Probe().StartButton().GetLabel(), "Stop");
        EXPECT_FALSE(Probe().RollsText().IsEnabled());
        Probe().ClickStart();
        EXPECT_FALSE(Probe().StartButton().IsEnabled()) << "a second click cannot nest runs";
    });
    Probe().SetProgressive(true);
    Probe().ClickStart();
    ExpectIdleAfter(1);
}

TEST_F(DiceFrameTest, UncheckingProgressiveDuringARunFillsTheViewsAtTheEnd)
{
    AtFirstYield([this] { Probe().SetProgressive(false); });
    RunWith(1, 20000, true);
    ExpectIdleAfter(20000);
    EXPECT_EQ(Probe().RollLog().GetValue(), ExpectedRun(1, 20000).record.Text());
}

TEST_F(DiceFrameTest, ClosingDuringARunEndsItWithoutTouchingTheWindowAgain)
{
    // A close alone, and a close in the same pass of events as a Stop, in both modes.
    for (bool withStop : {false, true}) {
        for (bool progressive : {true, false}) {
            SCOPED_TRACE(std::string(withStop ? "stop, then close, " : "close, ") +
                         (progressive ? "progressive" : "at the end"));
            AtFirstYield([this, withStop] {
                if (withStop)
                    Probe().ClickStart();
                frame->Close();
            });
            RunWith(5, 1000000, progressive);
            EXPECT_TRUE(alive) << "the window outlives the run's handler";
            EXPECT_FALSE(frame->IsShown());
            EXPECT_EQ(Probe().Running(), !withStop) << "an abandoned run leaves the window's state";
            EXPECT_LT(std::accumulate(Probe().Counts().begin(), Probe().Counts().end(), 0L),
                      1000000);
            wxTheApp->ProcessIdle();
            EXPECT_FALSE(alive) << "the window is destroyed once the run is over";
            SetUp();
        }
    }
}

namespace {

const std::string INVALID_ENTRY = "Invalid Entry: Please enter a valid positive integer";

// The sum of the table's "Frequency" column.
long FrequencySum(PelkoGrid& grid)
{
    long sum = 0;
    for (int row = 0; row < grid.GetNumberRows(); ++row)
        sum += wxAtol(grid.GetCellValue(row, 1));
    return sum;
}

} // namespace

// Switched on after the log's last recorded roll, progressive analysis brings the table and the
// log up to date at the next roll, and from then on they follow every roll.
TEST_F(DiceFrameTest, CheckingProgressiveDuringARunBringsTheViewsUpToDateAtOnce)
{
    long switchedAt = 0;
    bool checked = false;
    frame->Bind(wxEVT_IDLE, [&](wxIdleEvent& event) {
        const long made = std::accumulate(Probe().Counts().begin(), Probe().Counts().end(), 0L);
        if (Probe().Running() && !switchedAt && made > RollRecord::LIMIT) {
            Probe().SetProgressive(true);
            switchedAt = made;
        } else if (Probe().Running() && switchedAt && made > switchedAt && !checked) {
            checked = true;
            const wxString log = Probe().RollLog().GetValue();
            EXPECT_TRUE(log == ExpectedRun(1, made).Faces()) << log.length() << " characters";
            EXPECT_EQ(FrequencySum(Probe().Grid()), made);
            Probe().ClickStart();
        }
        event.Skip();
    });
    RunWith(1, 1000000, false);
    EXPECT_TRUE(checked);
    EXPECT_EQ(Probe().RollLog().GetValue(), ExpectedRun(1, Probe().Rolls()).Faces());
}

// Each case starts from 40 dice and 1500 rolls, types keys into one box, then clicks Start,
// presses Return (which presses Start) or leaves the box with Tab. An emptied box is an edit in
// progress: no message while it has the focus, one when Start is pressed or the box loses the
// focus. Other text that is no number is
// refused at once. A refusal leaves the box showing the number in force, selected and with the
// focus, and starts no run; a run uses the numbers the boxes show.
TEST_F(DiceFrameTest, RetypedNumbersAreTheNumbersTheNextRunUses)
{
    using U = SimulatedUser;
    enum Then { START, RETURN, TAB };
    struct Case {
        const char* what;
        bool dice; // typed into the dice box, or else the rolls box
        std::vector<int> keys;
        Then then;
        std::size_t typingMessages, messages;
        int number;
    };
    const std::vector<int> emptied{'a' | U::CTRL, WXK_DELETE},
        eightDigits{'a' | U::CTRL, '1', '2', '3', '4', '5', '6', '7', '8'};
    const Case cases[] = {
        {"dice emptied, Start", true, emptied, START, 0, 1, 40},
        {"rolls emptied, Start", false, emptied, START, 0, 1, 1500},
        {"dice emptied, Return", true, emptied, RETURN, 0, 1, 40},
        {"rolls emptied, Return", false, emptied, RETURN, 0, 1, 1500},
        {"dice emptied, Tab", true, {'a' | U::CTRL, WXK_BACK}, TAB, 0, 1, 40},
        {"rolls emptied, Tab", false, {'a' | U::CTRL, WXK_BACK}, TAB, 0, 1, 1500},
        {"rolls: a letter", false, {'a' | U::CTRL, 'x'}, START, 1, 1, 1500},
        {"dice: a letter, which it drops", true, {'a' | U::CTRL, 'x'}, START, 0, 1, 40},
        {"dice: Home, Delete", true, {WXK_HOME, WXK_DELETE}, START, 1, 1, 40},
        {"rolls: a minus in front", false, {WXK_HOME, '-'}, START, 1, 1, 1500},
        {"rolls: a blank after", false, {WXK_END, ' '}, START, 1, 1, 1500},
        {"dice: 150", true, {'a' | U::CTRL, '1', '5', '0'}, START, 0, 0, 100},
        {"dice: a digit after the 40", true, {WXK_END, '2'}, START, 0, 0, 100},
        {"rolls: 25", false, {'a' | U::CTRL, '2', '5'}, START, 0, 0, 25},
        {"rolls: eight digits", false, eightDigits, START, 0, 0, 1234567},
    };
    const DiceFrameProbe p = Probe();
    p.SetProgressive(false);
    int runs = 0;
    frame->SetSeedSource([&runs] { return ++runs, SEED; });
    ASSERT_TRUE(ReadyForInput());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frame->SetNumberOfDice(40);
        frame->SetNumberOfRolls(1500);
        wxWindow& box = c.dice ? static_cast<wxWindow&>(p.DiceSpin()) : p.RollsText();
        const auto boxText = [&] {
            return c.dice ? p.DiceSpin().GetTextValue() : p.RollsText().GetValue();
        };
        const auto shownAndSelected = [&] {
            return boxText() == wxString::Format("%d", c.number) && EntryAllSelected(box) &&
                   wxWindow::FindFocus() == &box;
        };
        MessageBoxAnswerer boxes;
        ASSERT_TRUE(user.TypeKeys(box, c.keys));
        LetEventsThrough(0.2);
        EXPECT_EQ(boxes.shown.size(), c.typingMessages) << "while typing";
        if (c.typingMessages) {
            EXPECT_TRUE(WaitFor(shownAndSelected, 5)) << "shows " << boxText();
        }
        const int before = runs;
        const bool refused = c.messages > c.typingMessages;
        if (c.then == START)
            user.Tap(p.StartButton());
        else
            user.Key(c.then == TAB ? WXK_TAB : WXK_RETURN);
        ASSERT_TRUE(WaitFor(
            [&] {
                return boxes.shown.size() == c.messages && !p.Running() &&
                       (refused || c.then == TAB || runs > before);
            },
            10))
            << boxes.shown.size() << " messages";
        EXPECT_EQ(boxes.shown, std::vector<std::string>(c.messages, INVALID_ENTRY));
        EXPECT_EQ(c.dice ? p.Dice() : p.Rolls(), c.number);
        if (refused) {
            EXPECT_TRUE(WaitFor(shownAndSelected, 5)) << "shows " << boxText();
        }
        EXPECT_EQ(runs - before, refused || c.then == TAB ? 0 : 1);
        if (runs > before) {
            ASSERT_EQ(p.Grid().GetNumberRows(), 5 * p.Dice() + 1);
            EXPECT_EQ(FrequencySum(p.Grid()), p.Rolls());
            EXPECT_EQ(boxText(), wxString::Format("%d", c.number));
        }
    }
    EXPECT_EQ(EntryMaxLength(p.RollsText()), 7);
}

// A double-click on Start starts a run that its second click does not stop; a later click does.
TEST_F(DiceFrameTest, ASecondClickOfADoubleClickOnStartLeavesTheRunGoing)
{
    const DiceFrameProbe p = Probe();
    p.SetProgressive(true);
    frame->SetNumberOfRolls(1000000); // far longer than the test
    ASSERT_TRUE(ReadyForInput());
    bool runningAfterTheDoubleClick = false;
    wxTimer later;
    later.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        runningAfterTheDoubleClick = p.Running();
        user.Click(p.StartButton());
    });
    later.StartOnce(1000);
    user.ClickTwice(p.StartButton(), 120);
    ASSERT_TRUE(WaitFor([&] { return startClicks == 3 && !p.Running(); }, 20));
    EXPECT_TRUE(runningAfterTheDoubleClick);
    EXPECT_GT(p.Rolls(), 1) << "the second click stopped the run at its first yield";
    EXPECT_LT(p.Rolls(), 1000000) << "the third click stopped it";
    EXPECT_EQ(p.RollsText().GetValue(), wxString::Format("%d", p.Rolls()));
}

// The double-click rule is the mouse's: a double-click whose second press was let go off the
// button leaves no second half for a key to complete, so Space on the button stops the run.
TEST_F(DiceFrameTest, AKeyOnStartIsNeverTheSecondHalfOfADoubleClick)
{
    const DiceFrameProbe p = Probe();
    p.SetProgressive(true);
    p.SelectSpeed(0); // 1 roll a second
    frame->SetNumberOfRolls(1000000);
    ASSERT_TRUE(ReadyForInput());
    bool focusOnStart = false, swallowed = false;
    wxTimer space, giveUp;
    space.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        focusOnStart = wxWindow::FindFocus() == &p.StartButton();
        user.Key(' ');
    });
    giveUp.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        swallowed = p.Running();
        p.ClickStart();
    });
    space.StartOnce(1000);
    giveUp.StartOnce(3000);
    wxUIActionSimulator mouse;
    mouse.MouseMove(p.StartButton().GetScreenRect().GetPosition() + p.StartButton().GetSize() / 2);
    LetEventsThrough(0.05);
    mouse.MouseClick();
    wxMilliSleep(120);
    mouse.MouseDown();
    mouse.MouseMove(frame->GetScreenRect().GetBottomRight() - wxPoint(5, 5));
    mouse.MouseUp();
    ASSERT_TRUE(WaitFor([&] { return startClicks > 0 && !p.Running(); }, 10));
    EXPECT_TRUE(focusOnStart);
    EXPECT_FALSE(swallowed) << "the first Space did not stop the run";
}

namespace {

// What Ctrl+C on the table puts on the clipboard.
wxString CopiedByCtrlC(PelkoGrid& grid)
{
    wxKeyEvent ctrlC(wxEVT_KEY_DOWN);
    ctrlC.m_keyCode = 'C';
    ctrlC.SetControlDown(true);
    grid.GetEventHandler()->ProcessEvent(ctrlC);
    wxClipboardLocker locker;
    wxTextDataObject text;
    return !!locker && wxTheClipboard->GetData(text) ? text.GetText() : wxString();
}

// How many cells of the table are highlighted as selected.
int HighlightedCells(PelkoGrid& grid)
{
    int cells = 0;
    for (int row = 0; row < grid.GetNumberRows(); ++row)
        for (int col = 0; col < grid.GetNumberCols(); ++col)
            cells += grid.IsInSelection(row, col);
    return cells;
}

} // namespace

// A run rebuilds the table: afterwards nothing is highlighted, and Ctrl+C copies the cell under
// the cursor, not a block that no longer shows.
TEST_F(DiceFrameTest, ARunClearsTheTablesSelectionAndWhatACopyTakes)
{
    struct Case {
        const char* what;
        int diceBefore, top, bottom, diceAfter;
        const char* before;
    };
    const Case cases[] = {
        {"the block moves up onto the rows left", 100, 495, 500, 1,
         "595\r\n596\r\n597\r\n598\r\n599\r\n600\r\n"},
        {"the block moves out of the table", 100, 100, 102, 2, "200\r\n201\r\n202\r\n"},
        {"the table grows under the block", 2, 0, 2, 100, "2\r\n3\r\n4\r\n"},
    };
    PelkoGrid& grid = Probe().Grid();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RunWith(c.diceBefore, 10, false);
        grid.SelectBlock(c.top, 0, c.bottom, 0);
        ASSERT_EQ(CopiedByCtrlC(grid), c.before);
        RunWith(c.diceAfter, 10, false);
        EXPECT_EQ(HighlightedCells(grid), 0);
        EXPECT_EQ(CopiedByCtrlC(grid), wxString::Format("%d", c.diceAfter))
            << "the cursor stays on the first sum";
    }
}
