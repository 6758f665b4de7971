#include "app/window/TheoryPage.h"

#include "app/run/RunModel.h"
#include "app/theory/PlainNumbers.h"
#include "app/theory/TheoryComparison.h"
#include "graph/window/coordSys.h"
#include "grid/window/PelkoGrid.h"

#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(TheoryPage, wxPanel)
    EVT_COMMAND(wxID_ANY, coordSysRangeChanged, TheoryPage::OnRangeChanged)
wxEND_EVENT_TABLE()

namespace {

enum { SUM_COLUMN, EXPECTED_COLUMN, OBSERVED_COLUMN, DIFFERENCE_COLUMN, COLUMNS };

// Room above the tallest column or point of the line, as a share of it.
constexpr double HEADROOM = 1.15;
// Pixels a column needs to be drawn with its outline.
constexpr int MIN_OUTLINED = 6;

wxFont SmallFont(wxFontWeight weight)
{
    return wxFont(8, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, weight);
}

// The tick labels of an axis that starts at 0: the view widens the range below 0 to make room
// for the labels, and the ticks there get none; nor does 0, where the other axis crosses.
std::vector<std::string> PositiveLabels(const std::vector<double>& ticks, double unit)
{
    std::vector<std::string> labels;
    for (double t : ticks)
        labels.push_back(t < unit / 2 ? "" : coordSysView::FormatTickLabel(t, false));
    return labels;
}

// Wide enough for the label and for the widest text of a cell.
int ColumnWidth(wxGrid& table, const wxString& label, const wxString& widest)
{
    const int margin = 12;
    const wxFont labelFont = table.GetLabelFont();
    int labelWidth = 0, height = 0, valueWidth = 0;
    table.GetTextExtent(label, &labelWidth, &height, nullptr, nullptr, &labelFont);
    table.GetTextExtent(widest, &valueWidth, &height);
    return std::max(labelWidth, valueWidth) + margin;
}

} // namespace

TheoryPage::TheoryPage(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    table = new PelkoGrid(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    graph = new coordSys(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER);
    summary = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                             wxTE_MULTILINE | wxTE_READONLY | wxNO_BORDER);
    SetUpTable();
    SetUpGraph();
    DoLayout();
    StartRun(1, 0, {});
}

void TheoryPage::SetUpTable()
{
    table->CreateResultsTable(0, COLUMNS);
    const char* labels[COLUMNS] = {"Sum", "Expected", "Observed", "Obs. - Exp."};
    const char* widest[COLUMNS] = {"600", "100.000%", "100.000%", "-1000.0"};
    for (int col = 0; col < COLUMNS; ++col) {
        table->SetColLabelValue(col, labels[col]);
        auto* attr = new wxGridCellAttr;
        attr->SetAlignment(col == SUM_COLUMN ? wxALIGN_CENTRE : wxALIGN_RIGHT, wxALIGN_CENTRE);
        if (col == SUM_COLUMN) {
            attr->SetFont(SmallFont(wxFONTWEIGHT_BOLD));
        } else {
            // Set together, so the text stays readable on a dark theme too.
            attr->SetBackgroundColour(*wxWHITE);
            attr->SetTextColour(*wxBLACK);
        }
        table->SetColAttr(col, attr);
        table->SetColSize(col, ColumnWidth(*table, labels[col], widest[col]));
    }
    table->drawCellHighlight = false;
    table->SetInitialSize(wxSize(165, 110));
}

void TheoryPage::SetUpGraph()
{
    graph->SetBackgroundColour(*wxWHITE);
    graph->SetFontSize(8);
    graph->SetXAxisLabel("Sum of dice");
    graph->SetYAxisLabel("% of rolls");
    graph->originAlwaysViewable = false;
    graph->axesAlwaysViewable = true;
    graph->propertiesMenuEnabled = false;
    graph->SetXAutoScale(true);
    graph->SetYAutoScale(true);
    graph->gridStyle = coordSysSettings::HORIZONTAL_GRID;
    graph->SetXAxisLabelPosition(coordSysSettings::BELOW + coordSysSettings::RIGHT);

    dataSeries observed; // green columns, as on the column graph
    observed.style = dataSeries::COLUMNS;
    observed.columnWidth = 1.0;
    observed.fillColour = graphColour::Green();
    observed.penWidth = 1;
    observedId = graph->AddSeries(observed);
    dataSeries expected;
    expected.style = dataSeries::LINES;
    expected.penColour = graphColour::Rgb(220, 0, 0);
    expected.penWidth = 2;
    expectedId = graph->AddSeries(expected);
    graph->SetInitialSize(wxSize(150, 100));
}

void TheoryPage::DoLayout()
{
    summary->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    summary->SetFont(SmallFont(wxFONTWEIGHT_NORMAL));
    // Room for three lines; the box scrolls when the page is smaller than the summary.
    summary->SetInitialSize(wxSize(-1, 3 * summary->GetCharHeight() + 6));
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(graph, 2, wxEXPAND, 0);
    right->Add(summary, 1, wxEXPAND | wxTOP, 5);
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(table, 1, wxEXPAND | wxALL, 7);
    sizer->Add(right, 1, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, 7);
    SetSizer(sizer);
    sizer->SetSizeHints(this);
}

void TheoryPage::RunStarted(const RunModel& run)
{
    StartRun(run.LowestSum(), run.Seed(), run.Counts());
}

void TheoryPage::StartRun(int dice, std::uint32_t runSeed, const std::vector<int>& counts)
{
    if (dice != theory.Dice())
        theory = SumDistribution(dice);
    seed = runSeed;
    lastShown = 0;
    PrepareTable();
    ShowCounts(counts);
    ScrollToFirstShownSum(counts);
}

// One row per possible sum with its expected share; surplus rows go from the top.
void TheoryPage::PrepareTable()
{
    wxGridUpdateLocker oneRepaint(table);
    const int rows = static_cast<int>(theory.Chances().size());
    if (table->GetNumberRows() < rows)
        table->AppendRows(rows - table->GetNumberRows());
    else if (table->GetNumberRows() > rows)
        table->DeleteRows(0, table->GetNumberRows() - rows);
    for (int row = 0; row < rows; ++row) {
        const double chance = theory.Chances()[static_cast<std::size_t>(row)];
        table->SetCellValue(row, SUM_COLUMN, wxString::Format("%d", theory.LowestSum() + row));
        table->SetCellValue(row, EXPECTED_COLUMN, PlainPercent(chance * 100));
    }
}

// Many dice make many sums too rare to ever come up; the table opens where the likely ones
// begin.
void TheoryPage::ScrollToFirstShownSum(const std::vector<int>& counts)
{
    const TheoryComparison comparison(theory, counts);
    table->MakeCellVisible(table->GetNumberRows() - 1, SUM_COLUMN);
    table->MakeCellVisible(comparison.FirstShownSum() - theory.LowestSum(), SUM_COLUMN);
}

void TheoryPage::RollMade(const RunModel& run, double now)
{
    if (now - lastShown < FOLLOW_INTERVAL || !IsShownOnScreen())
        return;
    lastShown = now;
    ShowCounts(run.Counts());
}

void TheoryPage::RunEnded(const RunModel& run, bool) { ShowCounts(run.Counts()); }

void TheoryPage::ShowCounts(const std::vector<int>& counts)
{
    const TheoryComparison comparison(theory, counts);
    ShowTable(comparison);
    ShowGraph(comparison);
    ShowSummary(comparison);
}

void TheoryPage::ShowTable(const TheoryComparison& comparison)
{
    wxGridUpdateLocker oneRepaint(table);
    for (int row = 0; row < table->GetNumberRows(); ++row) {
        table->SetCellValue(row, OBSERVED_COLUMN, PlainPercent(comparison.ObservedPercent(row)));
        table->SetCellValue(row, DIFFERENCE_COLUMN, SignedCount(comparison.Difference(row)));
    }
}

// The observed shares as columns and the expected ones as a line, over the sums worth showing.
void TheoryPage::ShowGraph(const TheoryComparison& comparison)
{
    pointRun columns, line;
    double tallest = 0;
    for (int sum = comparison.FirstShownSum(); sum <= comparison.LastShownSum(); ++sum) {
        const int k = sum - theory.LowestSum();
        columns.push_back({static_cast<double>(sum), comparison.ObservedPercent(k)});
        line.push_back({static_cast<double>(sum), comparison.ExpectedPercent(k)});
        tallest = std::max({tallest, columns.back().y, line.back().y});
    }
    graph->GetSeries(observedId)->runs.assign(1, columns);
    graph->GetSeries(expectedId)->runs.assign(1, line);
    FitGraph(comparison, tallest);
    FollowGraphSize();
}

// What depends on the graph's size: the y labels follow its ticks, and the columns get outlines
// only where they are wide enough to show green between them.
void TheoryPage::FollowGraphSize()
{
    LabelYTicks();
    dataSeries& observed = *graph->GetSeries(observedId);
    const int columns = observed.runs.empty() ? 0 : static_cast<int>(observed.runs[0].size());
    const int columnPixels = graph->GetClientSize().x / (columns + 2);
    observed.penColour = columnPixels >= MIN_OUTLINED ? graphColour::Blue() : graphColour::None();
    graph->Refresh();
}

// One free sum either side of those shown; the y axis stands just left of the first column.
void TheoryPage::FitGraph(const TheoryComparison& comparison, double tallest)
{
    const double left = comparison.FirstShownSum() - 1;
    graph->SetXMin(left);
    graph->SetXMax(comparison.LastShownSum() + 1);
    graph->SetYMin(0);
    graph->SetYMax(tallest * HEADROOM);
    graph->axisIntersection = {left, 0};
}

// Recomputes the view and labels the y ticks from 0 upwards only.
void TheoryPage::LabelYTicks()
{
    graph->ClearCustomYTickLabels();
    graph->UpdateView();
    std::vector<double> ticks;
    graph->GetYAxis().TickPositions(ticks, coordAxis::MAJOR_TICKS);
    graph->SetCustomYTickLabels(PositiveLabels(ticks, graph->GetYAxis().GetTickUnit()));
}

void TheoryPage::ShowSummary(const TheoryComparison& comparison)
{
    wxString text;
    for (const std::string& line : comparison.Summary(seed))
        text += (text.empty() ? "" : "\n") + wxString::FromUTF8(line);
    if (summary->GetValue() != text)
        summary->ChangeValue(text);
}

// The graph recomputed its view on a resize.
void TheoryPage::OnRangeChanged(wxCommandEvent&) { FollowGraphSize(); }
