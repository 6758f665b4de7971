// The "Data" box in the window while a progressive run goes on and when it is stopped.
#include "DiceFrameFixture.h"

#include <wx/settings.h>

using namespace diceframetest;

TEST_F(DiceFrameTest, LogFollowsAProgressiveRunRollByRollAndHoldsEveryRollAtAStop)
{
    RollLogView& log = Probe().RollLog();
    EXPECT_EQ(log.GetBackgroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    EXPECT_EQ(log.GetFont(), wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    const auto lastLineInView = [&log] {
        const int inView = log.GetClientSize().y / log.GetCharHeight();
        return log.GetViewStart().y + inView >= log.GetNumberOfLines();
    };

    // After every roll, the box holds the record so far with its latest roll in view, until the
    // Stop clicked in the 400th pass of events.
    const ExpectedRun expected(100, 500);
    int passes = 0, behind = 0, outOfView = 0;
    frame->Bind(wxEVT_IDLE, [&](wxIdleEvent& event) {
        const long n = std::accumulate(Probe().Counts().begin(), Probe().Counts().end(), 0L);
        if (Probe().Running() && n > 0) {
            behind += log.GetValue() != expected.Faces().substr(0, n * 101);
            outOfView += !lastLineInView();
            if (++passes == 400)
                Probe().ClickStart();
        }
        event.Skip();
    });
    RunWith(100, 100000, true);
    EXPECT_EQ(passes, 400);
    EXPECT_EQ(behind, 0) << "passes where the box did not hold every roll made";
    EXPECT_EQ(outOfView, 0) << "passes where the latest roll was out of view";
    const long made = Probe().Rolls();
    ASSERT_GE(made, 400);
    ASSERT_LE(made, 500);
    EXPECT_EQ(log.GetValue(), expected.Faces().substr(0, made * 101));
    EXPECT_TRUE(lastLineInView());
}
