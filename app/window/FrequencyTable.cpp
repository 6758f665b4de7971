#include "app/window/FrequencyTable.h"

#include "app/theory/Percentage.h"

#include <wx/intl.h>

void FrequencyTable::StartRun(int lowest, int rows)
{
    lowestSum = lowest;
    counts.assign(static_cast<std::size_t>(rows), 0);
    rolls = 0;
    ChangeRowCount(rows);
}

void FrequencyTable::Show(const std::vector<int>& shownCounts, long shownRolls)
{
    counts = shownCounts;
    rolls = shownRolls;
}

// Sums that never came up show "0" and "0%".
wxString FrequencyTable::GetValue(int row, int col)
{
    if (row < 0 || static_cast<std::size_t>(row) >= counts.size())
        return wxString();
    const int count = counts[static_cast<std::size_t>(row)];
    switch (col) {
    case SUM_COLUMN:
        return wxString::Format(wxGetTranslation("%d"), lowestSum + row);
    case COUNT_COLUMN:
        return count == 0 ? wxGetTranslation("0") : wxString::Format(wxGetTranslation("%d"), count);
    case SHARE_COLUMN:
        return count == 0 ? wxGetTranslation("0%")
                          : wxString::FromUTF8(PercentageText(
                                count, rolls, wxGetTranslation(PERCENTAGE_FORMAT).utf8_str()));
    }
    return wxString();
}

wxString FrequencyTable::GetColLabelValue(int col) { return IsColumn(col) ? labels[col] : ""; }

void FrequencyTable::SetColLabelValue(int col, const wxString& label)
{
    if (IsColumn(col))
        labels[col] = label;
}

void FrequencyTable::ChangeRowCount(int rows)
{
    const int before = rowCount;
    rowCount = rows;
    if (!GetView() || rows == before)
        return;
    if (rows > before) {
        wxGridTableMessage added(this, wxGRIDTABLE_NOTIFY_ROWS_APPENDED, rows - before);
        GetView()->ProcessTableMessage(added);
    } else {
        wxGridTableMessage taken(this, wxGRIDTABLE_NOTIFY_ROWS_DELETED, 0, before - rows);
        GetView()->ProcessTableMessage(taken);
    }
}
