#include "app/window/AnalysisPage.h"

#include "app/run/RunModel.h"
#include "app/window/FitTo.h"
#include "app/window/FrequencyTable.h"
#include "grid/window/PelkoGrid.h"

#include <wx/sizer.h>

#include <algorithm>

AnalysisPage::AnalysisPage(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
{
    grid = new PelkoGrid(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    table = new FrequencyTable;
    grid->CreateResultsTable(table);
    SetUpColumn(FrequencyTable::SUM_COLUMN, "Sum of Dice", 90, false);
    SetUpColumn(FrequencyTable::COUNT_COLUMN, "Frequency", 90, true);
    SetUpColumn(FrequencyTable::SHARE_COLUMN, "Relative Frequency", 130, true);
    grid->drawCellHighlight = false;
    grid->SetInitialSize(wxSize(165, 110));

    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(grid, 1, wxEXPAND | wxALL, 7);
    FitTo(this, sizer);
}

int AnalysisPage::LabelWidth(const wxString& label) const
{
    const int margin = 12;
    const wxFont labelFont = grid->GetLabelFont();
    int width = 0, height = 0;
    grid->GetTextExtent(label, &width, &height, nullptr, nullptr, &labelFont);
    return width + margin;
}

void AnalysisPage::SetUpColumn(int col, const wxString& label, int width, bool white)
{
    grid->SetColLabelValue(col, label);
    // The label font here is larger than the one the widths were chosen for; a column is never
    // narrower than its label, so the labels are read whole.
    grid->SetColSize(col, std::max(width, LabelWidth(label)));
    auto* attr = new wxGridCellAttr;
    attr->SetAlignment(wxALIGN_CENTRE, wxALIGN_CENTRE);
    if (white) {
        // A cell whose background is set gets a text colour to match: the theme's own text
        // colour is light on a dark theme and would vanish on white.
        attr->SetBackgroundColour(*wxWHITE);
        attr->SetTextColour(*wxBLACK);
    } else {
        attr->SetFont(wxFont(8, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    }
    grid->SetColAttr(col, attr);
}

// One row per possible sum, counts and percentages at zero. The grid moves a selection along
// with deleted rows without reporting it, so the selection goes first: what is highlighted and
// what a copy takes stay the same cells.
void AnalysisPage::RunStarted(const RunModel& run)
{
    wxGridUpdateLocker oneRepaint(grid);
    grid->ClearSelection();
    table->StartRun(run.LowestSum(), static_cast<int>(run.Counts().size()));
}

void AnalysisPage::RollMade(const RunModel& run, double) { ShowCounts(run); }

void AnalysisPage::RunEnded(const RunModel& run, bool) { ShowCounts(run); }

// Only the counts and percentages change; the grid makes the texts of the cells in view when it
// paints them next.
void AnalysisPage::ShowCounts(const RunModel& run)
{
    table->Show(run.Counts(), run.Made());
    grid->RefreshBlock(0, FrequencyTable::COUNT_COLUMN, table->GetNumberRows() - 1,
                       FrequencyTable::SHARE_COLUMN);
}
