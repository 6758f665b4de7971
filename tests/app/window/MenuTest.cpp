#include "DiceFrameFixture.h"
#include "GtkDialogUser.h"

using namespace diceframetest;

// Ctrl+Q, typed through the display server, closes the window as its close button does, in the
// middle of a run too.
TEST_F(DiceFrameTest, CtrlQQuitsDuringARun)
{
    ASSERT_TRUE(ReadyForInput());
    ASSERT_TRUE(user.Click(Probe().RollsText()));
    Probe().SelectSpeed(0); // a roll a second: the run is still going when the key arrives
    AtFirstYield([this] { user.Key('q' | SimulatedUser::CTRL); });
    RunWith(2, 100, true);
    EXPECT_FALSE(frame->IsShown());
    EXPECT_LT(std::accumulate(Probe().Counts().begin(), Probe().Counts().end(), 0L), 100);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(alive) << "Ctrl+Q closed the window";
}

// Help > About shows the About box.
TEST_F(DiceFrameTest, HelpAboutShowsTheAboutBox)
{
    GtkDialogUser reader("About Zobrin", "", {});
    wxCommandEvent choice(wxEVT_MENU, wxID_ABOUT);
    frame->GetEventHandler()->ProcessEvent(choice);
    EXPECT_TRUE(WaitFor([&] { return reader.Answered(); }, 10));
}
