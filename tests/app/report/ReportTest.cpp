#include "app/report/ReportTable.h"

#include <gtest/gtest.h>

namespace {

// The fewest blocks that hold the rows, shared out evenly; when even the most blocks do not
// hold them, as many blocks as there is room for, longer.
TEST(ReportTest, TheTableTakesTheFewestBlocksThatHoldItsRows)
{
    const struct {
        int rows, mostRows, mostBlocks, blocks, perBlock;
        bool fits;
    } cases[] = {
        {181, 45, 4, 4, 46, false}, {180, 45, 4, 4, 45, true}, {62, 30, 4, 3, 21, true},
        {11, 30, 4, 1, 11, true},   {5, 0, 3, 3, 2, false},    {5, 10, 0, 1, 5, true},
    };
    for (const auto& c : cases) {
        const ReportTable::shape shape = ReportTable::Fit(c.rows, c.mostRows, c.mostBlocks);
        EXPECT_EQ(std::make_tuple(shape.blocks, shape.rowsPerBlock, shape.fits),
                  std::make_tuple(c.blocks, c.perBlock, c.fits))
            << c.rows << " rows";
    }
}

} // namespace
