#include "app/run/DiceRoller.h"
#include "app/run/DiceRun.h"
#include "app/run/RunProgress.h"
#include "app/theory/ChiSquareTest.h"
#include "app/theory/SumDistribution.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

TEST(DiceRoller, FaceRuleMatchesTheFormulaForEveryDraw)
{
    int perFace[7] = {};
    for (int r = 0; r < 32768; ++r) {
        const int expected = 1 + static_cast<int>(r * 5.999 / 32767);
        ASSERT_EQ(DiceRoller::Face(r), expected) << "draw " << r;
        ++perFace[expected];
    }
    EXPECT_EQ((std::vector<int>(perFace + 1, perFace + 7)),
              (std::vector<int>{5463, 5462, 5462, 5462, 5462, 5457}));
}

// A die whose table is short: 19999 entries, so that 39% of the draws are drawn again.
static Die ManyRedrawn()
{
    std::vector<int> weights(19, 1000); // 19999 in all, in lowest terms
    weights.push_back(999);
    return *Die::Loaded(weights);
}

// Rolls `total` rolls one at a time and returns their sums.
static std::vector<int> SumsOneByOne(int dice, std::uint32_t seed, int total,
                                     const Die& die = Die())
{
    DiceRoller roller(dice, seed, die);
    std::vector<int> sums;
    std::uint8_t faces[DiceRoller::MAX_DICE];
    for (int i = 0; i < total; ++i) {
        const int sum = roller.Roll(faces);
        int added = 0;
        for (int d = 0; d < dice; ++d) {
            EXPECT_TRUE(faces[d] >= 1 && faces[d] <= die.Faces());
            added += faces[d];
        }
        EXPECT_EQ(sum, added) << "the faces must add up to the sum";
        sums.push_back(sum);
    }
    return sums;
}

TEST(DiceRoller, SameSeedGivesTheSameRollsWhicheverWayTheyAreMade)
{
    for (const Die& die : {ManyRedrawn(), *Die::Fair(20), Die()}) {
        for (int dice : {1, 3, 100}) {
            const int total = 1000;
            const std::vector<int> sums = SumsOneByOne(dice, 12345, total, die);
            std::vector<int> expected(DiceRun::RowCount(dice, die.Faces()), 0);
            for (int s : sums)
                ++expected[s - dice];

            // Mixed: single rolls, a batch that starts and ends inside a block, more single rolls.
            DiceRoller roller(dice, 12345, die);
            std::vector<int> counts(expected.size(), 0);
            for (int i = 0; i < 5; ++i)
                ++counts[roller.Roll(nullptr) - dice];
            roller.RollMany(700, counts.data());
            for (int i = 705; i < total; ++i)
                ++counts[roller.Roll(nullptr) - dice];
            EXPECT_EQ(counts, expected) << dice << " dice " << die.Name();
        }
    }
    EXPECT_NE(SumsOneByOne(2, 1, 64), SumsOneByOne(2, 2, 64)) << "different seeds, different rolls";
    // What seed 7 gives a 20-sided die on every machine: the generator and the table are our own.
    EXPECT_EQ(SumsOneByOne(1, 7, 10, *Die::Fair(20)),
              (std::vector<int>{11, 12, 10, 8, 4, 12, 14, 16, 6, 12}));
}

// A million faces of each die pass the chi-square test against the chances of its weights, and
// those of the loaded die fail it against a fair die's. The die that draws many draws again
// gets its faces' chances right only if every lane redraws where it should.
TEST(DiceRoller, FacesComeUpWithTheChancesOfTheirWeights)
{
    const auto chances = [](const Die& die) { return SumDistribution(1, die).Chances(); };
    const Die loaded = *Die::Loaded({1, 1, 1, 1, 1, 5});
    for (const Die& die : {ManyRedrawn(), loaded, *Die::Fair(20), Die()}) {
        const int dice = 10;
        DiceRoller roller(dice, 2024, die);
        std::vector<int> perFace(static_cast<std::size_t>(die.Faces()), 0);
        std::uint8_t faces[dice];
        for (int i = 0; i < 100000; ++i) {
            roller.Roll(faces);
            for (std::uint8_t face : faces)
                ++perFace[face - 1u];
        }
        EXPECT_GT(ChiSquareTest(chances(die), perFace).PValue(), 0.001) << die.Name();
        if (die == loaded) {
            EXPECT_LT(ChiSquareTest(chances(*Die::Fair(6)), perFace).PValue(), 1e-12);
        }
    }
}

TEST(DiceRoller, ABatchCountsExactlyItsRollsWhereverItStartsInAGroup)
{
    const std::vector<int> oneByOne = SumsOneByOne(2, 77, 40);
    for (int before = 0; before <= DiceRoller::LANES; ++before) {
        for (long n = 0; n <= 2 * DiceRoller::LANES + 1; ++n) {
            DiceRoller roller(2, 77);
            for (int i = 0; i < before; ++i)
                roller.Roll(nullptr);
            std::vector<int> counts(11, 0);
            roller.RollMany(n, counts.data());
            EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0L), n)
                << n << " rolls after " << before;
            EXPECT_EQ(roller.Roll(nullptr), oneByOne[before + n]) << n << " rolls after " << before;
        }
    }
}

TEST(DiceRoller, FacesAreEvenlySpreadAndIndependentOfTheirDie)
{
    // 100 dice x 6000 rolls: each face of each die position about 1000 times. A generator that
    // repeats lanes or favours a face drifts far outside these bounds.
    const int dice = 100, rolls = 6000;
    DiceRoller roller(dice, 7);
    std::vector<int> perFace(7, 0), perFirstDie(7, 0);
    std::uint8_t faces[DiceRoller::MAX_DICE];
    for (int i = 0; i < rolls; ++i) {
        roller.Roll(faces);
        for (int d = 0; d < dice; ++d)
            ++perFace[faces[d]];
        ++perFirstDie[faces[0]];
    }
    for (int f = 1; f <= 6; ++f) {
        EXPECT_NEAR(perFace[f], dice * rolls / 6.0, 1500) << "face " << f;
        EXPECT_NEAR(perFirstDie[f], rolls / 6.0, 150) << "face " << f << " of the first die";
    }
}

TEST(DiceRun, DiceOutsideTheirRangeAreTakenAsTheNearestCount)
{
    for (auto [asked, taken] : {std::pair{0, 1}, {-5, 1}, {101, 100}, {1000, 100}}) {
        std::vector<int> counts;
        RollRecord record;
        DiceRun run(asked, 20000, 5, counts, record);
        run.RollUntil(20000);
        EXPECT_EQ(counts.size(), static_cast<std::size_t>(DiceRun::RowCount(taken))) << asked;
        EXPECT_EQ(record.Text().substr(0, taken + 1).back(), ' ') << asked;
    }
}

TEST(DiceRun, StretchesBetweenProgressPointsAddUpToTheRunAfterTheRecordedRolls)
{
    // Past the recorded rolls the counts come in batches that start and end anywhere in a group.
    for (long rolls = 10000; rolls <= 10100; ++rolls) {
        std::vector<int> counts;
        RollRecord record;
        DiceRun run(1, rolls, 3, counts, record);
        const long interval = RunProgress(rolls).updateInterval;
        while (run.Made() < rolls)
            run.RollUntil(std::min(rolls, (run.Made() / interval + 1) * interval));
        EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0L), rolls) << rolls;
    }
}

TEST(DiceRun, CountsAddUpToTheRollsMadeAndMatchRollByRoll)
{
    std::vector<int> batchCounts, singleCounts;
    RollRecord batchRecord, singleRecord;
    DiceRun batch(4, 25000, 99, batchCounts, batchRecord);
    DiceRun single(4, 25000, 99, singleCounts, singleRecord);
    ASSERT_EQ(batchCounts.size(), 21u);

    batch.RollUntil(333);
    batch.RollUntil(25000);
    for (int i = 0; i < 25000; ++i) {
        const int sum = single.RollOne();
        ASSERT_GE(sum, 4);
        ASSERT_LE(sum, 24);
    }
    EXPECT_EQ(batch.Made(), 25000);
    EXPECT_EQ(std::accumulate(batchCounts.begin(), batchCounts.end(), 0L), 25000);
    EXPECT_EQ(batchCounts, singleCounts);
    EXPECT_EQ(batchRecord.Text(), singleRecord.Text());
}
