#pragma once

#include "app/export/RunPicture.h"
#include "app/run/EntropySeed.h"
#include "app/run/RunDriver.h"
#include "app/run/RunModel.h"

#include <wx/frame.h>

#include <cstdint>
#include <functional>
#include <memory>

class DoubleClickFilter;
class NumberBox;
class NumberSpin;
class ResultsNotebook;
class RollLogFollower;
class RollLogView;
class PrintCommand;
class SaveCommand;
class WindowZoom;
class WrappedText;
class wxBoxSizer;
class wxButton;
class wxCheckBox;
class wxChoice;
class wxGauge;
class wxPanel;
class wxStaticBitmap;
class wxStaticBoxSizer;
class wxStaticText;
class wxTextCtrl;
class wxUpdateUIEvent;

// The program's window: the run parameters, the Start/Stop button, the log of faces rolled and
// the notebook with the results. A run happens inside the Start click's handler, letting events
// through between rolls so that Stop, closing and repaints still work. The run's state is the
// model's; the log box and each page of the notebook are views of it, told through the model
// when a run starts, after each roll while progressive analysis is on, and when it ends.
class DiceFrame : public wxFrame, private RunDriver::Host {
public:
    enum {
        ID_START = 1,
        ID_DICE = 2,
        ID_ROLLS = 3,
        ID_SPEED = 4,
        ID_PROGRESSIVE = 5,
        ID_DIE = 6,
        ID_TEST_FAIR = 7
    };

    DiceFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
              const wxSize& size);
    ~DiceFrame() override;

    void SetNumberOfDice(int n);
    void SetNumberOfRolls(int n);

    // The die of the next runs, and whether their rolls are tested against fair dice.
    void SetDie(const Die& die);
    void SetTestAgainstFair(bool fair);

    // Where each run takes its seed; by default the system's entropy.
    void SetSeedSource(std::function<std::uint32_t()> source) { seedSource = std::move(source); }

    // The zoom of the window's texts.
    WindowZoom& Zoom() const { return *zoom; }

private:
    void CreateControls();
    void CreateDieControls();
    void SetUpPage();
    void DoLayout();
    wxBoxSizer* MakeLeftColumn();
    wxBoxSizer* MakeRightColumn();
    void ArrangeBody();
    void DrawDie(int size);

    void OnStartStop(wxCommandEvent& event);
    void OnSpeedChoice(wxCommandEvent& event);
    void OnDieChoice(wxCommandEvent& event);
    void OnTestFairCheck(wxCommandEvent& event);
    void OnProgressiveCheck(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnPrint(wxCommandEvent& event);
    RunPicture::Graph ShownGraph() const;
    void OnQuit(wxCommandEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnUpdateCopy(wxUpdateUIEvent& event);
    void OnZoom(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);

    void RequestStop();
    void Run();
    bool FollowsRolls() const override;
    double Seconds() const override;
    void ShowProgress(long value) override;
    bool BetweenSteps() override;
    void PauseForPace();
    static void DispatchFor(double seconds);
    void FinishRun(bool progressive);
    void SetRunControls(bool runStarts);
    bool Progressive() const;

    void PrepareViews();
    void ShowFinalResults(bool followed);
    static double Now();

    RunModel model;
    bool closing = false;
    // A run's handler is on the call stack: from Start until the run returns, Stopping included.
    bool runOnStack = false;
    std::function<std::uint32_t()> seedSource = EntropySeed;

    wxStaticBoxSizer* dataBoxSizer = nullptr;
    WrappedText* instructionsText = nullptr;
    wxStaticText* diceLabel = nullptr;
    NumberSpin* diceSpin = nullptr;
    wxStaticText* rollsLabel = nullptr;
    wxTextCtrl* rollsText = nullptr;
    // What the two boxes feed into the model; each goes before its box.
    std::unique_ptr<NumberBox> diceBox, rollsBox;
    wxStaticText* dieLabel = nullptr;
    wxChoice* dieChoice = nullptr;
    wxCheckBox* testFairCheck = nullptr;
    wxCheckBox* progressiveCheck = nullptr;
    wxStaticText* speedLabel = nullptr;
    wxChoice* speedChoice = nullptr;
    RollLogView* rollLog = nullptr;
    std::unique_ptr<RollLogFollower> logFollower;
    wxButton* startButton = nullptr;
    std::unique_ptr<DoubleClickFilter> startDoubleClicks;
    wxStaticBitmap* dicePicture = nullptr;
    wxGauge* progressGauge = nullptr;
    ResultsNotebook* notebook = nullptr;
    wxPanel* mainPanel = nullptr;
    wxBoxSizer* body = nullptr; // the two columns
    std::unique_ptr<WindowZoom> zoom;
    std::unique_ptr<SaveCommand> saveCommand;
    std::unique_ptr<PrintCommand> printCommand;

    friend class DiceFrameProbe; // lets the window tests read the controls
    wxDECLARE_EVENT_TABLE();
};
