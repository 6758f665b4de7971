#include "app/report/ReportTable.h"
#include "app/report/WordWrap.h"
#include "app/theory/SumDistribution.h"
#include "app/theory/TheoryComparison.h"

#include <gtest/gtest.h>

namespace {

// Lines as long as fit, broken at blanks; a word too long has a line of its own.
TEST(ReportTest, TextBreaksAtBlanksToTheWidth)
{
    const auto letters = [](const std::string& text) { return static_cast<double>(text.size()); };
    const struct {
        const char* text;
        double width;
        std::vector<std::string> lines;
    } cases[] = {
        {"a bb ccc dd", 4, {"a bb", "ccc", "dd"}},
        {"unbreakable x yz", 5, {"unbreakable", "x yz"}},
        {"  blanks   between\nwords ", 40, {"blanks between words"}},
        {"exactly fits", 12, {"exactly fits"}},
        {"", 5, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WrappedLines(c.text, c.width, letters), c.lines) << c.text;
}

// The fewest blocks that hold the rows, shared out evenly; when even the most blocks do not
// hold them, as many blocks as there is room for, longer.
TEST(ReportTest, TheTableTakesTheFewestBlocksThatHoldItsRows)
{
    const struct {
        int rows, mostRows, mostBlocks;
        int blocks, perBlock;
        bool fits;
    } cases[] = {
        {181, 45, 4, 4, 46, false}, {180, 45, 4, 4, 45, true}, {62, 30, 4, 3, 21, true},
        {11, 30, 4, 1, 11, true},   {11, 11, 1, 1, 11, true},  {5, 0, 3, 3, 2, false},
        {5, 10, 0, 1, 5, true},
    };
    for (const auto& c : cases) {
        const ReportTable::shape shape = ReportTable::Fit(c.rows, c.mostRows, c.mostBlocks);
        EXPECT_EQ(shape.blocks, c.blocks) << c.rows << " rows";
        EXPECT_EQ(shape.rowsPerBlock, c.perBlock) << c.rows << " rows";
        EXPECT_EQ(shape.fits, c.fits) << c.rows << " rows";
    }
}

// One row for each sum worth showing, in the Theory page's texts.
TEST(ReportTest, TheTableHasARowForEachSumWorthShowing)
{
    const SumDistribution hundred(100);
    std::vector<int> counts(501, 0);
    counts[250] = 3; // the sum 350
    counts[400] = 1; // the sum 500, far past the likely ones
    const TheoryComparison comparison(hundred, counts);
    const ReportTable table(comparison);
    const std::vector<ReportTable::row>& rows = table.Rows();
    ASSERT_EQ(static_cast<int>(rows.size()),
              comparison.LastShownSum() - comparison.FirstShownSum() + 1);
    EXPECT_EQ(rows.front()[0], std::to_string(comparison.FirstShownSum()));
    EXPECT_EQ(rows.back(), (ReportTable::row{"500", "< 0.001%", "25.000%", "+1.0"}));

    const SumDistribution two(2);
    const std::vector<int> rolled{1, 0, 3};
    const TheoryComparison few(two, rolled);
    EXPECT_EQ(ReportTable(few).Rows().front(),
              (ReportTable::row{"2", "2.779%", "25.000%", "+0.9"}));
}

} // namespace
