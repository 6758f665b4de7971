#pragma once

#include "DiceFrameProbe.h"
#include "GtkTyping.h"

#include "app/DiceRun.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/weakref.h>

#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace diceframetest {

inline const std::uint32_t SEED = 4242;

// Expects the "Invalid Entry" message box and answers it with OK.
class ExpectInvalidEntry : public wxExpectDismissableModal<wxMessageDialog> {
public:
    ExpectInvalidEntry() : wxExpectDismissableModal<wxMessageDialog>(wxID_OK) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetTitle(), "Invalid Entry");
        EXPECT_EQ(dialog->GetMessage(), "Please enter a valid positive integer");
        return wxID_OK;
    }
};

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

    // Types over the text of a number box. Clearing a box is refused at once, like every entry
    // that is not a positive number, so the message shows up to twice.
    void TypeOver(wxWindow& box, const char* text, bool refused)
    {
        SCOPED_TRACE(text);
        const bool clears = !EntryText(box).empty();
        const bool refusesText = refused && *text != '\0';
        if (clears && refusesText) {
            wxTEST_DIALOG(TypeIntoEntry(box, text), ExpectInvalidEntry(), ExpectInvalidEntry());
        } else if (clears || refusesText) {
            wxTEST_DIALOG(TypeIntoEntry(box, text), ExpectInvalidEntry());
        } else {
            TypeIntoEntry(box, text);
        }
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

    DiceFrame* frame = nullptr;
    wxWeakRef<DiceFrame> alive;
};

} // namespace diceframetest
