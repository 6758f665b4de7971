#pragma once

#include "app/run/RunView.h"
#include "app/theory/SumDistribution.h"
#include "app/window/ResultsPage.h"

#include <wx/panel.h>
#include <wx/scrolwin.h>

#include <cstdint>
#include <memory>
#include <vector>

class PageStyle;
class PelkoGrid;
class TheoryComparison;
class TheoryGraph;
class coordSys;
class wxStaticText;

// The page that sets a run's rolls against the theory: a table of expected and observed shares
// per sum, a graph of the observed shares as columns under the expected ones as a line, and a
// summary in plain words (rolls and dice, mean, spread, the chi-square test and the run's seed). It
// reads the run's counts whenever it is brought up to date and keeps nothing of them itself. A
// page too small for TABLE_ROWS whole rows of the table, a graph GRAPH_HEIGHT pixels high and the
// whole summary scrolls as a whole.
class TheoryPage : public wxScrolled<wxPanel>, public RunView, public ResultsPage {
public:
    // During a run the page is brought up to date at most this often (seconds) while shown.
    static constexpr double FOLLOW_INTERVAL = 0.25;
    // The least the page shows without scrolling, at 100%: whole rows of the table, and the
    // graph's height in pixels.
    static constexpr int TABLE_ROWS = 4;
    static constexpr int GRAPH_HEIGHT = 80;

    explicit TheoryPage(wxWindow* parent);
    ~TheoryPage() override;

    // One row per possible sum of the run's dice with its expected share; the counts as they
    // stand.
    void RunStarted(const RunModel& run) override;
    // Shows the counts if the page is on screen and was last brought up to date FOLLOW_INTERVAL
    // or more before `now`.
    void RollMade(const RunModel& run, double now) override;
    // Shows the counts as they stand.
    void RunEnded(const RunModel& run, bool followed) override;

    wxString Title() const override { return "Theory"; }
    void TakeZoom(const ZoomLevel& zoom) override;
    wxWindow& PageWindow() override { return *this; }

    PelkoGrid& Table() const { return *table; }
    coordSys& Graph() const { return *graph; }
    // The summary as shown, broken into lines to the page's width.
    wxStaticText& Summary() const { return *summary; }

private:
    void SetUpTable();
    void ZoomTable(const PageStyle& style);
    void SetUpGraph();
    void DoLayout();
    void StartRun(std::uint32_t seed, const std::vector<int>& counts);
    void PrepareTable();
    void ScrollToFirstShownSum(const std::vector<int>& counts);
    void ShowCounts(const std::vector<int>& counts);
    void ShowTable(const TheoryComparison& comparison);
    void ShowGraph(const TheoryComparison& comparison);
    void ShowSummary(const TheoryComparison& comparison);
    void WrapSummary();
    void FollowGraphSize();
    void OnRangeChanged(wxCommandEvent& event);
    void OnSize(wxSizeEvent& event);

    SumDistribution theory{1};
    SumDistribution tested{1}; // the theory of the test: theory's, or fair dice's
    std::uint32_t seed = 0;
    double lastShown = 0;
    // Pixels round the page's parts at its zoom.
    int margin = 0;

    PelkoGrid* table = nullptr;
    coordSys* graph = nullptr;
    std::unique_ptr<TheoryGraph> theoryGraph;
    wxStaticText* summary = nullptr;
    wxString summaryText;

    wxDECLARE_EVENT_TABLE();
};
