// Times the log box alone in a real window, as a run uses it: grown by one roll at a time and
// scrolled to its end, letting the window paint after each roll as a progressive run does (early:
// the mean over rolls 100 to 1100; late: over the last 1000, long spans because the window
// paints only once a frame); given a whole record of 10000 rolls
// at once and painted; and wrapped anew at another width with that record in it. A box that
// does not hold every roll it was given fails the benchmark.
#include "ToolkitBench.h"
#include "app/window/RollLogView.h"

#include <wx/app.h>
#include <wx/frame.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void Settle(wxWindow& window)
{
    while (wxTheApp->Pending())
        wxTheApp->Dispatch();
    window.Update();
}

std::string Roll(int dice, int index)
{
    std::string roll;
    for (int d = 0; d < dice; ++d)
        roll += static_cast<char>('1' + (index * 7 + d * 3) % 6);
    return roll + ' ';
}

// Whether the box holds the text it was given; says so on stderr if not.
bool Holds(const RollLogView& view, const std::string& text, int dice, int rolls)
{
    if (view.GetValue().utf8_string() == text)
        return true;
    std::fprintf(
        stderr, "roll_log_bench: the box holds %ld characters, not the %zu of %d dice x %d rolls\n",
        view.GetLastPosition(), text.size(), dice, rolls);
    return false;
}

bool TimeLog(int dice, int rolls)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, "log");
    auto* view = new RollLogView(frame, wxID_ANY);
    frame->SetClientSize(260, 300);
    frame->Show();
    Settle(*frame);

    std::string record;
    double early = 0, lateStart = 0;
    const double start = Now();
    for (int i = 0; i < rolls; ++i) {
        if (i == 100)
            early = Now();
        if (i == 1100)
            early = (Now() - early) / 1000;
        if (i == rolls - 1000)
            lateStart = Now();
        const std::string roll = Roll(dice, i);
        record += roll;
        view->AppendText(roll);
        view->ShowPosition(view->GetLastPosition());
        wxTheApp->Yield(false);
    }
    const double late = (Now() - lateStart) / 1000;
    const double grown = Now() - start;
    const bool grew = Holds(*view, record, dice, rolls);

    record += "\nData Truncated.";
    double t = Now();
    view->SetValue(record);
    view->ShowPosition(view->GetLastPosition());
    Settle(*frame);
    const double set = Now() - t;
    const bool setWhole = Holds(*view, record, dice, rolls);

    t = Now();
    frame->SetClientSize(420, 300);
    Settle(*frame);
    const double resize = Now() - t;

    std::printf("log-box dice=%d rolls=%d seconds=%.2f early_ms_per_roll=%.3f "
                "late_ms_per_roll=%.3f set_whole_ms=%.2f resize_ms=%.2f\n",
                dice, rolls, grown, 1e3 * early, 1e3 * late, 1e3 * set, 1e3 * resize);
    frame->Destroy();
    wxTheApp->ProcessIdle();
    return grew && setWhole;
}

} // namespace

int main(int argc, char** argv)
{
    return RunInToolkit(argc, argv, [] {
        const bool held[] = {TimeLog(1, 10000), TimeLog(100, 10000)};
        return held[0] && held[1];
    });
}
