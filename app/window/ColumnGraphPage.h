#pragma once

#include "app/run/RunView.h"
#include "app/window/ResultsPage.h"
#include "graph/model/dataSeries.h"

#include <wx/panel.h>

class bufferedCoordSys;

// The "Column Graph" page: one green column per possible sum, as tall as its share of the rolls
// made in percent.
class ColumnGraphPage : public wxPanel, public RunView, public ResultsPage {
public:
    explicit ColumnGraphPage(wxWindow* parent);

    void RunStarted(const RunModel& run) override;
    void RollMade(const RunModel& run, double now) override;
    void RunEnded(const RunModel& run, bool followed) override;

    wxString Title() const override { return "Column Graph"; }
    void TakeZoom(const ZoomLevel& zoom) override;
    wxWindow& PageWindow() override { return *this; }

    bufferedCoordSys& Graph() const { return *graph; }
    const dataSeries& Series() const { return series; }

private:
    void SetUpSeries();
    void SetUpGraph();
    double RebuildColumns(const RunModel& run);

    // The columns: the page owns them, the graph only shows them.
    dataSeries series;
    bufferedCoordSys* graph = nullptr;
};
