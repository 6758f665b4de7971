#pragma once

#include "app/report/ColumnGraph.h"
#include "app/run/RunView.h"
#include "app/window/ResultsPage.h"

#include <wx/panel.h>

#include <memory>

class bufferedCoordSys;

// The "Column Graph" page: one green column per possible sum, as tall as its share of the rolls
// made in percent (ColumnGraph).
class ColumnGraphPage : public wxPanel, public RunView, public ResultsPage {
public:
    explicit ColumnGraphPage(wxWindow* parent);
    ~ColumnGraphPage() override;

    void RunStarted(const RunModel& run) override;
    void RollMade(const RunModel& run, double now) override;
    void RunEnded(const RunModel& run, bool followed) override;

    wxString Title() const override { return "Column Graph"; }
    void TakeZoom(const ZoomLevel& zoom) override;
    wxWindow& PageWindow() override { return *this; }

    bufferedCoordSys& Graph() const { return *graph; }
    const dataSeries& Series() const { return columns->Series(); }

private:
    bufferedCoordSys* graph = nullptr;
    // The columns: the page owns them, the graph only shows them.
    std::unique_ptr<ColumnGraph> columns;
};
