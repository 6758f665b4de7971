#pragma once

#include <vector>

// Pearson's chi-square goodness-of-fit test of counted outcomes against the chances a theory
// gives them. Cells that expect few counts make the test unreliable, so neighbouring cells are
// pooled first, from both ends inwards, until every pooled cell expects at least MIN_EXPECTED.
// The theory is given whole, so the degrees of freedom are the pooled cells less one.
class ChiSquareTest {
public:
    static constexpr double MIN_EXPECTED = 5.0;

    // Cells first to last, inclusive, taken as one.
    struct pool {
        int first;
        int last;
        bool operator==(const pool& other) const
        {
            return first == other.first && last == other.last;
        }
    };

    // Neighbouring cells grouped so that each group's expected count reaches MIN_EXPECTED:
    // groups are taken from the two ends in turn, each as few outermost cells as reach it;
    // a remainder in the middle that cannot reach it joins the group beside it. When all cells
    // together expect less, they form one group. No cells, no groups.
    static std::vector<pool> Pool(const std::vector<double>& expected);

    // counts[k] outcomes in cell k, whose chance is chances[k]; cells missing from counts count
    // none.
    ChiSquareTest(const std::vector<double>& chances, const std::vector<int>& counts);

    // The test needs two pooled cells at least, hence enough counts.
    bool Possible() const { return degreesOfFreedom >= 1; }
    int PooledCells() const { return static_cast<int>(pools.size()); }
    const std::vector<pool>& Pools() const { return pools; }
    double Statistic() const { return statistic; }
    int DegreesOfFreedom() const { return degreesOfFreedom; }
    // The chance of a statistic at least this large from outcomes that do follow the theory.
    double PValue() const { return pValue; }

    // The upper-tail chance of the chi-square distribution; 1 when it has no degrees of freedom.
    static double UpperTail(double statistic, int degreesOfFreedom);

private:
    std::vector<pool> pools;
    double statistic = 0;
    int degreesOfFreedom = 0;
    double pValue = 1;
};
