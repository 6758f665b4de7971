// Times whole runs in a real window, from the Start click until the window shows the results.
// Progressive runs: the total, and the cost of a roll early in the run (from roll 100 on) and
// late in it (up to the last roll), each over a tenth of the run's rolls; a progressive run lets
// events through once per roll, and each of those passes sends one idle event, whose times are
// taken. The mean is what a user waits, but a few rolls that wait for a repaint or for other
// programs on a busy machine move it by a third either way; the median is the typical roll,
// which they move far less, so it is the figure that shows whether a roll grows dearer late.
// Progressive runs also count how often the results pages and the log box were painted during the
// run: paints are the passes through the events in which any of them was painted, one picture on
// the screen each (the screen shows at most about 60 a second, and paints beyond that are
// wasted); paint_events counts every window painted, several at each paint (the page, the grid's
// parts, the log box).
// A run without progressive analysis: the total, including the events that draw its results
// after the handler returns.
// Progressive runs are made with the "Analysis" page shown, and the largest also with each other
// page.
// The rolls are typed into the rolls box, as a user sets them, and every line gives the dice and
// rolls that the window shows the run made; a run that made other than it was asked fails the
// benchmark.
#include "ToolkitBench.h"
#include "app/window/DiceFrame.h"
#include "app/window/RollLogView.h"
#include "app/window/WindowZoom.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/grid.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <iterator>
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
constexpr int COLUMN_GRAPH = 1;
constexpr int THEORY = 2;

// The first window of that kind (and that id, if one is given) under `parent`, or none.
template <typename Control> Control* Find(const wxWindow& parent, wxWindowID id = wxID_ANY)
{
    for (wxWindow* child : parent.GetChildren()) {
        auto* control = dynamic_cast<Control*>(child);
        if (control && (id == wxID_ANY || child->GetId() == id))
            return control;
        if (Control* inside = Find<Control>(*child, id))
            return inside;
    }
    return nullptr;
}

wxNotebook& Notebook(const DiceFrame& frame)
{
    return *wxDynamicCast(frame.FindWindow("notebook"), wxNotebook);
}

wxTextCtrl& RollsBox(const DiceFrame& frame)
{
    return *Find<wxTextCtrl>(frame, DiceFrame::ID_ROLLS);
}

DiceFrame* ShowFrame(int dice, long rolls, int page = 0, int zoom = 100)
{
    auto* frame = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
    frame->Zoom().Set(zoom);
    frame->SetNumberOfDice(dice);
    // Setting the box's text sends the text event a keystroke sends; the window reads the
    // number from it as it reads what a user types.
    RollsBox(*frame).SetValue(wxString::Format("%ld", rolls));
    frame->SetSeedSource([] { return 1u; });
    Notebook(*frame).SetSelection(page);
    frame->Show();
    wxTheApp->Yield();
    return frame;
}

// What the window shows of the run it made: the dice of the table's smallest sum, the rolls the
// table counted and the rolls the rolls box shows after the run.
struct shownRun {
    long dice = 0;
    long tableRolls = 0;
    long boxRolls = 0;
};

shownRun ShownRun(const DiceFrame& frame)
{
    shownRun shown;
    const wxGrid& table = *Find<wxGrid>(*Notebook(frame).GetPage(0));
    table.GetCellValue(0, 0).ToLong(&shown.dice);
    for (int row = 0; row < table.GetNumberRows(); ++row) {
        long count = 0;
        table.GetCellValue(row, 1).ToLong(&count);
        shown.tableRolls += count;
    }
    RollsBox(frame).GetValue().ToLong(&shown.boxRolls);
    return shown;
}

// Whether the window shows that the run made the dice and rolls asked; says so on stderr if not.
bool MadeAsAsked(const shownRun& shown, int dice, long rolls)
{
    if (shown.dice == dice && shown.tableRolls == rolls && shown.boxRolls == rolls)
        return true;
    std::fprintf(stderr,
                 "window_run_bench: asked for %d dice x %ld rolls, the window shows %ld dice, "
                 "%ld rolls in the table and %ld in the rolls box\n",
                 dice, rolls, shown.dice, shown.tableRolls, shown.boxRolls);
    return false;
}

// Counts the paint events that reach the notebook's pages, everything on them and the log box,
// from its making to its end, and the passes through the events that had any of them; `passes`
// grows by one at each pass.
class paintCounter : public wxEventFilter {
public:
    paintCounter(const wxNotebook& notebook, const std::vector<double>& passes)
        : notebook(notebook), passes(passes)
    {
        wxEvtHandler::AddFilter(this);
    }
    ~paintCounter() override { wxEvtHandler::RemoveFilter(this); }
    paintCounter(const paintCounter&) = delete;
    paintCounter& operator=(const paintCounter&) = delete;

    int FilterEvent(wxEvent& event) override
    {
        if (event.GetEventType() == wxEVT_PAINT &&
            Counted(dynamic_cast<const wxWindow*>(event.GetEventObject()))) {
            repaints += paints == 0 || passes.size() != lastPass;
            lastPass = passes.size();
            ++paints;
        }
        return Event_Skip;
    }

    int Paints() const { return paints; }
    int Repaints() const { return repaints; }

private:
    bool Counted(const wxWindow* window) const
    {
        if (dynamic_cast<const RollLogView*>(window))
            return true;
        for (; window && !window->IsTopLevel(); window = window->GetParent())
            if (window->GetParent() == &notebook)
                return true;
        return false;
    }

    const wxNotebook& notebook;
    const std::vector<double>& passes;
    std::size_t lastPass = 0;
    int paints = 0;
    int repaints = 0;
};

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

bool TimeProgressiveRun(int dice, long rolls, int page = 0, int zoom = 100)
{
    DiceFrame* frame = ShowFrame(dice, rolls, page, zoom);
    std::vector<double> yields;
    yields.reserve(rolls + 1);
    frame->Bind(wxEVT_IDLE, [&yields](wxIdleEvent& e) {
        yields.push_back(Now());
        e.Skip();
    });
    int paints = 0, repaints = 0;
    const double start = Now();
    const std::clock_t cpuStart = std::clock();
    {
        const paintCounter counter(Notebook(*frame), yields);
        ClickStart(*frame);
        paints = counter.Paints();
        repaints = counter.Repaints();
    }
    const double seconds = Now() - start;
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    const shownRun shown = ShownRun(*frame);
    const std::size_t n = yields.size(), span = rolls / 10;
    const bool timed = n > 100 + 2 * span;
    if (!timed)
        std::fprintf(stderr, "window_run_bench: %zu passes through the events for %ld rolls\n", n,
                     rolls);
    const std::string pageField = (page == 0 ? "" : std::string("page=") + PAGES[page] + " ") +
                                  (zoom == 100 ? "" : "zoom=" + std::to_string(zoom) + " ");
    if (timed)
        std::printf(
            "progressive dice=%ld rolls=%ld %sseconds=%.2f early_ms_per_roll=%.3f "
            "late_ms_per_roll=%.3f early_median_ms=%.3f late_median_ms=%.3f "
            "cpu_seconds=%.2f paints=%d paints_per_second=%.0f paint_events=%d\n",
            shown.dice, shown.tableRolls, pageField.c_str(), seconds,
            1e3 * MeanGap(yields, 100, 100 + span), 1e3 * MeanGap(yields, n - 1 - span, n - 1),
            1e3 * MedianGap(yields, 100, 100 + span), 1e3 * MedianGap(yields, n - 1 - span, n - 1),
            cpuSeconds, repaints, repaints / seconds, paints);
    Close(frame);
    return MadeAsAsked(shown, dice, rolls) && timed;
}

bool TimeFinalRun(int dice, long rolls)
{
    DiceFrame* frame = ShowFrame(dice, rolls);
    auto* check = wxWindow::FindWindowByLabel("Progressive analysis (slower)", frame);
    static_cast<wxCheckBox*>(check)->SetValue(false);
    const double start = Now();
    ClickStart(*frame);
    Settle(*frame);
    const double seconds = Now() - start;
    const shownRun shown = ShownRun(*frame);
    std::printf("final dice=%ld rolls=%ld seconds=%.2f\n", shown.dice, shown.tableRolls, seconds);
    Close(frame);
    return MadeAsAsked(shown, dice, rolls);
}

} // namespace

int main(int argc, char** argv)
{
    return RunInToolkit(argc, argv, [] {
        const bool made[] = {TimeFinalRun(100, 9999999),
                             TimeProgressiveRun(1, 1500),
                             TimeProgressiveRun(20, 3000),
                             TimeProgressiveRun(100, 10000),
                             TimeProgressiveRun(100, 10000, COLUMN_GRAPH),
                             TimeProgressiveRun(100, 10000, THEORY),
                             TimeProgressiveRun(100, 10000, 0, 200)};
        return std::all_of(std::begin(made), std::end(made), [](bool m) { return m; });
    });
}
