#pragma once

#include "app/run/RollPace.h"
#include "app/run/RollRecord.h"
#include "graph/model/dataSeries.h"

#include <wx/frame.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class DiceRun;
class PelkoGrid;
class RollLogView;
class RunProgress;
class TheoryPage;
class bufferedCoordSys;
class wxBoxSizer;
class wxButton;
class wxCheckBox;
class wxChoice;
class wxGauge;
class wxMouseEvent;
class wxNotebook;
class wxPanel;
class wxSpinCtrl;
class wxSpinEvent;
class wxStaticBitmap;
class wxStaticBoxSizer;
class wxStaticText;
class wxTextCtrl;

// The program's window: the run parameters, the Start/Stop button, the log of faces rolled and
// the notebook with the results. A run happens inside the Start click's handler, letting events
// through between rolls so that Stop, closing and repaints still work.
class DiceFrame : public wxFrame {
public:
    enum { ID_START = 1, ID_DICE = 2, ID_ROLLS = 3, ID_SPEED = 4 };

    DiceFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
              const wxSize& size);

    void SetNumberOfDice(int n);
    void SetNumberOfRolls(int n);

    // Where each run takes its seed; by default the clock (day x second x millisecond).
    void SetSeedSource(std::function<std::uint32_t()> source) { seedSource = std::move(source); }
    static std::uint32_t ClockSeed();

private:
    void CreateControls();
    void SetUpPage();
    void DoLayout();
    wxBoxSizer* MakeLeftColumn();
    wxBoxSizer* MakeRightColumn();
    static void FitTo(wxWindow* window, wxSizer* sizer);

    void OnStartStop(wxCommandEvent& event);
    void OnStartDoubleClick(wxMouseEvent& event);
    void OnStartPress(wxMouseEvent& event);
    void OnDiceSpin(wxSpinEvent& event);
    void OnDiceText(wxCommandEvent& event);
    void CheckDiceText();
    void RefuseDiceEntry();
    void OnRollsText(wxCommandEvent& event);
    void OnSpeedChoice(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);

    void RequestStop();
    void Run();
    bool RollLoop(DiceRun& run, const RunProgress& progress);
    bool YieldAndCheck(long n);
    void PauseForPace();
    static void DispatchFor(double seconds);
    void FinishRun(bool progressive);
    void SetRunControls(bool runStarts);
    bool Progressive() const;

    void SetUpTable();
    void SetUpColumn(int col, const wxString& label, int width, bool white);
    int LabelWidth(const wxString& label) const;
    void SetUpSeries();
    void SetUpGraph();

    void PrepareViews();
    void UpdateViewsAfterRoll(int sum, long n);
    void ShowFinalResults();
    void ShowTable(long n);
    void PrepareTable();
    void ShowCountInTable(int row);
    void ShowPercentagesInTable(long n);
    double RebuildColumns(long n);
    void UpdateLog(long n);
    void CatchUpLog();
    void ShowInLog(const std::string& text);
    static double Now();

    static void ShowInvalidEntry();

    // The columns of the graph: the window owns them, the graph only shows them.
    dataSeries series;
    std::vector<int> counts;
    bool running = false;
    // The second press of a double-click on Start came while the run goes on: the click it
    // makes is not a Stop.
    bool startClickRepeated = false;
    bool closing = false;
    // A run's handler is on the call stack: from Start until the run returns, Stopping included.
    bool runOnStack = false;
    int numberOfRolls = 1500;
    int numberOfDice = 1;
    // A check of the dice box's text waits for the keystroke to be through.
    bool diceCheckPending = false;
    // The message about an invalid number of dice is up.
    bool refusingDice = false;
    RollRecord rollRecord;
    // The length of this run's record that the log box shows, or NOT_SHOWN while it still shows
    // an earlier run's.
    static constexpr std::size_t NOT_SHOWN = std::string::npos;
    std::size_t logShown = NOT_SHOWN;
    std::function<std::uint32_t()> seedSource = ClockSeed;
    std::uint32_t runSeed = 0; // the seed the last run took
    RollPace rollPace;

    wxStaticBoxSizer* dataBoxSizer = nullptr;
    wxStaticText* instructionsText = nullptr;
    wxStaticText* diceLabel = nullptr;
    wxSpinCtrl* diceSpin = nullptr;
    wxStaticText* rollsLabel = nullptr;
    wxTextCtrl* rollsText = nullptr;
    wxCheckBox* progressiveCheck = nullptr;
    wxStaticText* speedLabel = nullptr;
    wxChoice* speedChoice = nullptr;
    RollLogView* rollLog = nullptr;
    wxButton* startButton = nullptr;
    wxStaticBitmap* dicePicture = nullptr;
    wxGauge* progressGauge = nullptr;
    PelkoGrid* resultsGrid = nullptr;
    wxPanel* analysisPage = nullptr;
    bufferedCoordSys* graph = nullptr;
    wxPanel* graphPage = nullptr;
    TheoryPage* theoryPage = nullptr;
    wxNotebook* notebook = nullptr;
    wxPanel* mainPanel = nullptr;

    friend class DiceFrameProbe; // lets the window tests read the controls
    wxDECLARE_EVENT_TABLE();
};
