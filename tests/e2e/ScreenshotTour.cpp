// Takes the README's pictures from the program itself: starts it with 2 dice and 3000 rolls,
// clicks Start, and photographs the window on each notebook page once the run is over; then
// the "Theory" page, in a larger window, after that run and after 100 dice x 100000 rolls.
// Usage: screenshot_tour OUTPUT_FOLDER   (on a display; scripts/run-headless provides one)
#include "DiceFrameProbe.h"
#include "RunDiceApp.h"
#include "ToolkitTestSupport.h"

#include <wx/app.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

// Lets the window settle and paint, then photographs its part of the screen.
bool Photograph(wxFrame& frame, const wxString& file)
{
    const auto settle = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    WaitFor([&] { return std::chrono::steady_clock::now() > settle; }, 1);
    const wxRect r = frame.GetScreenRect();
    const wxString command = wxString::Format("import -window root -crop %dx%d+%d+%d %s",
                                              r.width, r.height, r.x, r.y, file);
    return wxExecute(command, wxEXEC_SYNC) == 0;
}

// Clicks Start as a user does and waits for the run of `rolls` rolls of `sums` sums to end.
bool RunToTheEnd(const DiceFrameProbe& p, int rolls, std::size_t sums)
{
    wxUIActionSimulator sim;
    sim.MouseMove(p.StartButton().GetScreenRect().GetPosition() + p.StartButton().GetSize() / 2);
    sim.MouseClick();
    return WaitFor([&] { return p.Rolls() == rolls && !p.Running() && p.Counts().size() == sums &&
                                p.Gauge().GetValue() == p.Gauge().GetRange(); }, 120);
}

// The "Theory" page needs more room than the smallest window gives it.
bool TheoryTour(wxFrame& frame, const DiceFrameProbe& p, const wxString& folder)
{
    frame.SetSize(1100, 680);
    p.Notebook().SetSelection(2);
    if (!Photograph(frame, folder + "/theory-2-dice.png"))
        return false;
    auto& dice = static_cast<DiceFrame&>(frame);
    dice.SetNumberOfDice(100);
    dice.SetNumberOfRolls(100000);
    p.SetProgressive(false);
    return RunToTheEnd(p, 100000, 501u) && Photograph(frame, folder + "/theory-100-dice.png");
}

bool Tour(const wxString& folder)
{
    auto& frame = *static_cast<DiceFrame*>(wxTheApp->GetTopWindow());
    const DiceFrameProbe p(frame);
    if (!WaitFor([&] { return frame.IsShownOnScreen(); }, 10))
        return false;
    if (!RunToTheEnd(p, 3000, 11u))
        return false;
    p.Notebook().SetSelection(0);
    if (!Photograph(frame, folder + "/analysis.png"))
        return false;
    p.Notebook().SetSelection(1);
    return Photograph(frame, folder + "/column-graph.png") && TheoryTour(frame, p, folder);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const wxString folder = argv[1];
    bool taken = false;
    RunDiceApp(argv[0], {"2", "3000"}, [&] {
        taken = Tour(folder);
        return 0;
    });
    if (!taken)
        std::fprintf(stderr, "the screenshots could not be taken\n");
    return taken ? 0 : 1;
}
