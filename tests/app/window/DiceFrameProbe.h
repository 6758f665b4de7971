#pragma once

#include "app/window/AnalysisPage.h"
#include "app/window/ColumnGraphPage.h"
#include "app/window/DiceFrame.h"
#include "app/window/FrequencyTable.h"
#include "app/window/NumberSpin.h"
#include "app/window/PrintCommand.h"
#include "app/window/ResultsNotebook.h"
#include "app/window/RollLogView.h"
#include "app/window/SaveCommand.h"
#include "app/window/TheoryPage.h"
#include "graph/window/bufferedCoordSys.h"
#include "grid/window/PelkoGrid.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/gauge.h>
#include <wx/notebook.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include <vector>

// Reads a DiceFrame's controls and acts on them the way a user would: clicks and typing arrive
// as the events the toolkit would send.
class DiceFrameProbe {
public:
    explicit DiceFrameProbe(DiceFrame& frame) : f(frame) {}

    const RunModel& Model() const { return f.model; }
    int Dice() const { return f.model.Dice(); }
    int Rolls() const { return f.model.Rolls(); }
    bool Running() const { return f.model.Running(); }
    const std::vector<int>& Counts() const { return f.model.Counts(); }
    // The seed the next run takes.
    std::uint32_t NextSeed() const { return f.seedSource(); }
    wxSpinCtrl& DiceSpin() const { return *f.diceSpin; }
    wxTextCtrl& RollsText() const { return *f.rollsText; }
    RollLogView& RollLog() const { return *f.rollLog; }
    wxCheckBox& ProgressiveCheck() const { return *f.progressiveCheck; }
    wxChoice& SpeedChoice() const { return *f.speedChoice; }
    TheoryPage& Theory() const { return f.notebook->Theory(); }
    wxButton& StartButton() const { return *f.startButton; }
    wxGauge& Gauge() const { return *f.progressGauge; }
    wxNotebook& Notebook() const { return *f.notebook; }
    wxWindow& MainPanel() const { return *f.mainPanel; }
    wxStaticBitmap& DiePicture() const { return *f.dicePicture; }
    PelkoGrid& Grid() const { return f.notebook->Analysis().Grid(); }
    bufferedCoordSys& Graph() const { return f.notebook->ColumnGraph().Graph(); }
    const dataSeries& Series() const { return f.notebook->ColumnGraph().Series(); }
    SaveCommand& Saving() const { return *f.saveCommand; }
    PrintCommand& Printing() const { return *f.printCommand; }

    // Shows the percentages of made-up counts of n rolls in the table.
    void ShowPercentages(const std::vector<int>& counts, long n) const
    {
        f.notebook->Analysis().Table().Show(counts, n);
    }

    void ClickStart() const
    {
        wxCommandEvent click(wxEVT_BUTTON, DiceFrame::ID_START);
        click.SetEventObject(f.startButton);
        f.startButton->GetEventHandler()->ProcessEvent(click);
    }

    void SetProgressive(bool on) const { f.progressiveCheck->SetValue(on); }
    // The die of the next run, and what its rolls are tested against, as the model takes them.
    void SetDie(const Die& die) const { f.model.SetDie(die); }
    void SetTestAgainstFair(bool fair) const { f.model.SetTestAgainstFair(fair); }

    // Picks a pace from the Speed choice, as a click on its item does.
    void SelectSpeed(int setting) const
    {
        f.speedChoice->SetSelection(setting);
        wxCommandEvent pick(wxEVT_CHOICE, DiceFrame::ID_SPEED);
        pick.SetEventObject(f.speedChoice);
        pick.SetInt(setting);
        f.speedChoice->GetEventHandler()->ProcessEvent(pick);
    }

private:
    DiceFrame& f;
};
