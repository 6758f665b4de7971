#pragma once

#include <wx/grid.h>

#include <vector>

// The cells of the "Analysis" table, each made when the grid asks for it: a possible sum, how
// often it came up and its share of the rolls, from the counts the table was last given. Only
// the cells in view are made, so giving it new counts costs the same however many rows it has.
// Before any run it has six rows of empty cells. Its cells take no edits.
class FrequencyTable : public wxGridTableBase {
public:
    enum { SUM_COLUMN, COUNT_COLUMN, SHARE_COLUMN, COLUMNS };

    // One row per sum from lowestSum on, each counted 0 times. Rows are added at the end or
    // taken from the top, and the grid showing the table is told.
    void StartRun(int lowestSum, int rows);
    // Cell k of `counts` for the sum lowestSum + k, out of `rolls` rolls.
    void Show(const std::vector<int>& shownCounts, long shownRolls);

    int GetNumberRows() override { return rowCount; }
    int GetNumberCols() override { return COLUMNS; }
    wxString GetValue(int row, int col) override;
    void SetValue(int, int, const wxString&) override {}
    wxString GetColLabelValue(int col) override;
    void SetColLabelValue(int col, const wxString& label) override;

private:
    void ChangeRowCount(int rows);
    static bool IsColumn(int col) { return col >= 0 && col < COLUMNS; }

    int rowCount = 6;
    int lowestSum = 1;
    std::vector<int> counts; // empty before any run
    long rolls = 0;
    wxString labels[COLUMNS];
};
