#include "grid/GridText.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A plain table of cells. Any access outside it fails the test, as the toolkit would assert.
class TableCells : public CellAccess {
public:
    explicit TableCells(Rows rows) : cells(std::move(rows)) {}

    int RowCount() const override { return static_cast<int>(cells.size()); }
    int ColCount() const override { return cells.empty() ? 0 : static_cast<int>(cells[0].size()); }
    std::string Value(int row, int col) const override
    {
        return Inside(row, col) ? cells[row][col] : std::string();
    }
    bool IsReadOnly(int row, int col) const override
    {
        return Inside(row, col) && readOnly.count({row, col}) > 0;
    }
    void SetValue(int row, int col, const std::string& text) override
    {
        if (Inside(row, col))
            cells[row][col] = text;
    }

    Rows cells;
    std::set<std::pair<int, int>> readOnly;

private:
    bool Inside(int row, int col) const
    {
        EXPECT_TRUE(Contains(row, col)) << "cell (" << row << ", " << col << ") is outside";
        return Contains(row, col);
    }
};

TableCells Dots(int rows, int cols)
{
    return TableCells(Rows(rows, std::vector<std::string>(cols, ".")));
}

const CellBlock noBlock;

// Copy --------------------------------------------------------------------------------------

TEST(GridCopyText, BlockRowsJoinedByTabsEachEndedByRowEnd)
{
    const TableCells cells({{"x", "y", "z"}, {"a", "b", "z"}, {"c", "d", "z"}});
    EXPECT_EQ(gridText::CopyText(cells, {1, 0, 2, 1}, 0, 2, "\r\n"), "a\tb\r\nc\td\r\n");
}

TEST(GridCopyText, WithoutBlockTheCursorCellAloneWithNoRowEnd)
{
    const TableCells cells({{"1", "2"}, {"12", "3"}});
    EXPECT_EQ(gridText::CopyText(cells, noBlock, 1, 0, "\r\n"), "12");
}

TEST(GridCopyText, EmptyCellsStillGiveSeparatorsButAnEmptyCursorCellGivesNothing)
{
    const TableCells cells(Rows(3, std::vector<std::string>(2)));
    EXPECT_EQ(gridText::CopyText(cells, {0, 0, 2, 0}, 0, 0, "\r\n"), "\r\n\r\n\r\n");
    EXPECT_EQ(gridText::CopyText(cells, {0, 0, 1, 1}, 0, 0, "\r\n"), "\t\r\n\t\r\n");
    EXPECT_EQ(gridText::CopyText(cells, noBlock, 0, 0, "\r\n"), "");
}

TEST(GridCopyText, BlockRememberedBeforeTheGridShrankCopiesOnlyWhatIsLeft)
{
    const TableCells cells({{"a", "b"}, {"c", "d"}});
    EXPECT_EQ(gridText::CopyText(cells, {1, 1, 4, 5}, 0, 0, "\n"), "d\n");
    EXPECT_EQ(gridText::CopyText(cells, {3, 0, 5, 1}, 0, 0, "\n"), "");
}

TEST(GridCopyText, CursorOutsideAGridWithoutCellsGivesNothing)
{
    const TableCells cells{Rows()};
    EXPECT_EQ(gridText::CopyText(cells, noBlock, -1, -1, "\r\n"), "");
    EXPECT_EQ(gridText::CopyText(cells, {0, 0, 2, 2}, -1, -1, "\r\n"), "");
}

// Clear -------------------------------------------------------------------------------------

TEST(GridClearCells, EmptiesWritableCellsOfTheBlockOnly)
{
    TableCells cells = Dots(3, 3);
    cells.readOnly = {{1, 1}};
    gridText::ClearCells(cells, {0, 1, 1, 2}, 2, 0);
    EXPECT_EQ(cells.cells, (Rows{{".", "", ""}, {".", ".", ""}, {".", ".", "."}}));
}

TEST(GridClearCells, WithoutBlockEmptiesTheCursorCell)
{
    TableCells cells = Dots(2, 2);
    gridText::ClearCells(cells, noBlock, 1, 0);
    EXPECT_EQ(cells.cells, (Rows{{".", "."}, {"", "."}}));
}

TEST(GridClearCells, StaleBlockAndMissingCursorTouchNothingOutside)
{
    TableCells cells = Dots(2, 2);
    gridText::ClearCells(cells, {1, 1, 9, 9}, 0, 0);
    gridText::ClearCells(cells, noBlock, -1, -1);
    EXPECT_EQ(cells.cells, (Rows{{".", "."}, {".", ""}}));
}

// Paste -------------------------------------------------------------------------------------

struct PasteCase {
    const char* name;
    std::string text;
    Rows expected; // a 3 x 3 grid of "." pasted into from (0, 0)
};

class GridSpreadText : public testing::TestWithParam<PasteCase> {};

TEST_P(GridSpreadText, FillsTheCellsItReaches)
{
    TableCells cells = Dots(3, 3);
    gridText::SpreadText(cells, GetParam().text, noBlock, 0, 0);
    EXPECT_EQ(cells.cells, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridSpreadText,
    testing::Values(
        PasteCase{"CrLfLines", "1\t2\r\n3\t4", {{"1", "2", "."}, {"3", "4", "."}, {".", ".", "."}}},
        PasteCase{"LfLines", "1\t2\n3\t4\n", {{"1", "2", "."}, {"3", "4", "."}, {".", ".", "."}}},
        PasteCase{"CrLines", "1\r2\r3", {{"1", ".", "."}, {"2", ".", "."}, {"3", ".", "."}}},
        PasteCase{"EmptyFieldKeepsCell", "1\t\t3", {{"1", ".", "3"}, {".", ".", "."}, {".", ".", "."}}},
        PasteCase{"EmptyLfLineSkipped", "1\n\n2", {{"1", ".", "."}, {"2", ".", "."}, {".", ".", "."}}},
        PasteCase{"EmptyCrLfLineCounts", "1\r\n\r\n2", {{"1", ".", "."}, {".", ".", "."}, {"2", ".", "."}}},
        PasteCase{"LfAfterTabStaysOnRow", "1\t\n2", {{"1", "2", "."}, {".", ".", "."}, {".", ".", "."}}},
        PasteCase{"BeyondEdgesDropped", "1\t2\t3\t4\r\n5\r\n6\r\n7\t8",
                  {{"1", "2", "3"}, {"5", ".", "."}, {"6", ".", "."}}},
        PasteCase{"MultiByteText", "\xC3\xA4\t\xE2\x82\xAC", {{"\xC3\xA4", "\xE2\x82\xAC", "."}, {".", ".", "."}, {".", ".", "."}}},
        PasteCase{"NothingToPaste", "", {{".", ".", "."}, {".", ".", "."}, {".", ".", "."}}}),
    [](const testing::TestParamInfo<PasteCase>& info) { return std::string(info.param.name); });

TEST(GridSpreadTextStart, BlockTopLeftWinsOverTheCursorAndLinesReturnToItsColumn)
{
    TableCells cells = Dots(3, 3);
    gridText::SpreadText(cells, "a\tb\tc\r\nd", {1, 1, 2, 2}, 0, 0);
    EXPECT_EQ(cells.cells, (Rows{{".", ".", "."}, {".", "a", "b"}, {".", "d", "."}}));
}

TEST(GridSpreadTextStart, CursorStartsThePasteAndANegativeCursorCountsAsZero)
{
    TableCells cells = Dots(2, 2);
    gridText::SpreadText(cells, "a", noBlock, 1, 1);
    gridText::SpreadText(cells, "b", noBlock, -1, -1);
    EXPECT_EQ(cells.cells, (Rows{{"b", "."}, {".", "a"}}));
}

TEST(GridSpreadTextStart, StartOutsideTheGridWritesNothing)
{
    TableCells cells = Dots(2, 2);
    gridText::SpreadText(cells, "a\tb\r\nc", noBlock, 5, 0);
    gridText::SpreadText(cells, "a\tb\r\nc", noBlock, 0, 7);
    EXPECT_EQ(cells.cells, Dots(2, 2).cells);
}

TEST(GridSpreadTextReadOnly, ReadOnlyCellKeepsItsValueAndTheRestMovesOn)
{
    TableCells cells = Dots(2, 3);
    cells.readOnly = {{0, 1}, {1, 0}};
    gridText::SpreadText(cells, "1\t2\t3\r\n4\t5", noBlock, 0, 0);
    EXPECT_EQ(cells.cells, (Rows{{"1", ".", "3"}, {".", "5", "."}}));
}

// The remembered-block geometry behind deselection -------------------------------------------

TEST(GridCellBlock, IntersectsOnlyWhenACellIsShared)
{
    const CellBlock block{1, 1, 2, 2};
    EXPECT_TRUE(block.Intersects({2, 2, 4, 4}));
    EXPECT_TRUE(block.Intersects({0, 0, 5, 5}));
    EXPECT_FALSE(block.Intersects({3, 1, 3, 2}));
    EXPECT_FALSE(block.Intersects({1, 0, 2, 0}));
}

} // namespace
