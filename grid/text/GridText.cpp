#include "grid/text/GridText.h"

#include <algorithm>
#include <cstddef>

namespace gridText {
namespace {

// The cells an operation works on: the block, or the cursor cell when there is none,
// cut down to the grid.
CellBlock TargetCells(const CellAccess& cells, const CellBlock& block, int cursorRow, int cursorCol)
{
    const CellBlock target =
        block.IsSet() ? block : CellBlock{cursorRow, cursorCol, cursorRow, cursorCol};
    return target.ClippedTo(cells.RowCount(), cells.ColCount());
}

bool IsSeparator(char c) { return c == '\t' || c == '\r' || c == '\n'; }

// Bytes of the first MAX_CELL_CHARACTERS characters of the field, or all of it when shorter.
// A character starts at each byte that does not continue a UTF-8 sequence.
std::size_t CappedLength(const std::string& text, std::size_t start, std::size_t length)
{
    std::size_t characters = 0;
    for (std::size_t i = start; i < start + length; ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > MAX_CELL_CHARACTERS)
            return i - start;
    }
    return length;
}

void WriteField(CellAccess& cells, const std::string& text, std::size_t start, std::size_t length,
                int row, int col)
{
    if (length == 0 || !cells.Contains(row, col) || cells.IsReadOnly(row, col))
        return;
    cells.SetValue(row, col, text.substr(start, CappedLength(text, start, length)));
}

} // namespace

std::string CopyText(const CellAccess& cells, const CellBlock& block, int cursorRow, int cursorCol,
                     const std::string& rowEnd)
{
    if (!block.IsSet())
        return cells.Contains(cursorRow, cursorCol) ? cells.Value(cursorRow, cursorCol)
                                                    : std::string();
    const CellBlock inside = TargetCells(cells, block, cursorRow, cursorCol);
    std::string text;
    for (int row = inside.topRow; row <= inside.bottomRow; ++row) {
        for (int col = inside.leftCol; col <= inside.rightCol; ++col) {
            if (col > inside.leftCol)
                text += '\t';
            text += cells.Value(row, col);
        }
        text += rowEnd;
    }
    return text;
}

void ClearCells(CellAccess& cells, const CellBlock& block, int cursorRow, int cursorCol)
{
    const CellBlock target = TargetCells(cells, block, cursorRow, cursorCol);
    for (int row = target.topRow; row <= target.bottomRow; ++row)
        for (int col = target.leftCol; col <= target.rightCol; ++col)
            if (!cells.IsReadOnly(row, col))
                cells.SetValue(row, col, std::string());
}

void SpreadText(CellAccess& cells, const std::string& text, const CellBlock& block, int cursorRow,
                int cursorCol)
{
    const int rows = cells.RowCount();
    const int cols = cells.ColCount();
    const int startCol = std::max(block.IsSet() ? block.leftCol : cursorCol, 0);
    int row = std::max(block.IsSet() ? block.topRow : cursorRow, 0);
    int col = startCol;
    std::size_t fieldStart = 0;
    // Rows only grow, so once past the last row nothing more can be written.
    for (std::size_t i = 0; i < text.size() && row < rows; ++i) {
        const char c = text[i];
        if (!IsSeparator(c))
            continue;
        if (c != '\n' || i != fieldStart) {
            WriteField(cells, text, fieldStart, i - fieldStart, row, col);
            if (c == '\t') {
                col += col < cols ? 1 : 0; // stays put once past the edge: no overflow
            } else {
                ++row;
                col = startCol;
            }
        }
        fieldStart = i + 1;
    }
    WriteField(cells, text, fieldStart, text.size() - fieldStart, row, col);
}

} // namespace gridText
