// Times whole progressive runs in a real window: the total, and the mean cost of a roll early in
// the run (rolls 100 to 200) and late in it (the last 100 rolls). A progressive run lets events
// through once per roll, and each of those passes sends one idle event, whose times are taken.
// Runs are made with the "Analysis" page shown, and the largest also with the "Theory" page.
#include "ToolkitBench.h"
#include "app/DiceFrame.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/notebook.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double MeanGap(const std::vector<double>& t, std::size_t from, std::size_t to)
{
    return (t[to] - t[from]) / static_cast<double>(to - from);
}

// The notebook's pages by name; the first, "Analysis", is the one shown at start.
const char* const PAGES[] = {"Analysis", "Column Graph", "Theory"};
constexpr int THEORY = 2;

void TimeRun(int dice, int rolls, int page = 0)
{
    auto* frame = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
    frame->SetNumberOfDice(dice);
    frame->SetNumberOfRolls(rolls);
    frame->SetSeedSource([] { return 1u; });
    wxDynamicCast(frame->FindWindow("notebook"), wxNotebook)->SetSelection(page);
    frame->Show();
    wxTheApp->Yield();

    std::vector<double> yields;
    yields.reserve(rolls + 1);
    frame->Bind(wxEVT_IDLE, [&yields](wxIdleEvent& e) { yields.push_back(Now()); e.Skip(); });
    wxCommandEvent click(wxEVT_BUTTON, DiceFrame::ID_START);
    const double start = Now();
    const std::clock_t cpuStart = std::clock();
    frame->ProcessWindowEvent(click);
    const double seconds = Now() - start;
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    const std::size_t n = yields.size();
    const std::string pageField = page == 0 ? "" : std::string("page=") + PAGES[page] + " ";
    if (n > 300)
        std::printf("progressive dice=%d rolls=%d %sseconds=%.2f early_ms_per_roll=%.3f "
                    "late_ms_per_roll=%.3f cpu_seconds=%.2f\n",
                    dice, rolls, pageField.c_str(), seconds, 1e3 * MeanGap(yields, 100, 200),
                    1e3 * MeanGap(yields, n - 101, n - 1), cpuSeconds);
    frame->Destroy();
    wxTheApp->ProcessIdle();
}

} // namespace

int main(int argc, char** argv)
{
    return RunInToolkit(argc, argv, [] {
        TimeRun(1, 1500);
        TimeRun(20, 3000);
        TimeRun(100, 10000);
        TimeRun(100, 10000, THEORY);
    });
}
