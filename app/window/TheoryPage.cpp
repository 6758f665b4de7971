#include "app/window/TheoryPage.h"

#include "app/report/TheoryGraph.h"
#include "app/run/DiceRoller.h"
#include "app/run/RunModel.h"
#include "app/theory/PlainNumbers.h"
#include "app/theory/TheoryComparison.h"
#include "app/window/PageStyle.h"
#include "graph/window/coordSys.h"
#include "grid/window/PelkoGrid.h"

#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(TheoryPage, wxScrolled<wxPanel>)
    EVT_COMMAND(wxID_ANY, coordSysRangeChanged, TheoryPage::OnRangeChanged)
    EVT_SIZE(TheoryPage::OnSize)
wxEND_EVENT_TABLE()

namespace {

enum { SUM_COLUMN, EXPECTED_COLUMN, OBSERVED_COLUMN, DIFFERENCE_COLUMN, COLUMNS };

const char* const LABELS[COLUMNS] = {"Sum", "Expected", "Observed", "Obs. - Exp.\n(rolls)"};

// The pixels the graph keeps for its columns at the least, at 100%.
constexpr int MIN_COLUMNS_HEIGHT = 20;

// The cells and the labels in the small fonts, the rows and the two lines of labels as high as
// those need; the table scrolls by whole rows.
void UseSmallFonts(wxGrid& table, const PageStyle& style)
{
    table.SetLabelFont(style.SmallFont(wxFONTWEIGHT_BOLD));
    table.SetDefaultCellFont(style.SmallFont(wxFONTWEIGHT_NORMAL));
    const wxFont cellFont = table.GetDefaultCellFont();
    int width = 0, height = 0;
    table.GetTextExtent("0", &width, &height, nullptr, nullptr, &cellFont);
    const int row = height + style.Pixels(4);
    table.SetDefaultRowSize(row, true);
    table.SetScrollLineY(row);
    table.SetColLabelSize(2 * height + style.Pixels(4));
}

} // namespace

TheoryPage::~TheoryPage() = default;

TheoryPage::TheoryPage(wxWindow* parent)
    : wxScrolled<wxPanel>(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                          wxTAB_TRAVERSAL | wxNO_BORDER | wxVSCROLL | wxHSCROLL)
{
    table = new PelkoGrid(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    graph = new coordSys(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER);
    summary = new wxStaticText(this, wxID_ANY, "");
    SetUpTable();
    SetUpGraph();
    DoLayout();
    StartRun(0, {});
}

void TheoryPage::SetUpTable()
{
    table->CreateResultsTable(0, COLUMNS);
    for (int col = 0; col < COLUMNS; ++col)
        table->SetColLabelValue(col, LABELS[col]);
    table->drawCellHighlight = false;
    table->ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_ALWAYS);
}

// All four columns whole at the table's narrowest; it scrolls only up and down.
void TheoryPage::ZoomTable(const PageStyle& style)
{
    wxGridUpdateLocker oneRepaint(table);
    UseSmallFonts(*table, style);
    const std::string largestSum = std::to_string(Die::MAX_FACES * DiceRoller::MAX_DICE);
    const char* widest[COLUMNS] = {largestSum.c_str(), "100.000%", "100.000%", "-1000.0"};
    int width = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, table) + table->GetRowLabelSize();
    for (int col = 0; col < COLUMNS; ++col) {
        auto* attr = new wxGridCellAttr;
        attr->SetAlignment(col == SUM_COLUMN ? wxALIGN_CENTRE : wxALIGN_RIGHT, wxALIGN_CENTRE);
        if (col == SUM_COLUMN) {
            attr->SetFont(style.SmallFont(wxFONTWEIGHT_BOLD));
        } else {
            // Set together, so the text stays readable on a dark theme too.
            attr->SetBackgroundColour(*wxWHITE);
            attr->SetTextColour(*wxBLACK);
        }
        table->SetColAttr(col, attr);
        table->SetColSize(col, style.ColumnWidth(*table, col, LABELS[col], widest[col], 0));
        width += table->GetColSize(col);
    }
    table->SetMinSize(
        wxSize(width, table->GetColLabelSize() + TABLE_ROWS * table->GetDefaultRowSize() + 1));
}

void TheoryPage::SetUpGraph()
{
    graph->SetBackgroundColour(*wxWHITE);
    theoryGraph = std::make_unique<TheoryGraph>(*graph, *graph);
}

// The table and the graph side by side, the summary under them across the page: the summary
// always shows whole, and the table and the graph share the room it leaves.
void TheoryPage::DoLayout()
{
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(table, 0, wxEXPAND | wxRIGHT, PageStyle::MARGIN);
    top->Add(graph, 1, wxEXPAND, 0);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(top, 1, wxEXPAND | wxALL, PageStyle::MARGIN);
    sizer->Add(summary, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, PageStyle::MARGIN);
    SetSizer(sizer);
    TakeZoom(ZoomLevel());
}

void TheoryPage::TakeZoom(const ZoomLevel& zoom)
{
    const PageStyle style(zoom);
    margin = style.Margin();
    ZoomTable(style);
    graph->SetFontSize(style.GraphPoints());
    graph->SetLineScale(zoom.Factor());
    graph->SetMinSize(wxSize(style.Pixels(60), style.Pixels(GRAPH_HEIGHT)));
    summary->SetFont(style.SmallFont(wxFONTWEIGHT_NORMAL));
    wxSizer& sizer = *GetSizer();
    sizer.GetItem(table, true)->SetBorder(margin);
    for (wxSizerItem* item : sizer.GetChildren())
        item->SetBorder(margin);
    // The page asks for little room of its own: what it needs beyond that, it scrolls.
    SetMinSize(wxSize(style.Pixels(120), style.Pixels(120)));
    SetScrollRate(style.Pixels(10), style.Pixels(10));
    summary->SetMinSize(wxDefaultSize);
    WrapSummary();
    FollowGraphSize();
}

// The theory of the run's dice, and what the rolls are tested against.
void TheoryPage::RunStarted(const RunModel& run)
{
    if (run.RunDice() != theory.Dice() || run.RunDie() != theory.GetDie())
        theory = SumDistribution(run.RunDice(), run.RunDie());
    tested = run.TestsAgainstFair() ? theory.FairDice() : theory;
    StartRun(run.Seed(), run.Counts());
}

void TheoryPage::StartRun(std::uint32_t runSeed, const std::vector<int>& counts)
{
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

// After the run the table shows the sum that came up most often.
void TheoryPage::RunEnded(const RunModel& run, bool)
{
    ShowCounts(run.Counts());
    ShowLargestCount(*table, run.Counts());
}

void TheoryPage::ShowCounts(const std::vector<int>& counts)
{
    const TheoryComparison comparison(theory, tested, counts);
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

void TheoryPage::ShowGraph(const TheoryComparison& comparison)
{
    theoryGraph->Show(comparison);
    FollowGraphSize();
}

// A graph too short for the x axis's title under its tick labels, the arrowhead and some height of
// columns goes without the title: the table beside it names the sums. Then the view follows.
void TheoryPage::FollowGraphSize()
{
    const wxSize size = graph->GetClientSize();
    theoryGraph->FitTo({size.x, size.y});
    graph->SetXAxisLabel(TheoryGraph::X_TITLE);
    const int titled = graph->LabelPixels(graph->LabelMeasurer()).bottom +
                       graph->ScaledLine(coordSysView::ARROW_LENGTH + coordSysView::LABEL_GAP +
                                         MIN_COLUMNS_HEIGHT);
    if (size.y < titled)
        graph->SetXAxisLabel("");
    graph->UpdateView();
    graph->Refresh();
}

void TheoryPage::ShowSummary(const TheoryComparison& comparison)
{
    wxString text;
    for (const std::string& line : comparison.Summary(seed))
        text += (text.empty() ? "" : "\n") + wxString::FromUTF8(line);
    if (text == summaryText)
        return;
    summaryText = text;
    WrapSummary();
}

// The summary's lines broken to the page's width less a scroll bar's, whether one shows or not
// (it shows when the lines need it), and the page's scrolled area as large as its parts need, or
// as the page where that is larger.
void TheoryPage::WrapSummary()
{
    const int width = GetSize().x - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this) - 2 * margin;
    summary->SetLabelText(summaryText);
    if (width > 0)
        summary->Wrap(width);
    summary->SetMinSize(wxSize(1, summary->GetBestSize().y));
    FitInside();
    Layout();
}

void TheoryPage::OnSize(wxSizeEvent& event)
{
    WrapSummary();
    event.Skip();
}

// The graph recomputed its view on a resize.
void TheoryPage::OnRangeChanged(wxCommandEvent&) { FollowGraphSize(); }
