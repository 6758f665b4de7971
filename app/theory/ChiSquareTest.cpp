#include "app/theory/ChiSquareTest.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Takes cells from one end of lo..hi until they expect MIN_EXPECTED or none are left; returns
// the group and what it expects.
ChiSquareTest::pool TakeFromEnd(const std::vector<double>& expected, int& lo, int& hi, bool fromLow,
                                double& sum)
{
    ChiSquareTest::pool taken{fromLow ? lo : hi, fromLow ? lo : hi};
    sum = 0;
    while (lo <= hi && sum < ChiSquareTest::MIN_EXPECTED) {
        if (fromLow) {
            taken.last = lo;
            sum += expected[static_cast<std::size_t>(lo++)];
        } else {
            taken.first = hi;
            sum += expected[static_cast<std::size_t>(hi--)];
        }
    }
    return taken;
}

} // namespace

std::vector<ChiSquareTest::pool> ChiSquareTest::Pool(const std::vector<double>& expected)
{
    std::vector<pool> low, high; // high holds the groups from the top end, outermost first
    int lo = 0;
    int hi = static_cast<int>(expected.size()) - 1;
    for (bool fromLow = true; lo <= hi; fromLow = !fromLow) {
        double sum = 0;
        const pool taken = TakeFromEnd(expected, lo, hi, fromLow, sum);
        // Only the last group can fall short; it then joins the group beside it.
        if (sum >= MIN_EXPECTED || (low.empty() && high.empty()))
            (fromLow ? low : high).push_back(taken);
        else if (!low.empty() && (fromLow || high.empty()))
            low.back().last = taken.last;
        else
            high.back().first = taken.first;
    }
    low.insert(low.end(), high.rbegin(), high.rend());
    return low;
}

ChiSquareTest::ChiSquareTest(const std::vector<double>& chances, const std::vector<int>& counts)
{
    auto count = [&counts](int k) {
        return k < static_cast<int>(counts.size()) ? counts[static_cast<std::size_t>(k)] : 0;
    };
    double rolls = 0;
    for (std::size_t k = 0; k < chances.size(); ++k)
        rolls += count(static_cast<int>(k));
    std::vector<double> expected(chances.size());
    std::transform(chances.begin(), chances.end(), expected.begin(),
                   [rolls](double p) { return p * rolls; });

    pools = Pool(expected);
    for (const pool& p : pools) {
        double e = 0, o = 0;
        for (int k = p.first; k <= p.last; ++k) {
            e += expected[static_cast<std::size_t>(k)];
            o += count(k);
        }
        if (e > 0)
            statistic += (o - e) * (o - e) / e;
    }
    degreesOfFreedom = std::max(0, PooledCells() - 1);
    pValue = UpperTail(statistic, degreesOfFreedom);
}

double ChiSquareTest::UpperTail(double statistic, int degreesOfFreedom)
{
    if (degreesOfFreedom < 1 || !(statistic > 0))
        return 1.0;
    if (std::isinf(statistic))
        return 0.0;
    const boost::math::chi_squared_distribution<double> chiSquare(degreesOfFreedom);
    return boost::math::cdf(boost::math::complement(chiSquare, statistic));
}
