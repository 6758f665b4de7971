#include "DiceFrameFixture.h"

#include <set>

using namespace diceframetest;

namespace {

// The table's three columns, row by row.
std::vector<std::vector<wxString>> TableText(PelkoGrid& grid)
{
    std::vector<std::vector<wxString>> rows;
    for (int row = 0; row < grid.GetNumberRows(); ++row)
        rows.push_back({grid.GetCellValue(row, 0), grid.GetCellValue(row, 1),
                        grid.GetCellValue(row, 2)});
    return rows;
}

// What the table shows for these counts of a run of `dice` dice and `rolls` rolls.
std::vector<std::vector<wxString>> ExpectedTable(int dice, const std::vector<int>& counts,
                                                 long rolls)
{
    std::vector<std::vector<wxString>> rows;
    for (std::size_t k = 0; k < counts.size(); ++k)
        rows.push_back({wxString::Format("%d", dice + static_cast<int>(k)),
                        wxString::Format("%d", counts[k]),
                        counts[k] ? wxString::Format("%.4g%%", counts[k] * 100.0 / rolls)
                                  : wxString("0%")});
    return rows;
}

class ResultsViewsTest : public DiceFrameTest {};

} // namespace

TEST_F(ResultsViewsTest, TableStartsWithSixEmptyRowsUnderItsLabels)
{
    PelkoGrid& grid = Probe().Grid();
    ASSERT_EQ(grid.GetNumberRows(), 6);
    ASSERT_EQ(grid.GetNumberCols(), 3);
    EXPECT_EQ(grid.GetColLabelValue(0), "Sum of Dice");
    EXPECT_EQ(grid.GetColLabelValue(1), "Frequency");
    EXPECT_EQ(grid.GetColLabelValue(2), "Relative Frequency");
    EXPECT_FALSE(grid.IsEditable());
    EXPECT_FALSE(grid.CanDragRowSize(0));
    EXPECT_EQ(grid.GetRowLabelSize(), 2);
    EXPECT_FALSE(grid.drawCellHighlight);
    for (const auto& row : TableText(grid))
        EXPECT_EQ(row, (std::vector<wxString>{"", "", ""}));
}

TEST_F(ResultsViewsTest, TableAndColumnsShowEveryPossibleSumInBothModes)
{
    for (bool progressive : {true, false}) {
        SCOPED_TRACE(progressive ? "progressive" : "at the end");
        for (int dice : {1, 2}) {
            const int rolls = dice == 1 ? 6000 : 10;   // 10 rolls of 2 dice miss some sums
            RunWith(dice, rolls, progressive);
            const ExpectedRun expected(dice, rolls);
            EXPECT_EQ(TableText(Probe().Grid()), ExpectedTable(dice, expected.counts, rolls));

            const dataSeries& series = Probe().Series();
            ASSERT_EQ(series.runs.size(), 1u);
            ASSERT_EQ(series.runs[0].size(), expected.counts.size());
            double tallest = 0;
            for (std::size_t k = 0; k < expected.counts.size(); ++k) {
                const double percent = expected.counts[k] * 100.0 / rolls;
                EXPECT_EQ(series.runs[0][k].x, dice + static_cast<double>(k));
                EXPECT_EQ(series.runs[0][k].y, percent);
                tallest = std::max(tallest, percent);
            }
            EXPECT_EQ(Probe().Graph().GetXMax(), 7.0 * dice);
            // Progressive runs move the top in steps of 6; the final fill leaves a fifth spare.
            EXPECT_EQ(Probe().Graph().GetYMax(),
                      progressive ? 6 * (static_cast<int>(tallest) / 5) + 6 : tallest * 1.2);
            EXPECT_EQ(Probe().Graph().GetCurrentSeries(), &series);
        }
    }
    const std::vector<int> twoDice = ExpectedRun(2, 10).counts;
    EXPECT_NE(std::find(twoDice.begin(), twoDice.end(), 0), twoDice.end())
        << "the two-dice run should leave a sum out, to show \"0\" and \"0%\"";
}

TEST_F(ResultsViewsTest, AShorterTableLosesRowsFromTheTopAndShowsTheRightSums)
{
    RunWith(3, 50, false);
    ASSERT_EQ(Probe().Grid().GetNumberRows(), 16);
    RunWith(2, 50, false);
    EXPECT_EQ(TableText(Probe().Grid()), ExpectedTable(2, ExpectedRun(2, 50).counts, 50));
}

TEST_F(ResultsViewsTest, PercentagesHaveFourSignificantDigitsAtMost)
{
    struct Case { int count; long rolls; const char* text; };
    for (const Case& c : {Case{12, 12, "100%"}, Case{1, 12, "8.333%"}, Case{1, 1000000, "0.0001%"},
                          Case{1, 2000000, "5e-05%"}, Case{1, 6, "16.67%"}}) {
        Probe().ShowPercentages({c.count}, c.rolls);
        EXPECT_EQ(Probe().Grid().GetCellValue(0, 2), c.text);
    }
}

TEST_F(ResultsViewsTest, CheckingProgressiveMidRunLeavesCountsOfSumsNotRolledSince)
{
    // The run yields first after its first roll, where progressive analysis comes on; from then
    // on only the count of each roll's own sum is written.
    AtFirstYield([this] { Probe().SetProgressive(true); });
    RunWith(100, 5, false);
    const ExpectedRun expected(100, 5);
    const std::set<int> laterSums(expected.sums.begin() + 1, expected.sums.end());
    int stale = 0;
    for (std::size_t k = 0; k < expected.counts.size(); ++k) {
        const bool written = laterSums.count(100 + static_cast<int>(k)) != 0;
        stale += expected.counts[k] != 0 && !written;
        EXPECT_EQ(Probe().Grid().GetCellValue(static_cast<int>(k), 1),
                  written ? wxString::Format("%d", expected.counts[k]) : wxString("0"));
    }
    EXPECT_GT(stale, 0) << "the seed should leave the first roll's sum stale";
}
