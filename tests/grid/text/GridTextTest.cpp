#include "grid/text/GridText.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A plain table of cells; reaching outside it fails the test, as the toolkit would assert.
struct TableCells : CellAccess {
    explicit TableCells(Rows rows) : cells(std::move(rows)) {}
    int RowCount() const override { return static_cast<int>(cells.size()); }
    int ColCount() const override { return cells.empty() ? 0 : static_cast<int>(cells[0].size()); }
    std::string Value(int r, int c) const override { return Inside(r, c) ? cells[r][c] : ""; }
    bool IsReadOnly(int r, int c) const override { return Inside(r, c) && readOnly.count({r, c}); }
    void SetValue(int r, int c, const std::string& text) override
    {
        if (Inside(r, c))
            cells[r][c] = text;
    }
    bool Inside(int r, int c) const
    {
        EXPECT_TRUE(Contains(r, c)) << "cell (" << r << ", " << c << ") is outside";
        return Contains(r, c);
    }
    Rows cells;
    std::set<std::pair<int, int>> readOnly;
};

const CellBlock noBlock;
const Rows dots(3, std::vector<std::string>(3, "."));

TEST(GridText, CopyTextOfBlocksAndCursorCell)
{
    const TableCells cells({{"12", "y", ""}, {"a", "b", ""}, {"c", "d", ""}});
    const struct {
        CellBlock block;
        int row, col;
        std::string expected;
    } cases[] = {
        {{1, 0, 2, 1}, 0, 0, "a\tb\r\nc\td\r\n"}, // every row ends with the row end
        {noBlock, 0, 0, "12"},                    // cursor cell: no row end
        {{0, 2, 2, 2}, 0, 0, "\r\n\r\n\r\n"},     // empty cells still give their rows
        {noBlock, 0, 2, ""},                      // an empty cursor cell gives nothing
        {noBlock, -1, -1, ""},                    // no cursor cell at all
        {{2, 1, 5, 5}, 0, 0, "d\t\r\n"},          // block remembered before the grid shrank
        {{4, 0, 6, 1}, 0, 0, ""},                 // ... or wholly gone
    };
    for (const auto& c : cases)
        EXPECT_EQ(gridText::CopyText(cells, c.block, c.row, c.col, "\r\n"), c.expected)
            << "block top " << c.block.topRow << " cursor " << c.row << "," << c.col;
}

TEST(GridText, ClearCellsEmptiesWritableTargetCellsOnly)
{
    TableCells cells(dots);
    cells.readOnly = {{1, 1}};
    gridText::ClearCells(cells, {0, 1, 1, 5}, 2, 0); // block past the edge: cut to the grid
    gridText::ClearCells(cells, noBlock, 2, 0);
    gridText::ClearCells(cells, noBlock, -1, -1);
    EXPECT_EQ(cells.cells, (Rows{{".", "", ""}, {".", ".", ""}, {"", ".", "."}}));
}

TEST(GridText, SpreadTextFromTheCursor)
{
    const struct {
        std::string text;
        Rows expected;
    } cases[] = {
        {"1\t2\r\n3\t4", {{"1", "2", "."}, {"3", "4", "."}, {".", ".", "."}}},
        {"1\t2\n3\t4\n", {{"1", "2", "."}, {"3", "4", "."}, {".", ".", "."}}},
        {"1\r2\r3", {{"1", ".", "."}, {"2", ".", "."}, {"3", ".", "."}}},
        {"1\t\t3", {{"1", ".", "3"}, {".", ".", "."}, {".", ".", "."}}},     // empty field
        {"1\n\n2", {{"1", ".", "."}, {"2", ".", "."}, {".", ".", "."}}},     // empty "\n" line
        {"1\r\n\r\n2", {{"1", ".", "."}, {".", ".", "."}, {"2", ".", "."}}}, // empty "\r\n" line
        {"1\t\n2", {{"1", "2", "."}, {".", ".", "."}, {".", ".", "."}}},     // "\n" after a tab
        {"1\t2\t3\t4\r\n5\r\n6\r\n7\t8", {{"1", "2", "3"}, {"5", ".", "."}, {"6", ".", "."}}},
        {"\xC3\xA4\t\xE2\x82\xAC",
         {{"\xC3\xA4", "\xE2\x82\xAC", "."}, {".", ".", "."}, {".", ".", "."}}},
    };
    for (const auto& c : cases) {
        TableCells cells(dots);
        gridText::SpreadText(cells, c.text, noBlock, 0, 0);
        EXPECT_EQ(cells.cells, c.expected) << testing::PrintToString(c.text);
    }
}

TEST(GridText, SpreadTextStartsAtBlockOrCursorAndSkipsReadOnlyCells)
{
    TableCells cells(dots);
    cells.readOnly = {{2, 2}};
    gridText::SpreadText(cells, "a\tb\tc\r\nd\te", {1, 1, 2, 2}, 0, 0);
    gridText::SpreadText(cells, "f", noBlock, -1, -1); // a missing cursor counts as (0, 0)
    gridText::SpreadText(cells, "g\r\nh", noBlock, 5, 0);
    EXPECT_EQ(cells.cells, (Rows{{"f", ".", "."}, {".", "a", "b"}, {".", "d", "."}}));
}

TEST(GridText, SpreadTextCutsEachFieldTo32767Characters)
{
    const std::string xs(32767, 'x');
    std::string umlauts; // two bytes a character
    for (int i = 0; i < 32767; ++i)
        umlauts += "\xC3\xA4";
    TableCells cells(dots);
    gridText::SpreadText(cells, xs + "yz\t" + umlauts + "\xC3\xB6\r\n" + xs, noBlock, 0, 0);
    EXPECT_EQ(cells.cells[0][0], xs);
    EXPECT_EQ(cells.cells[0][1], umlauts);
    EXPECT_EQ(cells.cells[1][0], xs); // just at the limit: whole
    EXPECT_EQ(cells.cells[0][2], ".");
}

} // namespace
