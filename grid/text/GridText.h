#pragma once

#include "grid/text/CellAccess.h"
#include "grid/text/CellBlock.h"

#include <cstddef>
#include <string>

// The grid's clipboard text: tab-separated columns, one line per row.
namespace gridText {

// Longest text a pasted or loaded field puts in a cell, in characters, as spreadsheets allow.
// A longer field is cut there: a cell holding millions of characters takes seconds to draw.
constexpr std::size_t MAX_CELL_CHARACTERS = 32767;

// The text for a copy: with a block, every row of it with its cells joined by tabs and ended by
// rowEnd (the last row too); without one, the cursor cell's value alone. Parts of the block
// outside the grid are left out, so a block remembered before the grid shrank stays safe.
std::string CopyText(const CellAccess& cells, const CellBlock& block, int cursorRow, int cursorCol,
                     const std::string& rowEnd);

// Empties every writable cell of the block, or the cursor cell when there is no block.
void ClearCells(CellAccess& cells, const CellBlock& block, int cursorRow, int cursorCol);

// Spreads text over the cells from the block's top-left (or the cursor when there is no block):
// a tab moves one column right, a line end moves one row down and back to the start column.
// "\r\n" counts as one line end and a "\n" that starts a field is skipped. Empty fields, cells
// outside the grid and read-only cells are left as they are. Each field is cut to
// MAX_CELL_CHARACTERS characters (UTF-8 text; a character is never split).
void SpreadText(CellAccess& cells, const std::string& text, const CellBlock& block, int cursorRow,
                int cursorCol);

} // namespace gridText
