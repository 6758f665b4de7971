#include "app/window/DiceFrame.h"

#include "app/run/DieChoice.h"
#include "app/run/RunArguments.h"
#include "app/run/RunDriver.h"
#include "app/window/ColumnGraphPage.h"
#include "app/window/DieImages.h"
#include "app/window/DoubleClickFilter.h"
#include "app/window/FitTo.h"
#include "app/window/FocusCopy.h"
#include "app/window/LoadedDieDialog.h"
#include "app/window/MainMenu.h"
#include "app/window/NumberBox.h"
#include "app/window/NumberSpin.h"
#include "app/window/PrintCommand.h"
#include "app/window/ResultsNotebook.h"
#include "app/window/RollLogFollower.h"
#include "app/window/RollLogView.h"
#include "app/window/SaveCommand.h"
#include "app/window/TheoryPage.h"
#include "app/window/WindowZoom.h"
#include "app/window/WrappedText.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/gauge.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <chrono>
#include <cmath>

wxBEGIN_EVENT_TABLE(DiceFrame, wxFrame)
    EVT_BUTTON(ID_START, DiceFrame::OnStartStop)
    EVT_CHOICE(ID_SPEED, DiceFrame::OnSpeedChoice)
    EVT_CHOICE(ID_DIE, DiceFrame::OnDieChoice)
    EVT_CHECKBOX(ID_TEST_FAIR, DiceFrame::OnTestFairCheck)
    EVT_CHECKBOX(ID_PROGRESSIVE, DiceFrame::OnProgressiveCheck)
    EVT_CLOSE(DiceFrame::OnClose)
    EVT_MENU(wxID_SAVE, DiceFrame::OnSave)
    EVT_MENU(wxID_PRINT, DiceFrame::OnPrint)
    EVT_MENU(wxID_EXIT, DiceFrame::OnQuit)
    EVT_MENU(wxID_COPY, DiceFrame::OnCopy)
    EVT_UPDATE_UI(wxID_COPY, DiceFrame::OnUpdateCopy)
    EVT_MENU(wxID_ZOOM_IN, DiceFrame::OnZoom)
    EVT_MENU(wxID_ZOOM_OUT, DiceFrame::OnZoom)
    EVT_MENU(wxID_ZOOM_100, DiceFrame::OnZoom)
    EVT_MENU(wxID_ABOUT, DiceFrame::OnAbout)
wxEND_EVENT_TABLE()

namespace {

const int MAX_DICE = 100;
const int MAX_ROLLS = 9999999; // as many as the box takes digits
const int MAX_ROLLS_FROM_COMMAND_LINE = 1000000;
const std::string INSTRUCTIONS = "Enter the number of dice and the number of times to roll them, "
                                 "then click [Start] to begin the simulation.";

wxFont ControlFont(int points, wxFontWeight weight)
{
    return wxFont(points, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, weight, false, "",
                  wxFONTENCODING_DEFAULT);
}

wxStaticBox* MakeBox(wxWindow* parent, const wxString& label)
{
    auto* box = new wxStaticBox(parent, wxID_ANY, label);
    box->SetFont(ControlFont(8, wxFONTWEIGHT_BOLD));
    return box;
}

} // namespace

DiceFrame::DiceFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
                     const wxSize& size)
    : wxFrame(parent, id, title, pos, size, wxDEFAULT_FRAME_STYLE)
{
    SetMenuBar(MakeMainMenu());
    CreateControls();
    SetUpPage();
    DoLayout();
    zoom = std::make_unique<WindowZoom>(*this, notebook->Pages());
    zoom->arrange = [this](const ZoomLevel& level) {
        ArrangeBody();
        DrawDie(level.Scale(DieImages::PICTURE_SIZE));
    };
    saveCommand = std::make_unique<SaveCommand>(*this, model, [this] { return ShownGraph(); });
    printCommand = std::make_unique<PrintCommand>(*this, model);
}

DiceFrame::~DiceFrame() = default;

// ---- Building the window ----

void DiceFrame::CreateControls()
{
    // Where the screen is too small for the window at its zoom, the window scrolls as a whole.
    auto* scrolled = new wxScrolled<wxPanel>(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                             wxTAB_TRAVERSAL | wxNO_BORDER | wxHSCROLL | wxVSCROLL);
    scrolled->SetScrollRate(10, 10);
    mainPanel = scrolled;
    notebook = new ResultsNotebook(mainPanel, model);
    dataBoxSizer = new wxStaticBoxSizer(MakeBox(mainPanel, "Data"), wxHORIZONTAL);
    instructionsText = new WrappedText(mainPanel, INSTRUCTIONS);
    diceLabel = new wxStaticText(mainPanel, wxID_ANY, "Number of dice:");
    diceSpin = new NumberSpin(mainPanel, ID_DICE, "1", wxDefaultPosition, wxDefaultSize,
                              wxSP_ARROW_KEYS, 1, MAX_DICE, 1);
    diceBox = std::make_unique<NumberBox>(
        *diceSpin, MAX_DICE, [this] { return model.Dice(); }, [this](int n) { model.SetDice(n); });
    rollsLabel = new wxStaticText(mainPanel, wxID_ANY, "Number of rolls:");
    rollsText = new wxTextCtrl(mainPanel, ID_ROLLS, "1500");
    rollsBox = std::make_unique<NumberBox>(
        *rollsText, MAX_ROLLS, [this] { return model.Rolls(); },
        [this](int n) { model.SetRolls(n); });
    CreateDieControls();
    progressiveCheck = new wxCheckBox(mainPanel, ID_PROGRESSIVE, "Progressive analysis (slower)");
    speedLabel = new wxStaticText(mainPanel, wxID_ANY, "Speed:");
    speedChoice = new wxChoice(mainPanel, ID_SPEED);
    rollLog = new RollLogView(mainPanel, wxID_ANY);
    logFollower = std::make_unique<RollLogFollower>(*rollLog);
    model.AddView(*logFollower);
    startButton = new wxButton(mainPanel, ID_START, "Start");
    startDoubleClicks =
        std::make_unique<DoubleClickFilter>(*startButton, [this] { return model.Running(); });
    dicePicture = new wxStaticBitmap(mainPanel, wxID_ANY, DieImages::Picture());
    progressGauge = new wxGauge(mainPanel, wxID_ANY, 10, wxDefaultPosition, wxDefaultSize,
                                wxGA_HORIZONTAL | wxGA_SMOOTH);
}

// The die of the next run, chosen between runs like the number of dice: fair dice by name, or
// "loaded...", whose dialog makes a loaded die. Under it, what the rolls are tested against.
void DiceFrame::CreateDieControls()
{
    dieLabel = new wxStaticText(mainPanel, wxID_ANY, "Die:");
    dieLabel->SetFont(ControlFont(8, wxFONTWEIGHT_BOLD));
    dieChoice = new wxChoice(mainPanel, ID_DIE);
    for (const std::string& label : DieChoice::Labels())
        dieChoice->Append(wxString::FromUTF8(label));
    dieChoice->SetSelection(DieChoice::IndexOf(model.GetDie()));
    testFairCheck = new wxCheckBox(mainPanel, ID_TEST_FAIR, "test against fair dice");
    testFairCheck->SetFont(ControlFont(8, wxFONTWEIGHT_BOLD));
}

void DiceFrame::SetTestAgainstFair(bool fair)
{
    model.SetTestAgainstFair(fair);
    testFairCheck->SetValue(fair);
}

// The Theory page tests the rolls shown anew at once.
void DiceFrame::OnTestFairCheck(wxCommandEvent&)
{
    model.SetTestAgainstFair(testFairCheck->GetValue());
    notebook->Theory().Retest(model);
}

void DiceFrame::SetDie(const Die& die)
{
    model.SetDie(die);
    dieChoice->SetSelection(DieChoice::IndexOf(die));
}

// A die offered by name is taken at once; "loaded..." asks for the weights, and a cancelled
// dialog keeps the die there was.
void DiceFrame::OnDieChoice(wxCommandEvent&)
{
    if (const std::optional<Die> die = DieChoice::At(dieChoice->GetSelection())) {
        model.SetDie(*die);
        return;
    }
    LoadedDieDialog dialog(this, model.GetDie());
    if (dialog.ShowModal() == wxID_OK)
        model.SetDie(dialog.Result());
    dieChoice->SetSelection(DieChoice::IndexOf(model.GetDie()));
}

void DiceFrame::SetUpPage()
{
    SetTitle("Zobrin");
    SetIcons(DieImages::Icons());
    instructionsText->SetFont(ControlFont(10, wxFONTWEIGHT_NORMAL));
    // The box is as wide as the text's first line used to be; wider, the text takes the room.
    instructionsText->SetLeastWidthTo(INSTRUCTIONS.substr(0, INSTRUCTIONS.find(" simulation")));
    for (wxWindow* control :
         {static_cast<wxWindow*>(diceLabel), static_cast<wxWindow*>(rollsLabel),
          static_cast<wxWindow*>(progressiveCheck), static_cast<wxWindow*>(speedLabel),
          static_cast<wxWindow*>(startButton)})
        control->SetFont(ControlFont(8, wxFONTWEIGHT_BOLD));
    // Sizers take a control's minimum size, not its current one, so the sizes are minimums.
    // GTK's spin button with its two buttons needs more than 100 pixels; it never gets less
    // than it needs, or its text is cut off.
    diceSpin->SetInitialSize(wxSize(std::max(100, diceSpin->GetBestSize().x), -1));
    rollsText->SetMaxLength(7);
    progressiveCheck->SetValue(true);
    for (int setting = 0; setting < RollPace::Settings(); ++setting)
        speedChoice->Append(RollPace::Label(setting));
    speedChoice->SetSelection(model.Pace().Setting());
    rollLog->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    startButton->SetDefault();
    progressGauge->SetInitialSize(wxSize(-1, 15));
}

wxBoxSizer* DiceFrame::MakeLeftColumn()
{
    auto* diceRow = new wxBoxSizer(wxHORIZONTAL);
    diceRow->Add(diceLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 30);
    diceRow->Add(diceSpin, 0, wxBOTTOM, 4);
    auto* rollsRow = new wxBoxSizer(wxHORIZONTAL);
    rollsRow->Add(rollsLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 30);
    rollsRow->Add(rollsText, 0, wxTOP, 4);
    auto* dieRow = new wxBoxSizer(wxHORIZONTAL);
    dieRow->Add(dieLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 30);
    dieRow->Add(dieChoice, 0, wxTOP, 4);

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(diceRow, 0, wxEXPAND | wxLEFT, 5);
    left->Add(rollsRow, 0, wxEXPAND | wxLEFT, 5);
    left->Add(dieRow, 0, wxEXPAND | wxLEFT, 5);
    left->Add(testFairCheck, 0, wxEXPAND | wxLEFT | wxTOP, 10);
    left->Add(progressiveCheck, 0, wxEXPAND | wxALL, 10);
    // The pace belongs to progressive runs, so it sits under their check box, indented.
    auto* speedRow = new wxBoxSizer(wxHORIZONTAL);
    speedRow->AddSpacer(20);
    speedRow->Add(speedLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    speedRow->Add(speedChoice, 0, 0, 0);
    left->Add(speedRow, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    dataBoxSizer->Add(rollLog, 1, wxEXPAND | wxALL, 3);
    left->Add(dataBoxSizer, 1, wxEXPAND, 0);
    return left;
}

wxBoxSizer* DiceFrame::MakeRightColumn()
{
    auto* buttonRow = new wxBoxSizer(wxHORIZONTAL);
    buttonRow->Add(startButton, 1, wxEXPAND | wxRIGHT, 7);
    buttonRow->Add(dicePicture, 0, 0, 0);

    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(buttonRow, 0, wxEXPAND, 0);
    right->Add(progressGauge, 0, wxEXPAND | wxTOP | wxBOTTOM, 7);
    // A notebook takes its pages' minimum size by itself, so it goes into the sizer directly.
    right->Add(notebook, 1, wxEXPAND, 0);
    return right;
}

void DiceFrame::DoLayout()
{
    auto* instructions = new wxStaticBoxSizer(MakeBox(mainPanel, "Instructions"), wxHORIZONTAL);
    instructions->Add(instructionsText, 1, wxALL, 5);
    body = new wxBoxSizer(wxHORIZONTAL);
    body->Add(MakeLeftColumn(), 2, wxEXPAND | wxALL, 7);
    body->Add(MakeRightColumn(), 3, wxEXPAND | wxRIGHT | wxTOP | wxBOTTOM, 7);
    auto* panelSizer = new wxBoxSizer(wxVERTICAL);
    panelSizer->Add(instructions, 0, wxEXPAND | wxALL, 7);
    panelSizer->Add(body, 1, wxEXPAND, 0);
    FitTo(mainPanel, panelSizer);

    auto* frameSizer = new wxBoxSizer(wxVERTICAL);
    frameSizer->Add(mainPanel, 1, wxEXPAND, 0);
    FitTo(this, frameSizer);
    Layout();
}

// The columns side by side where the screen is wide enough for both, as at the start; where it
// is not (a large zoom on a small screen), the results go under the controls, and the window
// then scrolls up and down only.
void DiceFrame::ArrangeBody()
{
    const int room = wxDisplay(this).GetClientArea().width - (GetSize().x - GetClientSize().x);
    body->SetOrientation(wxHORIZONTAL);
    const bool sideBySide = body->CalcMin().x <= room;
    body->SetOrientation(sideBySide ? wxHORIZONTAL : wxVERTICAL);
    body->GetItem(1)->SetFlag(wxEXPAND | wxRIGHT | wxBOTTOM | (sideBySide ? wxTOP : wxLEFT));
}

// The picture beside the Start button, drawn anew at a new size.
void DiceFrame::DrawDie(int size)
{
    if (dicePicture->GetBitmap().GetWidth() != size)
        dicePicture->SetBitmap(DieImages::Picture(size));
}

// ---- Run parameters ----

void DiceFrame::SetNumberOfDice(int n)
{
    if (n < 1)
        return;
    model.SetDice(std::min(n, MAX_DICE));
    // The spin control sends no event when the program sets it, so the model is set directly.
    diceSpin->SetValue(model.Dice());
}

void DiceFrame::SetNumberOfRolls(int n)
{
    if (n < 1)
        return;
    model.SetRolls(std::min(n, MAX_ROLLS_FROM_COMMAND_LINE));
    rollsText->SetValue(wxString::Format(wxGetTranslation("%d"), model.Rolls()));
}

// ---- Input ----

void DiceFrame::OnSpeedChoice(wxCommandEvent&)
{
    if (speedChoice)
        model.Pace().Set(speedChoice->GetSelection());
}

// The pace belongs to progressive runs: without them the Speed choice does nothing.
void DiceFrame::OnProgressiveCheck(wxCommandEvent&)
{
    speedLabel->Enable(Progressive());
    speedChoice->Enable(Progressive());
}

// ---- The menu ----

void DiceFrame::OnSave(wxCommandEvent&) { saveCommand->Run(); }

void DiceFrame::OnPrint(wxCommandEvent&) { printCommand->Run(); }

// The graph of the page shown; the Theory graph when that page has none.
RunPicture::Graph DiceFrame::ShownGraph() const
{
    return notebook->GetCurrentPage() == &notebook->ColumnGraph() ? RunPicture::Graph::COLUMNS
                                                                  : RunPicture::Graph::THEORY;
}

// Quitting is closing the window, during a run too.
void DiceFrame::OnQuit(wxCommandEvent&) { Close(); }

void DiceFrame::OnCopy(wxCommandEvent&)
{
    if (const std::function<void()> copy = CopyAtFocus(FindFocus()))
        copy();
}

void DiceFrame::OnUpdateCopy(wxUpdateUIEvent& event)
{
    event.Enable(static_cast<bool>(CopyAtFocus(FindFocus())));
}

void DiceFrame::OnZoom(wxCommandEvent& event)
{
    if (event.GetId() == wxID_ZOOM_IN)
        zoom->In();
    else if (event.GetId() == wxID_ZOOM_OUT)
        zoom->Out();
    else
        zoom->Reset();
}

void DiceFrame::OnAbout(wxCommandEvent&) { ShowAboutBox(this); }

// ---- The run ----

void DiceFrame::OnClose(wxCloseEvent& event)
{
    closing = true;
    if (runOnStack) {
        // The run's handler is still on the stack, even once Stop was clicked: destroying the
        // window now would pull it out from under the run. Hide it; the run destroys it as soon
        // as it sees the close.
        Hide();
        return;
    }
    event.Skip();
}

// The second click of a double-click on Start, while the run that its first click started goes
// on, is not a Stop. (A first click that stopped a run disabled the button, which then takes no
// second press.)
void DiceFrame::OnStartStop(wxCommandEvent&)
{
    if (!model.Running())
        Run();
    else if (!startDoubleClicks->IsSecondHalf())
        RequestStop();
}

void DiceFrame::RequestStop()
{
    model.Stop();
    startButton->Enable(false);
}

bool DiceFrame::Progressive() const { return progressiveCheck->GetValue(); }

void DiceFrame::SetRunControls(bool runStarts)
{
    startButton->SetLabel(wxGetTranslation(runStarts ? "Stop" : "Start"));
    rollsText->Enable(!runStarts);
    diceSpin->Enable(!runStarts);
    dieChoice->Enable(!runStarts);
    if (!runStarts)
        startButton->Enable(true);
    // During a run the results are not yet what its end gives them: they are saved at the end.
    EnableResultCommands(*GetMenuBar(), !runStarts);
}

void DiceFrame::Run()
{
    if (!diceBox->TakeForRun() || !rollsBox->TakeForRun())
        return;
    runOnStack = true;
    progressGauge->SetValue(0);
    RunDriver driver(model, *this);
    progressGauge->SetRange(driver.Progress().gaugeRange);
    SetRunControls(true);
    model.Start(seedSource());
    PrepareViews();
    const bool finished = driver.Drive();
    runOnStack = false;
    if (finished)
        FinishRun(Progressive());
    else
        Destroy(); // the window was closed during the run
}

// The run driver's host: the window follows the rolls while progressive analysis is on, moves
// its progress bar, and lets events through between two steps of the run.
bool DiceFrame::FollowsRolls() const { return Progressive(); }

double DiceFrame::Seconds() const { return Now(); }

void DiceFrame::ShowProgress(long value) { progressGauge->SetValue(value); }

// Lets events through and waits for the pace; then false if the window is closing.
bool DiceFrame::BetweenSteps()
{
    wxTheApp->Yield(false);
    PauseForPace();
    return !closing;
}

// At a chosen pace a progressive run waits for events until its next roll is due, so the window
// stays as lively as between any two rolls; a Stop, a close, a faster pace or unchecking
// progressive analysis ends the wait at once. As fast as possible, it does not wait at all.
void DiceFrame::PauseForPace()
{
    for (double wait = model.Pace().Wait(Now());
         wait > 0 && model.Running() && !closing && Progressive(); wait = model.Pace().Wait(Now()))
        DispatchFor(wait);
}

// Handles the next event, waiting for one at most `seconds`.
void DiceFrame::DispatchFor(double seconds)
{
    const auto milliseconds = static_cast<unsigned long>(std::ceil(seconds * 1000));
    if (wxEventLoopBase* active = wxEventLoopBase::GetActive()) {
        active->DispatchTimeout(milliseconds);
        return;
    }
    // Started before the main loop runs (as in the tests): a loop of its own for the wait.
    wxEventLoop loop;
    wxEventLoopActivator activate(&loop);
    loop.DispatchTimeout(milliseconds);
}

void DiceFrame::FinishRun(bool progressive)
{
    ShowFinalResults(progressive);
    rollsText->SetValue(wxString::Format("%d", model.Rolls()));
    SetRunControls(false);
    model.End();
}

// Seconds on a steady clock, for the run's pace and the Theory page's refreshes.
double DiceFrame::Now()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// ---- Views ----

// The view operations of a run besides each roll, which the run driver tells: its start, and
// its end, whether or not the views followed it roll by roll.

void DiceFrame::PrepareViews() { model.TellStarted(); }

void DiceFrame::ShowFinalResults(bool followed) { model.TellEnded(followed); }
