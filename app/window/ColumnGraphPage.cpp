#include "app/window/ColumnGraphPage.h"

#include "app/run/RunModel.h"
#include "app/theory/Percentage.h"
#include "app/window/FitTo.h"
#include "app/window/PageStyle.h"
#include "graph/window/bufferedCoordSys.h"

#include <wx/sizer.h>

#include <algorithm>

ColumnGraphPage::ColumnGraphPage(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    graph = new bufferedCoordSys(this, wxID_ANY, wxDefaultPosition, wxDefaultSize);
    SetUpSeries();
    SetUpGraph();
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(graph, 1, wxEXPAND | wxALL, PageStyle::MARGIN);
    SetSizer(sizer);
    TakeZoom(ZoomLevel());
    FitTo(this, sizer);
}

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

void ColumnGraphPage::SetUpSeries()
{
    series.style = dataSeries::COLUMNS;
    series.columnWidth = 1.0;
    series.fillColour = graphColour::Green();
    series.penColour = graphColour::Blue();
    series.penWidth = 1;
}

void ColumnGraphPage::SetUpGraph()
{
    graph->SetXMin(0);
    graph->SetYMin(0);
    graph->SetXMax(7);
    graph->SetYMax(120);
    graph->SetXAxisLabel("Sum of Zobrin Values");
    graph->SetYAxisLabel("Frequency Percentage");
    graph->originAlwaysViewable = false;
    graph->axesAlwaysViewable = true;
    graph->ticksKeepLabelsApart = true;
    graph->propertiesMenuEnabled = false; // this window offers no properties window
    graph->SetXAutoScale(true);
    graph->gridStyle = coordSysSettings::HORIZONTAL_GRID;
    graph->SetXAxisLabelPosition(coordSysSettings::BELOW + coordSysSettings::RIGHT);
    graph->SetSeries(nullptr);
}

void ColumnGraphPage::RunStarted(const RunModel& run) { graph->SetXMax(7.0 * run.LowestSum()); }

// While the run is followed, the top of the y range moves in steps of 6 and always clears the
// tallest column.
void ColumnGraphPage::RollMade(const RunModel& run, double)
{
    const int tallest = static_cast<int>(RebuildColumns(run));
    graph->SetYMax(6 * (tallest / 5) + 6);
    graph->SetSeries(&series);
}

// A run not followed shows its columns at its end, with a fifth of the tallest to spare.
void ColumnGraphPage::RunEnded(const RunModel& run, bool followed)
{
    if (followed)
        return;
    graph->SetYMax(RebuildColumns(run) * 1.2);
    graph->SetSeries(&series);
}

// Makes the series one run of columns, (sum, percentage of the rolls made) for every possible
// sum, and returns the tallest percentage.
double ColumnGraphPage::RebuildColumns(const RunModel& run)
{
    series.runs.resize(1);
    pointRun& columns = series.runs.front();
    columns.clear();
    double tallest = 0;
    const std::vector<int>& counts = run.Counts();
    for (std::size_t k = 0; k < counts.size(); ++k) {
        const double y = Percentage(counts[k], run.Made());
        tallest = std::max(tallest, y);
        columns.push_back({static_cast<double>(run.LowestSum() + static_cast<int>(k)), y});
    }
    return tallest;
}
