#include "app/window/AnalysisPage.h"

#include "app/run/RunModel.h"
#include "app/window/FitTo.h"
#include "app/window/FrequencyTable.h"
#include "app/window/PageStyle.h"
#include "grid/window/PelkoGrid.h"

#include <wx/settings.h>
#include <wx/sizer.h>

#include <algorithm>

AnalysisPage::AnalysisPage(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    grid = new PelkoGrid(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    table = new FrequencyTable;
    grid->CreateResultsTable(table);
    grid->drawCellHighlight = false;
    cellFont = grid->GetDefaultCellFont();
    labelFont = grid->GetLabelFont();
    rowHeight = grid->GetDefaultRowSize();
    labelHeight = grid->GetColLabelSize();

    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(grid, 1, wxEXPAND | wxALL, PageStyle::MARGIN);
    SetSizer(sizer);
    TakeZoom(ZoomLevel());
    FitTo(this, sizer);
}

void AnalysisPage::TakeZoom(const ZoomLevel& zoom)
{
    const PageStyle style(zoom);
    {
        wxGridUpdateLocker oneRepaint(grid);
        grid->SetDefaultCellFont(style.Scaled(cellFont));
        grid->SetLabelFont(style.Scaled(labelFont));
        grid->SetDefaultRowSize(style.Pixels(rowHeight), true);
        grid->SetColLabelSize(style.Pixels(labelHeight));
        SetUpColumn(style, FrequencyTable::SUM_COLUMN, "Sum of Dice", 90, false);
        SetUpColumn(style, FrequencyTable::COUNT_COLUMN, "Frequency", 90, true);
        SetUpColumn(style, FrequencyTable::SHARE_COLUMN, "Relative Frequency", 130, true);
    }
    int columns = grid->GetRowLabelSize() + wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, grid);
    for (int col = 0; col < FrequencyTable::COLUMNS; ++col)
        columns += grid->GetColSize(col);
    grid->SetMinSize(wxSize(std::max(style.Pixels(165), columns), style.Pixels(110)));
    GetSizer()->GetItem(grid)->SetBorder(style.Margin());
    GetSizer()->SetSizeHints(this);
}

// A column is never narrower than its label, so the labels are read whole.
void AnalysisPage::SetUpColumn(const PageStyle& style, int col, const wxString& label, int width,
                               bool white)
{
    grid->SetColLabelValue(col, label);
    auto* attr = new wxGridCellAttr;
    attr->SetAlignment(wxALIGN_CENTRE, wxALIGN_CENTRE);
    if (white) {
        // A cell whose background is set gets a text colour to match: the theme's own text
        // colour is light on a dark theme and would vanish on white.
        attr->SetBackgroundColour(*wxWHITE);
        attr->SetTextColour(*wxBLACK);
    } else {
        attr->SetFont(style.SmallFont(wxFONTWEIGHT_BOLD));
    }
    grid->SetColAttr(col, attr);
    grid->SetColSize(col, style.ColumnWidth(*grid, col, label, wxString(), width));
}

// One row per possible sum, counts and percentages at zero, from the top. The grid moves a
// selection along with deleted rows without reporting it, so the selection goes first: what is
// highlighted and what a copy takes stay the same cells.
void AnalysisPage::RunStarted(const RunModel& run)
{
    wxGridUpdateLocker oneRepaint(grid);
    grid->ClearSelection();
    table->StartRun(run.LowestSum(), static_cast<int>(run.Counts().size()));
    grid->Scroll(0, 0);
}

void AnalysisPage::RollMade(const RunModel& run, double) { ShowCounts(run); }

// After the run the table shows the sum that came up most often.
void AnalysisPage::RunEnded(const RunModel& run, bool)
{
    ShowCounts(run);
    ShowLargestCount(*grid, run.Counts());
}

// Only the counts and percentages change; the grid makes the texts of the cells in view when it
// paints them next.
void AnalysisPage::ShowCounts(const RunModel& run)
{
    table->Show(run.Counts(), run.Made());
    grid->RefreshBlock(0, FrequencyTable::COUNT_COLUMN, table->GetNumberRows() - 1,
                       FrequencyTable::SHARE_COLUMN);
}
