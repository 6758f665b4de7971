// Takes the README's pictures from the program itself: starts it with 2 dice and 3000 rolls,
// clicks Start, and photographs the window on each notebook page once the run is over.
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

bool Tour(const wxString& folder)
{
    auto& frame = *static_cast<DiceFrame*>(wxTheApp->GetTopWindow());
    const DiceFrameProbe p(frame);
    if (!WaitFor([&] { return frame.IsShownOnScreen(); }, 10))
        return false;
    wxUIActionSimulator sim;
    sim.MouseMove(p.StartButton().GetScreenRect().GetPosition() + p.StartButton().GetSize() / 2);
    sim.MouseClick();
    if (!WaitFor([&] { return p.Rolls() == 3000 && !p.Running() && p.Counts().size() == 11u &&
                              p.Gauge().GetValue() == 3000; }, 60))
        return false;
    p.Notebook().SetSelection(0);
    if (!Photograph(frame, folder + "/analysis.png"))
        return false;
    p.Notebook().SetSelection(1);
    return Photograph(frame, folder + "/column-graph.png");
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
