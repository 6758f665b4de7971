// Times whole runs in a real window, from the Start click until the window shows the results.
// Progressive runs: the total, and the cost of a roll early in the run (from roll 100 on) and
// late in it (up to the last roll), each over a tenth of the run's rolls; a progressive run lets
// events through once per roll, and each of those passes sends one idle event, whose times are
// taken. The mean is what a user waits, but a few rolls that wait for a repaint or for other
// programs on a busy machine move it by a third either way; the median is the typical roll,
// which they move far less, so it is the figure that shows whether a roll grows dearer late.
// A run without progressive analysis: the total, including the events that draw its results
// after the handler returns.
// Progressive runs are made with the "Analysis" page shown, and the largest also with "Theory".
#include "ToolkitBench.h"
#include "app/window/DiceFrame.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/notebook.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
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

double MedianGap(const std::vector<double>& t, std::size_t from, std::size_t to)
{
    std::vector<double> gaps;
    for (std::size_t i = from; i < to; ++i)
        gaps.push_back(t[i + 1] - t[i]);
    std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
    return gaps[gaps.size() / 2];
}

// The notebook's pages by name; the first, "Analysis", is the one shown at start.
const char* const PAGES[] = {"Analysis", "Column Graph", "Theory"};
constexpr int THEORY = 2;

DiceFrame* ShowFrame(int dice, int rolls, int page = 0)
{
    auto* frame = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
    frame->SetNumberOfDice(dice);
    frame->SetNumberOfRolls(rolls);
    frame->SetSeedSource([] { return 1u; });
    wxDynamicCast(frame->FindWindow("notebook"), wxNotebook)->SetSelection(page);
    frame->Show();
    wxTheApp->Yield();
    return frame;
}

// Clicks Start and returns when the run's handler does: the run happens inside it.
void ClickStart(DiceFrame& frame)
{
    wxCommandEvent click(wxEVT_BUTTON, DiceFrame::ID_START);
    frame.ProcessWindowEvent(click);
}

// Lets the window lay out and paint what the run left it, until nothing is left to do.
void Settle(DiceFrame& frame)
{
    while (wxTheApp->Pending())
        wxTheApp->Dispatch();
    frame.Update();
}

void Close(DiceFrame* frame)
{
    frame->Destroy();
    wxTheApp->ProcessIdle();
}

void TimeProgressiveRun(int dice, int rolls, int page = 0)
{
    DiceFrame* frame = ShowFrame(dice, rolls, page);
    std::vector<double> yields;
    yields.reserve(rolls + 1);
    frame->Bind(wxEVT_IDLE, [&yields](wxIdleEvent& e) {
        yields.push_back(Now());
        e.Skip();
    });
    const double start = Now();
    const std::clock_t cpuStart = std::clock();
    ClickStart(*frame);
    const double seconds = Now() - start;
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    const std::size_t n = yields.size(), span = rolls / 10;
    const std::string pageField = page == 0 ? "" : std::string("page=") + PAGES[page] + " ";
    if (n > 100 + 2 * span)
        std::printf("progressive dice=%d rolls=%d %sseconds=%.2f early_ms_per_roll=%.3f "
                    "late_ms_per_roll=%.3f early_median_ms=%.3f late_median_ms=%.3f "
                    "cpu_seconds=%.2f\n",
                    dice, rolls, pageField.c_str(), seconds, 1e3 * MeanGap(yields, 100, 100 + span),
                    1e3 * MeanGap(yields, n - 1 - span, n - 1),
                    1e3 * MedianGap(yields, 100, 100 + span),
                    1e3 * MedianGap(yields, n - 1 - span, n - 1), cpuSeconds);
    Close(frame);
}

void TimeFinalRun(int dice, int rolls)
{
    DiceFrame* frame = ShowFrame(dice, rolls);
    auto* check = wxWindow::FindWindowByLabel("Progressive analysis (slower)", frame);
    static_cast<wxCheckBox*>(check)->SetValue(false);
    const double start = Now();
    ClickStart(*frame);
    Settle(*frame);
    std::printf("final dice=%d rolls=%d seconds=%.2f\n", dice, rolls, Now() - start);
    Close(frame);
}

} // namespace

int main(int argc, char** argv)
{
    return RunInToolkit(argc, argv, [] {
        TimeFinalRun(100, 9999999);
        TimeProgressiveRun(1, 1500);
        TimeProgressiveRun(20, 3000);
        TimeProgressiveRun(100, 10000);
        TimeProgressiveRun(100, 10000, THEORY);
    });
}
