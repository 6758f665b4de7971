#pragma once

// A rectangle of grid cells, corners inclusive. A block whose top row is negative stands for
// "no block" (a selection that was cleared, or none made yet).
struct CellBlock {
    int topRow = -1;
    int leftCol = -1;
    int bottomRow = -1;
    int rightCol = -1;

    bool IsSet() const { return topRow >= 0; }
    bool Intersects(const CellBlock& other) const;
    // The part of the block that lies inside a grid of rows x cols cells (possibly empty).
    CellBlock ClippedTo(int rows, int cols) const;
};
