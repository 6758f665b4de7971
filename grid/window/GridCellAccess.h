#pragma once

#include "grid/text/CellAccess.h"

class wxGrid;

// Lets the text copy and paste read and write a toolkit grid's cells.
class GridCellAccess : public CellAccess {
public:
    explicit GridCellAccess(wxGrid& grid) : grid(grid) {}

    int RowCount() const override;
    int ColCount() const override;
    std::string Value(int row, int col) const override;
    bool IsReadOnly(int row, int col) const override;
    void SetValue(int row, int col, const std::string& text) override;

private:
    wxGrid& grid;
};
