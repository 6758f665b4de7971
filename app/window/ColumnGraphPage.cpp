#include "app/window/ColumnGraphPage.h"

#include "app/window/FitTo.h"
#include "app/window/PageStyle.h"
#include "graph/window/bufferedCoordSys.h"

#include <wx/sizer.h>

ColumnGraphPage::ColumnGraphPage(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    graph = new bufferedCoordSys(this, wxID_ANY, wxDefaultPosition, wxDefaultSize);
    columns = std::make_unique<ColumnGraph>(*graph);
    graph->SetSeries(nullptr);
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(graph, 1, wxEXPAND | wxALL, PageStyle::MARGIN);
    SetSizer(sizer);
    TakeZoom(ZoomLevel());
    FitTo(this, sizer);
}

ColumnGraphPage::~ColumnGraphPage() = default;

// The graph's texts, lines and least height grow with the zoom, and so does the margin.
void ColumnGraphPage::TakeZoom(const ZoomLevel& zoom)
{
    const PageStyle style(zoom);
    graph->SetFontSize(style.GraphPoints());
    graph->SetLineScale(zoom.Factor());
    graph->SetMinSize(wxSize(-1, style.Pixels(200)));
    GetSizer()->GetItem(graph)->SetBorder(style.Margin());
    GetSizer()->SetSizeHints(this);
    graph->UpdateView();
    graph->ShowNewSettings();
}

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
