// Takes the README's pictures from the program itself: starts it with 2 dice and 3000 rolls,
// clicks Start, and photographs the window on each notebook page once the run is over, the
// "Theory" page in a larger window; then runs 100 dice x 10000 rolls and photographs the log
// box's first lines and its last; then the "Theory" page after 100 dice x 100000 rolls; last
// the column graph of 2 dice x 3000 rolls at 200%.
// Usage: screenshot_tour OUTPUT_FOLDER   (on a display; scripts/run-headless provides one)
#include "DiceFrameProbe.h"
#include "RunDiceApp.h"
#include "ToolkitTestSupport.h"

#include "app/window/WindowZoom.h"

#include <wx/app.h>
#include <wx/scrolwin.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <numeric>
#include <string>

namespace {

// Lets the window settle and paint, then photographs its part of the screen.
bool Photograph(wxFrame& frame, const wxString& file)
{
    const auto settle = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    WaitFor([&] { return std::chrono::steady_clock::now() > settle; }, 1);
    const wxRect r = frame.GetScreenRect();
    const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d %s", r.width,
                                              r.height, r.x, r.y, file);
    return wxExecute(command, wxEXEC_SYNC | wxEXEC_NODISABLE) == 0;
}

void ClickOn(wxUIActionSimulator& sim, const wxWindow& control)
{
    sim.MouseMove(control.GetScreenRect().GetPosition() + control.GetSize() / 2);
    sim.MouseClick();
}

// Runs `dice` x `rolls` from a click on Start and waits for the run's end.
bool RunToEnd(wxUIActionSimulator& sim, const DiceFrameProbe& p, int dice, int rolls)
{
    ClickOn(sim, p.StartButton());
    return WaitFor(
        [&] {
            return p.Rolls() == rolls && !p.Running() && p.StartButton().IsEnabled() &&
                   p.Counts().size() == 5u * dice + 1 &&
                   std::accumulate(p.Counts().begin(), p.Counts().end(), 0L) == rolls;
        },
        120);
}

// Photographs the log box's first lines and its last after a key that scrolls it there.
bool PhotographLog(wxUIActionSimulator& sim, DiceFrame& frame, const DiceFrameProbe& p,
                   const wxString& folder)
{
    ClickOn(sim, p.RollLog());
    sim.Char(WXK_HOME);
    if (!WaitFor([&] { return p.RollLog().GetViewStart().y == 0; }, 5) ||
        !Photograph(frame, folder + "/data-first-lines.png"))
        return false;
    sim.Char(WXK_END);
    return WaitFor([&] { return p.RollLog().GetViewStart().y > 0; }, 5) &&
           Photograph(frame, folder + "/data-last-lines.png");
}

// The "Theory" page needs more room than the smallest window gives it: photographed in a larger
// window, which then goes back to its size and page.
bool PhotographTheory(wxFrame& frame, const DiceFrameProbe& p, const wxString& file)
{
    const wxSize size = frame.GetSize();
    const int page = p.Notebook().GetSelection();
    frame.SetSize(1100, 680);
    p.Notebook().SetSelection(2);
    const bool taken = Photograph(frame, file);
    frame.SetSize(size);
    p.Notebook().SetSelection(page);
    return taken;
}

// Scrolls a window too large for the screen down to its results.
void ScrollToResults(const DiceFrameProbe& p)
{
    auto& panel = dynamic_cast<wxScrolled<wxPanel>&>(p.MainPanel());
    int unitX = 1, unitY = 1;
    panel.GetScrollPixelsPerUnit(&unitX, &unitY);
    const wxPoint notebook = panel.CalcUnscrolledPosition(p.Notebook().GetPosition());
    panel.Scroll(0, notebook.y / std::max(1, unitY));
    LetEventsThrough(0.5);
}

bool Tour(const wxString& folder)
{
    auto& frame = *static_cast<DiceFrame*>(wxTheApp->GetTopWindow());
    const DiceFrameProbe p(frame);
    if (!WaitFor([&] { return frame.IsShownOnScreen(); }, 10))
        return false;
    // The pictures show the smallest window, in the screen's corner.
    LetEventsThrough(0.3);
    frame.SetSize(0, 0, frame.GetMinSize().x, frame.GetMinSize().y);
    wxUIActionSimulator sim;
    if (!RunToEnd(sim, p, 2, 3000) || !WaitFor([&] { return p.Gauge().GetValue() == 3000; }, 5))
        return false;
    p.Notebook().SetSelection(0);
    if (!Photograph(frame, folder + "/analysis.png"))
        return false;
    p.Notebook().SetSelection(1);
    if (!Photograph(frame, folder + "/column-graph.png") ||
        !PhotographTheory(frame, p, folder + "/theory-2-dice.png"))
        return false;

    // The longest record the log box can hold, filled at the end of the run.
    frame.SetNumberOfDice(100);
    frame.SetNumberOfRolls(10000);
    p.SetProgressive(false);
    p.Notebook().SetSelection(0);
    if (!RunToEnd(sim, p, 100, 10000) || !PhotographLog(sim, frame, p, folder))
        return false;

    frame.SetNumberOfRolls(100000);
    if (!RunToEnd(sim, p, 100, 100000) ||
        !PhotographTheory(frame, p, folder + "/theory-100-dice.png"))
        return false;

    // Two dice again at 200%, as a room sees them on a projector.
    frame.SetNumberOfDice(2);
    frame.SetNumberOfRolls(3000);
    p.SetProgressive(true);
    frame.Zoom().Set(200);
    p.Notebook().SetSelection(1);
    LetEventsThrough(0.5);
    if (!RunToEnd(sim, p, 2, 3000))
        return false;
    ScrollToResults(p);
    return Photograph(frame, folder + "/zoom-200.png");
}

// The Theory page at 300% after 10000 rolls of 100 dice, the window maximised by the window
// manager on the whole screen (a projector's, under-window-manager 1280x720), scrolled down to the
// results.
bool ProjectorTour(const wxString& folder)
{
    auto& frame = *static_cast<DiceFrame*>(wxTheApp->GetTopWindow());
    const DiceFrameProbe p(frame);
    if (!WaitFor([&] { return frame.IsShownOnScreen(); }, 10))
        return false;
    for (int ask = 0; ask < 5 && !frame.IsMaximized(); ++ask) {
        frame.Maximize();
        WaitFor([&] { return frame.IsMaximized(); }, 2);
    }
    p.SetProgressive(false);
    p.ClickStart(); // the run is over when the click returns
    if (!WaitFor([&] { return frame.Zoom().Settled(); }, 10))
        return false;
    p.Notebook().SetSelection(2);
    ScrollToResults(p);
    const wxString command = "import -window root " + folder + "/theory-300-1280x720.png";
    return wxExecute(command, wxEXEC_SYNC | wxEXEC_NODISABLE) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool projector = argc == 3 && std::string(argv[2]) == "projector";
    if (argc != 2 && !projector) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [projector]\n", argv[0]);
        return 2;
    }
    const wxString folder = argv[1];
    bool taken = false;
    if (projector)
        RunDiceApp(argv[0], {"100", "10000", "--seed", "3", "--zoom", "300"}, [&] {
            taken = ProjectorTour(folder);
            return 0;
        });
    else
        RunDiceApp(argv[0], {"2", "3000"}, [&] {
            taken = Tour(folder);
            return 0;
        });
    if (!taken)
        std::fprintf(stderr, "the screenshots could not be taken\n");
    return taken ? 0 : 1;
}
