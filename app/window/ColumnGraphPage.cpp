#include "app/window/ColumnGraphPage.h"

#include "app/window/FitTo.h"
#include "graph/window/bufferedCoordSys.h"

#include <wx/sizer.h>

ColumnGraphPage::ColumnGraphPage(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    graph = new bufferedCoordSys(this, wxID_ANY, wxDefaultPosition, wxDefaultSize);
    columns = std::make_unique<ColumnGraph>(*graph);
    graph->SetSeries(nullptr);
    graph->SetInitialSize(wxSize(-1, 200));
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(graph, 1, wxEXPAND | wxALL, 7);
    FitTo(this, sizer);
}

ColumnGraphPage::~ColumnGraphPage() = default;

void ColumnGraphPage::RunStarted(const RunModel& run) { columns->Start(run); }

void ColumnGraphPage::RollMade(const RunModel& run, double)
{
    columns->Follow(run);
    graph->SetSeries(&columns->Series());
}

void ColumnGraphPage::RunEnded(const RunModel& run, bool followed)
{
    if (followed)
        return;
    columns->Finish(run);
    graph->SetSeries(&columns->Series());
}
