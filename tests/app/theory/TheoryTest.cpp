#include "app/run/DiceRun.h"
#include "app/theory/ChiSquareTest.h"
#include "app/theory/PValueReading.h"
#include "app/theory/SumDistribution.h"
#include "app/theory/TheoryComparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using pool = ChiSquareTest::pool;

// Exact chances, worked out in rational arithmetic (the counts of faces multiplied out as whole
// numbers over 32768^dice) and rounded to 18 digits.
TEST(SumDistribution, ChancesMatchExactArithmeticTo12Digits)
{
    struct {
        int dice, sum;
        double exact;
    } cases[] = {
        {100, 350, 2.33241538002986540e-02}, {100, 300, 3.19551270341153710e-04},
        {100, 500, 1.14936908894522821e-20}, {100, 100, 1.57807106014817935e-78},
        {100, 600, 1.41384526704648041e-78}, {3, 11, 1.25002533506858526e-01},
        {2, 7, 1.66666654869914055e-01},     {1, 6, 0.166534423828125},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(SumDistribution(c.dice).Chance(c.sum) / c.exact, 1.0, 1e-12)
            << c.dice << " dice, sum " << c.sum;
    EXPECT_EQ(SumDistribution(100).Chances().size(), 501u);
    EXPECT_EQ(SumDistribution(100).Chance(601), 0.0);
    EXPECT_EQ(SumDistribution(0).Dice(), 1);
    EXPECT_EQ(SumDistribution(101).Dice(), 100);
}

TEST(SumDistribution, MeanAndStandardDeviationOfTheFaceRule)
{
    // Per die: mean 114673/32768, variance 3131309855/1073741824.
    struct {
        int dice;
        double mean, deviation;
    } cases[] = {
        {100, 349.9542236328125, 17.077059337243696},
        {2, 6.99908447265625, 2.4150608920180132},
        {1, 3.499542236328125, 1.7077059337243694},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(SumDistribution(c.dice).Mean(), c.mean);
        EXPECT_NEAR(SumDistribution(c.dice).StandardDeviation(), c.deviation, 1e-12);
    }
}

// Small cases worked out by hand, and the largest: every die's chances are exact fractions of
// its weights, its mean and variance those of one die times the dice.
TEST(SumDistribution, ExactForEveryDieInCasesWorkedByHand)
{
    const Die loaded = *Die::Loaded({1, 1, 1, 1, 1, 5});
    const double end = 7.888609052210118e-131; // 20^-100
    struct {
        Die die;
        int dice;
        std::vector<std::pair<int, double>> chances;
        double mean, variance;
    } cases[] = {
        {*Die::Fair(20), 100, {{100, end}, {101, 100 * end}, {2000, end}}, 1050, 3325},
        // 0.1^3 for 1, 1, 1; 0.5^3 for 6, 6, 6; three ways of 6, 6, 5: 3 x 0.25 x 0.1.
        {loaded, 3, {{3, 0.001}, {17, 0.075}, {18, 0.125}}, 13.5, 3 * 3.25},
        {*Die::Fair(4), 2, {{2, 1.0 / 16}, {5, 4.0 / 16}, {8, 1.0 / 16}}, 5, 2.5},
        {*Die::Loaded({1, 3}), 2, {{2, 1.0 / 16}, {3, 6.0 / 16}, {4, 9.0 / 16}}, 3.5, 0.375},
        {*Die::Loaded({0, 7, 0}), 5, {{5, 0}, {10, 1}, {15, 0}}, 10, 0},
    };
    for (const auto& c : cases) {
        const SumDistribution theory(c.dice, c.die);
        SCOPED_TRACE(c.die.Counted(c.dice));
        EXPECT_EQ(theory.Chances().size(), (c.die.Faces() - 1) * c.dice + 1u);
        for (const auto& [sum, exact] : c.chances)
            EXPECT_NEAR(theory.Chance(sum), exact, exact * 1e-13) << "sum " << sum;
        EXPECT_DOUBLE_EQ(theory.Mean(), c.mean);
        EXPECT_NEAR(theory.StandardDeviation(), std::sqrt(c.variance), 1e-13);
        EXPECT_EQ(theory.FairDice().GetDie(), *Die::Fair(c.die.Faces()));
    }
}

TEST(ChiSquareTest, UpperTailMatchesPublishedTables)
{
    struct {
        double statistic;
        int df;
        double p;
    } cases[] = {
        {3.841, 1, 0.05},   {6.635, 1, 0.01},     {5.991, 2, 0.05},   {2.0, 2, 0.367879},
        {18.307, 10, 0.05}, {23.209, 10, 0.01},   {43.773, 30, 0.05}, {0.455, 1, 0.5},
        {9.342, 10, 0.5},   {124.342, 100, 0.05},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ChiSquareTest::UpperTail(c.statistic, c.df), c.p, 1e-4)
            << c.statistic << " with " << c.df;
    EXPECT_EQ(ChiSquareTest::UpperTail(7.0, 0), 1.0);
    EXPECT_EQ(ChiSquareTest::UpperTail(0.0, 4), 1.0);
    EXPECT_EQ(ChiSquareTest::UpperTail(1e300 * 1e300, 4), 0.0);
}

TEST(ChiSquareTest, PoolsFromTheTailsInwards)
{
    struct {
        std::vector<double> expected;
        std::vector<pool> pools;
    } cases[] = {
        {{0.5, 2, 6, 8, 6, 2, 0.5}, {{0, 2}, {3, 3}, {4, 6}}},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {{0, 4}, {5, 9}}},
        {{3, 3, 3, 3, 3}, {{0, 2}, {3, 4}}},      // a short middle joins the low side
        {{6, 6, 1, 6}, {{0, 0}, {1, 1}, {2, 3}}}, // ... or the high side, whose turn it was
        {{5, 5}, {{0, 0}, {1, 1}}},
        {{1, 1, 1}, {{0, 2}}}, // all together still short
        {{}, {}},
    };
    for (const auto& c : cases) {
        const std::vector<pool> pools = ChiSquareTest::Pool(c.expected);
        ASSERT_EQ(pools.size(), c.pools.size());
        for (std::size_t i = 0; i < pools.size(); ++i)
            EXPECT_TRUE(pools[i] == c.pools[i])
                << "group " << i << " is " << pools[i].first << ".." << pools[i].last;
    }
}

TEST(ChiSquareTest, StatisticOverPooledCells)
{
    // 100 rolls, 25 expected in each cell: (5^2 + 5^2) / 25 = 2 with 3 degrees of freedom.
    const ChiSquareTest even({0.25, 0.25, 0.25, 0.25}, {30, 20, 25, 25});
    EXPECT_DOUBLE_EQ(even.Statistic(), 2.0);
    EXPECT_EQ(even.DegreesOfFreedom(), 3);
    EXPECT_NEAR(even.PValue(), 0.5724067, 1e-7);

    // 20 rolls: the tails expect 2 and 2, so each joins its neighbour; cells (4, 10, 6) against
    // (6, 8, 6) give 4/6 + 4/8 + 0 with 2 degrees of freedom.
    const ChiSquareTest pooled({0.1, 0.2, 0.4, 0.2, 0.1}, {1, 3, 10, 4, 2});
    EXPECT_EQ(pooled.PooledCells(), 3);
    EXPECT_NEAR(pooled.Statistic(), 4.0 / 6 + 0.5, 1e-12);
    EXPECT_EQ(pooled.DegreesOfFreedom(), 2);

    EXPECT_FALSE(ChiSquareTest({0.5, 0.5}, {}).Possible());
}

TEST(TheoryComparison, ObservedAgainstExpectedPerSum)
{
    const SumDistribution two(2);
    const std::vector<int> counts{0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 1}; // 7, 7, 7 and 12
    const TheoryComparison c(two, counts);
    EXPECT_EQ(c.Rolls(), 4);
    EXPECT_DOUBLE_EQ(c.ObservedMean(), 8.25);
    EXPECT_NEAR(c.ObservedDeviation(), 2.1650635094610966, 1e-12);
    EXPECT_DOUBLE_EQ(c.ObservedPercent(5), 75.0);
    EXPECT_NEAR(c.ExpectedPercent(5), 16.6666654869914055, 1e-12);
    EXPECT_NEAR(c.Difference(5), 3 - 4 * 0.166666654869914055, 1e-12);
    EXPECT_NEAR(c.Difference(0), -4 * 2.77947345748543739e-02, 1e-12);
    EXPECT_EQ(c.Summary(7),
              (std::vector<std::string>{
                  "4 rolls of 2 six-sided dice, seed 7.", "Mean of the sum: 8.250, expected 6.999.",
                  "Here a 6 is a little rarer than 1 in 6; fair dice give 7.000.",
                  "Standard deviation: 2.165, expected 2.415.",
                  "Too few rolls for the chi-square test, which needs two groups of sums that each "
                  "expect at least 5 rolls.",
                  "Columns: the rolls; red line: what the theory expects."}));
}

TEST(TheoryComparison, ShowsSumsExpectedAtLeastOneInTenThousandOrRolled)
{
    EXPECT_EQ(TheoryComparison(SumDistribution(100), {}).FirstShownSum(), 294);
    EXPECT_EQ(TheoryComparison(SumDistribution(100), {}).LastShownSum(), 406);
    const SumDistribution six(6); // the sum 6 expects 0.0021%, the sum 7 0.0129%
    std::vector<int> counts(31, 0);
    EXPECT_EQ(TheoryComparison(six, counts).FirstShownSum(), 7);
    counts[0] = 1;
    EXPECT_EQ(TheoryComparison(six, counts).FirstShownSum(), 6);
    EXPECT_EQ(TheoryComparison(six, counts).LastShownSum(), 35);
}

// The figure, the share of runs and the verdict agree: all are read from the figure as shown.
TEST(PValueReading, FigureShareAndVerdictAgree)
{
    struct {
        double p;
        const char* figure;
        const char* share;
        bool unusual;
    } cases[] = {
        {0.04996, "p = 0.0500", "5.00%", false}, // two digits would show 0.050 for both
        {0.049906, "p = 0.0499", "4.99%", true},
        {0.0504, "p = 0.0504", "5.04%", false},
        {0.0494, "p = 0.049", "4.9%", true},
        {0.999577, "p > 0.99", "more than 99%", false},
        {0.995, "p > 0.99", "more than 99%", false},
        {0.9949, "p = 0.99", "99%", false},
        {0.000694, "p < 0.001", "fewer than 0.1%", true},
        {0.43, "p = 0.43", "43%", false},
        {0.0031, "p = 0.0031", "0.31%", true},
    };
    for (const auto& c : cases) {
        const PValueReading reading(c.p);
        EXPECT_EQ(reading.Figure(), c.figure) << c.p;
        EXPECT_EQ(reading.Share(), c.share) << c.p;
        EXPECT_EQ(reading.Unusual(), c.unusual) << c.p;
    }
}

// Runs of the program's own dice whose summaries once said more or less than their numbers:
// the test lines between the spread and the legend.
TEST(TheoryComparison, SummarySaysWhatItsNumbersSay)
{
    const std::string chance = "Differences at least this large happen by chance in ";
    struct {
        int dice;
        long rolls;
        std::uint32_t seed;
        std::vector<std::string> lines;
    } cases[] = {
        {2,
         3000,
         603,
         {"Chi-square: 1.22, 10 degrees of freedom, p > 0.99.",
          chance + "more than 99% of runs: the dice look fair."}},
        {2,
         3000,
         258,
         {"Chi-square: 30.56, 10 degrees of freedom, p < 0.001.",
          chance + "fewer than 0.1% of runs: the dice may not be fair."}},
        {2,
         3000,
         449,
         {"Chi-square: 18.31, 10 degrees of freedom, p = 0.0499.",
          chance + "only 4.99% of runs: the dice may not be fair."}},
        {1,
         1500,
         11,
         {"Chi-square: 4.75, 5 degrees of freedom, p = 0.45.",
          chance + "45% of runs: the dice look fair."}},
        {2,
         60,
         1,
         {"Chi-square: 7.19, 7 degrees of freedom, p = 0.41.",
          "Sums expected fewer than 5 times were counted with their neighbours: 11 sums in 8 "
          "groups.",
          chance + "41% of runs: the dice look fair."}},
    };
    for (const auto& c : cases) {
        std::vector<int> counts;
        RollRecord record;
        DiceRun(c.dice, c.rolls, c.seed, counts, record).RollUntil(c.rolls);
        const std::vector<std::string> summary =
            TheoryComparison(SumDistribution(c.dice), counts).Summary(c.seed);
        ASSERT_EQ(summary.size(), c.lines.size() + 5) << "seed " << c.seed;
        EXPECT_EQ(std::vector<std::string>(summary.begin() + 4, summary.end() - 1), c.lines)
            << "seed " << c.seed;
    }
}

// The verdict says what the rolls were tested against, and with fewer than 5 groups that there
// are too few rolls to judge, unless p is unusual.
TEST(TheoryComparison, VerdictFollowsWhatTheRollsWereTestedAgainst)
{
    const Die loaded = *Die::Loaded({1, 1, 1, 1, 1, 5});
    struct {
        int dice;
        Die die;
        bool fair;
        long rolls;
        std::uint32_t seed;
        const char *test, *verdict;
    } cases[] = {
        {3, loaded, true, 3000, 1, " against fair dice: 10438.43, 15 degrees of freedom, p < 0.001",
         "fewer than 0.1% of runs: the dice may not be fair."},
        {3, loaded, false, 3000, 1, ": 12.23, 14 degrees of freedom, p = 0.59",
         "59% of runs: the dice look loaded as set."},
        {2, Die(), true, 3000, 603, " against fair dice: 1.22, 10 degrees of freedom, p > 0.99",
         "more than 99% of runs: the dice look fair."},
        {2, Die(), false, 20, 2, ": 0.59, 2 degrees of freedom, p = 0.74",
         "74% of runs: too few rolls to judge; roll more."},
        {2, Die(), false, 20, 53, ": 7.09, 2 degrees of freedom, p = 0.029",
         "only 2.9% of runs: the dice may not be fair."},
    };
    for (const auto& c : cases) {
        std::vector<int> counts;
        RollRecord record;
        DiceRun(c.dice, c.rolls, c.seed, counts, record, c.die).RollUntil(c.rolls);
        const SumDistribution theory(c.dice, c.die);
        const SumDistribution tested = c.fair ? theory.FairDice() : theory;
        const std::vector<std::string> summary =
            TheoryComparison(theory, tested, counts).Summary(c.seed);
        const std::string test = "Chi-square" + std::string(c.test) + ".";
        EXPECT_EQ(std::count(summary.begin(), summary.end(), test), 1) << test;
        EXPECT_EQ(summary.end()[-2],
                  "Differences at least this large happen by chance in " + std::string(c.verdict));
    }
}

// The first line names the dice; tested against fair dice, the expected shares, mean and spread
// stay those of the dice rolled.
TEST(TheoryComparison, SummaryNamesTheDiceAndTheTheoryStaysTheirs)
{
    std::vector<int> counts(16, 0);
    counts[15] = 3; // three times 18
    const SumDistribution theory(3, *Die::Loaded({1, 1, 1, 1, 1, 5}));
    const SumDistribution fair = theory.FairDice();
    const TheoryComparison c(theory, fair, counts);
    EXPECT_DOUBLE_EQ(c.ExpectedPercent(15), 12.5);
    const std::vector<std::string> summary = c.Summary(9);
    EXPECT_EQ(std::vector<std::string>(summary.begin(), summary.begin() + 3),
              (std::vector<std::string>{
                  "3 rolls of 3 loaded 6-sided dice, weights 1, 1, 1, 1, 1, 5; seed 9.",
                  "Mean of the sum: 18.000, expected 13.500.",
                  "Standard deviation: 0.000, expected 3.122."}));
}

} // namespace
