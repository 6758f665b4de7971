#pragma once

#include <string>

// What the text copy and paste need from a grid: its size and its cells' text (UTF-8).
// The window side adapts the toolkit's grid to it; tests use a plain table.
class CellAccess {
public:
    virtual ~CellAccess() = default;

    virtual int RowCount() const = 0;
    virtual int ColCount() const = 0;
    virtual std::string Value(int row, int col) const = 0;
    virtual bool IsReadOnly(int row, int col) const = 0;
    virtual void SetValue(int row, int col, const std::string& text) = 0;

    bool Contains(int row, int col) const
    {
        return row >= 0 && col >= 0 && row < RowCount() && col < ColCount();
    }
};
