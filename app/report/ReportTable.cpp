#include "app/report/ReportTable.h"

#include "app/theory/PlainNumbers.h"
#include "app/theory/TheoryComparison.h"

#include <algorithm>

const ReportTable::row ReportTable::HEADINGS = {"Sum", "Expected", "Observed",
                                                "Obs. - Exp.\n(rolls)"};

ReportTable::ReportTable(const TheoryComparison& comparison)
{
    for (int sum = comparison.FirstShownSum(); sum <= comparison.LastShownSum(); ++sum) {
        const int k = sum - comparison.LowestSum();
        rows.push_back({std::to_string(sum), PlainPercent(comparison.ExpectedPercent(k)),
                        PlainPercent(comparison.ObservedPercent(k)),
                        SignedCount(comparison.Difference(k))});
    }
}

ReportTable::shape ReportTable::Fit(int rows, int mostRows, int mostBlocks)
{
    const int most = std::max(1, mostBlocks);
    int blocks = mostRows > 0 ? (rows + mostRows - 1) / mostRows : most + 1;
    const bool fits = blocks <= most;
    blocks = std::clamp(blocks, 1, most);
    return {blocks, (rows + blocks - 1) / blocks, fits};
}
