#include "grid/text/CellBlock.h"

#include <algorithm>

bool CellBlock::Intersects(const CellBlock& other) const
{
    return topRow <= other.bottomRow && other.topRow <= bottomRow && leftCol <= other.rightCol &&
           other.leftCol <= rightCol;
}

CellBlock CellBlock::ClippedTo(int rows, int cols) const
{
    return {std::max(topRow, 0), std::max(leftCol, 0), std::min(bottomRow, rows - 1),
            std::min(rightCol, cols - 1)};
}
