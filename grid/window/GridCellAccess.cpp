#include "grid/window/GridCellAccess.h"

#include <wx/grid.h>

int GridCellAccess::RowCount() const { return grid.GetNumberRows(); }

int GridCellAccess::ColCount() const { return grid.GetNumberCols(); }

std::string GridCellAccess::Value(int row, int col) const
{
    return grid.GetCellValue(row, col).utf8_string();
}

bool GridCellAccess::IsReadOnly(int row, int col) const { return grid.IsReadOnly(row, col); }

void GridCellAccess::SetValue(int row, int col, const std::string& text)
{
    grid.SetCellValue(row, col, wxString::FromUTF8(text));
}
