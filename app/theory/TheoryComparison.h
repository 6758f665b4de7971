#pragma once

#include "app/theory/ChiSquareTest.h"
#include "app/theory/SumDistribution.h"

#include <cstdint>
#include <string>
#include <vector>

// The rolls of a run set against the theory of its dice: per sum the expected and the observed
// share and the difference in rolls, the observed mean and spread of the sum, the chi-square
// test, the sums worth showing, and all of it in plain words.
class TheoryComparison {
public:
    // A sum is worth showing when the theory gives it at least this share (in percent) or it
    // came up.
    static constexpr double SHOWN_PERCENT = 0.01;
    // A test of fewer groups than this can hardly tell a loaded die from a fair one.
    static constexpr int GROUPS_TO_JUDGE = 5;

    // counts[k] rolls had the sum theory.Dice() + k; cells missing from counts count none.
    TheoryComparison(const SumDistribution& theory, const std::vector<int>& counts);
    // The same, with the chi-square test made against `tested`, as many dice of as many faces
    // (fair ones, say) rather than against `theory`.
    TheoryComparison(const SumDistribution& theory, const SumDistribution& tested,
                     const std::vector<int>& counts);

    long Rolls() const { return rolls; }
    double ObservedMean() const { return mean; }
    // Of the sums rolled, about their own mean: the root of their mean squared distance.
    double ObservedDeviation() const { return deviation; }
    const ChiSquareTest& Test() const { return test; }

    // Per cell k (the sum Dice() + k): percentages of the rolls, and observed less expected
    // rolls. The observed share of no rolls is 0.
    double ExpectedPercent(int k) const;
    double ObservedPercent(int k) const;
    double Difference(int k) const;

    // The lowest sum the dice make, that of cell 0.
    int LowestSum() const { return theory.LowestSum(); }
    // The first and last sum worth showing.
    int FirstShownSum() const { return firstShown; }
    int LastShownSum() const { return lastShown; }

    // What the comparison says, line by line, for a run rolled from `seed`.
    std::vector<std::string> Summary(std::uint32_t seed) const;

private:
    int Count(int k) const;
    bool WorthShowing(int k) const;
    std::string RunLine(std::uint32_t seed) const;
    std::string SixSidedLine() const;
    std::string TestLine() const;
    std::string PoolingLine() const;
    std::string Verdict() const;

    const SumDistribution& theory;
    const SumDistribution& tested;
    const std::vector<int>& counts;
    long rolls = 0;
    double mean = 0;
    double deviation = 0;
    ChiSquareTest test;
    int firstShown = 0;
    int lastShown = 0;
};
