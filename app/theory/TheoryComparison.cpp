#include "app/theory/TheoryComparison.h"

#include "app/theory/PValueReading.h"
#include "app/theory/Percentage.h"

#include <cmath>
#include <cstdio>

namespace {

template <typename... Numbers> std::string Printed(const char* format, Numbers... numbers)
{
    char text[200];
    std::snprintf(text, sizeof text, format, numbers...);
    return text;
}

std::string Counted(long n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

TheoryComparison::TheoryComparison(const SumDistribution& theory, const std::vector<int>& counts)
    : TheoryComparison(theory, theory, counts)
{
}

TheoryComparison::TheoryComparison(const SumDistribution& theory, const SumDistribution& tested,
                                   const std::vector<int>& counts)
    : theory(theory), tested(tested), counts(counts), test(tested.Chances(), counts)
{
    const int cells = static_cast<int>(theory.Chances().size());
    double total = 0, squares = 0;
    for (int k = 0; k < cells; ++k) {
        const double sum = theory.LowestSum() + k;
        rolls += Count(k);
        total += Count(k) * sum;
    }
    mean = rolls > 0 ? total / rolls : 0;
    for (int k = 0; k < cells; ++k) {
        const double distance = theory.LowestSum() + k - mean;
        squares += Count(k) * distance * distance;
    }
    deviation = rolls > 0 ? std::sqrt(squares / rolls) : 0;

    int first = cells - 1, last = 0;
    for (int k = 0; k < cells; ++k)
        if (WorthShowing(k)) {
            first = std::min(first, k);
            last = k;
        }
    firstShown = theory.LowestSum() + first;
    lastShown = theory.LowestSum() + std::max(first, last);
}

int TheoryComparison::Count(int k) const
{
    return k >= 0 && k < static_cast<int>(counts.size()) ? counts[static_cast<std::size_t>(k)] : 0;
}

bool TheoryComparison::WorthShowing(int k) const
{
    return Count(k) > 0 || ExpectedPercent(k) >= SHOWN_PERCENT;
}

double TheoryComparison::ExpectedPercent(int k) const
{
    return theory.Chance(theory.LowestSum() + k) * 100.0;
}

double TheoryComparison::ObservedPercent(int k) const
{
    return rolls > 0 ? Percentage(Count(k), rolls) : 0.0;
}

double TheoryComparison::Difference(int k) const
{
    return Count(k) - theory.Chance(theory.LowestSum() + k) * rolls;
}

std::vector<std::string> TheoryComparison::Summary(std::uint32_t seed) const
{
    if (rolls == 0)
        return {"No rolls yet: click Start to compare the rolls with the theory."};
    std::vector<std::string> lines{
        RunLine(seed), Printed("Mean of the sum: %.3f, expected %.3f.", mean, theory.Mean())};
    if (theory.GetDie().IsSixSided())
        lines.push_back(SixSidedLine());
    lines.push_back(
        Printed("Standard deviation: %.3f, expected %.3f.", deviation, theory.StandardDeviation()));
    lines.push_back(TestLine());
    if (test.Possible()) {
        if (const std::string pooled = PoolingLine(); !pooled.empty())
            lines.push_back(pooled);
        lines.push_back(Verdict());
    }
    lines.push_back("Columns: the rolls; red line: what the theory expects.");
    return lines;
}

std::string TheoryComparison::RunLine(std::uint32_t seed) const
{
    const Die& die = theory.GetDie();
    return Counted(rolls, "roll", "rolls") + " of " + die.Counted(theory.Dice()) +
           (die.IsLoaded() ? "; seed " : ", seed ") + std::to_string(seed) + ".";
}

// Why the six-sided dice expect a little less than the fair dice that pupils work out by hand: of
// the 32768 draws a face is made from, 5457 give a 6 where 5461.33 would be a sixth.
std::string TheoryComparison::SixSidedLine() const
{
    const double fairMean = theory.Dice() * (theory.GetDie().Faces() + 1) / 2.0;
    return Printed("Here a 6 is a little rarer than 1 in 6; fair dice give %.3f.", fairMean);
}

std::string TheoryComparison::TestLine() const
{
    if (!test.Possible())
        return "Too few rolls for the chi-square test, which needs two groups of sums that each "
               "expect at least 5 rolls.";
    char statistic[32];
    std::snprintf(statistic, sizeof statistic, "%.2f", test.Statistic());
    const bool againstFair = tested.GetDie() != theory.GetDie();
    return std::string(againstFair ? "Chi-square against fair dice: " : "Chi-square: ") +
           statistic + ", " + Counted(test.DegreesOfFreedom(), "degree", "degrees") +
           " of freedom, " + PValueReading(test.PValue()).Figure() + ".";
}

// Empty unless some group holds more than one sum.
std::string TheoryComparison::PoolingLine() const
{
    const int sums = static_cast<int>(tested.Chances().size());
    if (test.PooledCells() == sums)
        return std::string();
    return Printed("Sums expected fewer than %g times were counted with their neighbours: %d sums "
                   "in %d groups.",
                   ChiSquareTest::MIN_EXPECTED, sums, test.PooledCells());
}

// The test's p-value read for a pupil from the figure the test line shows: unusual exactly when
// that figure is below PValueReading::UNUSUAL, however few the groups.
std::string TheoryComparison::Verdict() const
{
    const PValueReading reading(test.PValue());
    const bool only = reading.Unusual() && !reading.Bound();
    const bool loaded = tested.GetDie().IsLoaded();
    std::string judged;
    if (reading.Unusual())
        judged = loaded ? "the dice may not be loaded as set." : "the dice may not be fair.";
    else if (test.PooledCells() < GROUPS_TO_JUDGE)
        judged = "too few rolls to judge; roll more.";
    else
        judged = loaded ? "the dice look loaded as set." : "the dice look fair.";
    return "Differences at least this large happen by chance in " +
           std::string(only ? "only " : "") + reading.Share() + " of runs: " + judged;
}
