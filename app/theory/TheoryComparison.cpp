#include "app/theory/TheoryComparison.h"

#include "app/theory/PValueReading.h"
#include "app/theory/Percentage.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Printed(const char* format, double a, double b)
{
    char text[160];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string Counted(long n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

TheoryComparison::TheoryComparison(const SumDistribution& theory, const std::vector<int>& counts)
    : theory(theory), counts(counts), test(theory.Chances(), counts)
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
        Counted(rolls, "roll", "rolls") + " of " + Counted(theory.Dice(), "die", "dice") +
            ", seed " + std::to_string(seed) + ".",
        Printed("Mean of the sum: %.3f, expected %.3f.", mean, theory.Mean()),
        Printed("Standard deviation: %.3f, expected %.3f.", deviation, theory.StandardDeviation()),
        TestLine()};
    if (test.Possible()) {
        if (const std::string pooled = PoolingLine(); !pooled.empty())
            lines.push_back(pooled);
        lines.push_back(Verdict(test.PValue()));
    }
    lines.push_back("Columns: the rolls; red line: what the theory expects.");
    return lines;
}

std::string TheoryComparison::TestLine() const
{
    if (!test.Possible())
        return "Too few rolls for the chi-square test, which needs two groups of sums that each "
               "expect at least 5 rolls.";
    char statistic[32];
    std::snprintf(statistic, sizeof statistic, "%.2f", test.Statistic());
    return std::string("Chi-square: ") + statistic + ", " +
           Counted(test.DegreesOfFreedom(), "degree", "degrees") + " of freedom, " +
           PValueReading(test.PValue()).Figure() + ".";
}

// Empty unless some group holds more than one sum.
std::string TheoryComparison::PoolingLine() const
{
    const std::vector<ChiSquareTest::pool>& pools = test.Pools();
    const auto size = [](const ChiSquareTest::pool& p) { return p.last - p.first + 1; };
    const int sums = static_cast<int>(theory.Chances().size());
    if (static_cast<int>(pools.size()) == sums)
        return std::string();
    return "Rare sums pooled: " + std::to_string(sums) + " sums in " +
           std::to_string(pools.size()) + " groups, " + std::to_string(size(pools.front())) +
           " in the lowest and " + std::to_string(size(pools.back())) + " in the highest.";
}

std::string TheoryComparison::Verdict(double pValue)
{
    const PValueReading reading(pValue);
    const bool only = reading.Unusual() && !reading.Bound();
    return "Differences this large happen by chance in " + std::string(only ? "only " : "") +
           reading.Share() +
           " of runs: " + (reading.Unusual() ? "the dice may not be fair." : "the dice look fair.");
}
