#include "DiceFrameFixture.h"

#include "app/DiceApp.h"

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
    ASSERT_EQ(p.Notebook().GetPageCount(), 2u);
    EXPECT_EQ(p.Notebook().GetPageText(0), "Analysis");
    EXPECT_EQ(p.Notebook().GetPageText(1), "Column Graph");
    EXPECT_EQ(p.Notebook().GetSelection(), 0);
    // The window opens at the smallest size its layout allows.
    EXPECT_EQ(frame->GetMinSize(), frame->GetSize());
}

TEST_F(DiceFrameTest, CommandLineSetsDiceAndRollsWithinTheirLimits)
{
    struct Case { std::vector<wxString> args; int dice, rolls; const char* rollsText; };
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
        std::vector<wxString> argv{"zobrin"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        DiceApp::ApplyArguments(*f, static_cast<int>(argv.size()), argv.data());
        const DiceFrameProbe p(*f);
        EXPECT_EQ(p.Dice(), c.dice) << c.args.size() << " arguments";
        EXPECT_EQ(p.DiceSpin().GetValue(), c.dice);
        EXPECT_EQ(p.Rolls(), c.rolls);
        EXPECT_EQ(p.RollsText().GetValue(), c.rollsText);
        f->Destroy();
    }
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

TEST_F(DiceFrameTest, CheckingProgressiveDuringARunFollowsEveryRollFromThen)
{
    AtFirstYield([this] { Probe().SetProgressive(true); });
    RunWith(2, 3000, false);
    ExpectIdleAfter(3000);
    EXPECT_EQ(Probe().RollLog().GetValue(), ExpectedRun(2, 3000).Faces());
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

TEST_F(DiceFrameTest, TypedRollsAreCheckedAsTheyChange)
{
    const DiceFrameProbe p = Probe();
    for (const char* bad : {"abc", "0", "-2", "5 ", "1e3", ""}) {
        TypeOver(p.RollsText(), bad, true);
        EXPECT_EQ(p.Rolls(), 1500) << '"' << bad << '"';
        EXPECT_EQ(p.RollsText().GetValue(), bad) << "the invalid text stays";
    }
    for (auto [text, value] : {std::pair{"007", 7}, {" 5", 5}, {"9999999", 9999999}}) {
        TypeOver(p.RollsText(), text, false);
        EXPECT_EQ(p.Rolls(), value) << text;
    }
    EXPECT_EQ(EntryMaxLength(p.RollsText()), 7);

    // A run started after a refused entry uses the last good number and shows it at the end.
    TypeOver(p.RollsText(), "abc", true);
    p.SetProgressive(false);
    p.ClickStart();
    ExpectIdleAfter(9999999);
}

TEST_F(DiceFrameTest, TypedDiceAreCheckedAndCappedAt100)
{
    const DiceFrameProbe p = Probe();
    TypeOver(p.DiceSpin(), "15", false);
    EXPECT_EQ(p.Dice(), 15);
    TypeOver(p.DiceSpin(), "150", false);
    EXPECT_EQ(p.Dice(), 100);
    EXPECT_EQ(p.DiceSpin().GetValue(), 100);
    EXPECT_EQ(p.DiceSpin().GetTextValue(), "100");
    for (const char* bad : {"0", "-2", ""}) {
        TypeOver(p.DiceSpin(), bad, true);
        EXPECT_EQ(p.Dice(), 100) << '"' << bad << '"';
    }
}
