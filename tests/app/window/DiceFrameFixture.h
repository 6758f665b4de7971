#pragma once

#include "DiceFrameProbe.h"
#include "GtkTyping.h"
#include "SimulatedUser.h"
#include "ToolkitTestSupport.h"

#include "app/run/DiceRun.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace diceframetest {

inline const std::uint32_t SEED = 4242;

// What a run of `rolls` rolls with SEED gives, made roll by roll outside any window.
struct ExpectedRun {
    ExpectedRun(int dice, long rolls)
    {
        DiceRun run(dice, rolls, SEED, counts, record);
        for (long i = 0; i < rolls; ++i)
            sums.push_back(run.RollOne());
    }
    std::vector<int> counts;
    std::vector<int> sums;
    RollRecord record;
    std::string Faces() const { return record.Text().substr(0, record.FacesLength()); }
};

class DiceFrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
        frame->SetSeedSource([] { return SEED; });
        Probe().StartButton().Bind(wxEVT_BUTTON, &DiceFrameTest::CountStartClick, this);
        frame->Show();
        alive = frame;
    }
    void TearDown() override
    {
        if (alive)
            frame->Destroy();
        wxTheApp->ProcessIdle();
    }

    // Starts a run and returns when it is over.
    void RunWith(int dice, int rolls, bool progressive)
    {
        frame->SetNumberOfDice(dice);
        frame->SetNumberOfRolls(rolls);
        Probe().SetProgressive(progressive);
        Probe().ClickStart();
    }

    // Clicks Start with the mouse and waits until the run it started is over.
    bool ClickStartAndWaitForTheRun()
    {
        const int before = startClicks;
        return user.Click(Probe().StartButton()) &&
               WaitFor([&] { return startClicks > before && !Probe().Running(); }, 20);
    }

    // Waits until the window is on the screen and takes keys and clicks.
    bool ReadyForInput()
    {
        const bool shown = WaitFor([&] { return frame->IsShownOnScreen(); }, 5);
        LetEventsThrough(0.2);
        return shown;
    }

    // Queues `action` to happen at the run's first yield.
    void AtFirstYield(std::function<void()> action) { wxTheApp->CallAfter(std::move(action)); }

    void ExpectIdleAfter(int rolls)
    {
        EXPECT_FALSE(Probe().Running());
        EXPECT_EQ(Probe().StartButton().GetLabel(), "Start");
        EXPECT_TRUE(Probe().StartButton().IsEnabled());
        EXPECT_TRUE(Probe().RollsText().IsEnabled());
        EXPECT_TRUE(Probe().DiceSpin().IsEnabled());
        EXPECT_EQ(Probe().Rolls(), rolls);
        EXPECT_EQ(Probe().RollsText().GetValue(), wxString::Format("%d", rolls));
        EXPECT_EQ(std::accumulate(Probe().Counts().begin(), Probe().Counts().end(), 0L), rolls);
    }

    DiceFrameProbe Probe() const { return DiceFrameProbe(*frame); }

    // Counts the clicks on Start; the window's own handler then takes each.
    void CountStartClick(wxCommandEvent& click)
    {
        ++startClicks;
        click.Skip();
    }

    DiceFrame* frame = nullptr;
    wxWeakRef<DiceFrame> alive;
    SimulatedUser user;
    int startClicks = 0;
};

} // namespace diceframetest
