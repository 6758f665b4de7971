#include "app/run/DiceRoller.h"
#include "app/run/RunModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The running mean of runs made roll by roll at first and then in bulk, ended after `made`
// rolls, against the mean of every roll worked out afresh: every roll up to 1000 (all of them
// for runs of up to 5000), then evenly spaced, at most 5000 points, the last at the last roll.
TEST(RunningMean, KeptAtAFewThousandPointsOfTheMeanOfEveryRoll)
{
    struct Case {
        int dice;
        int rolls;
        long made;
    } const cases[] = {
        {1, 9999999, 9999999}, {3, 5001, 5001}, {2, 20000, 12345},
        {1, 5000, 5000},       {4, 100, 100},   {1, 1, 1},
    };
    for (const Case& c : cases) {
        RunModel run;
        run.SetDice(c.dice);
        run.SetRolls(c.rolls);
        run.Start(9);
        while (run.Made() < std::min(c.made, 1500L))
            run.RollOne();
        run.RollUntil(c.made);
        run.End();
        const std::vector<RunningMean::Point>& points = run.RunningMeanPoints();
        ASSERT_FALSE(points.empty());
        EXPECT_LE(points.size(), 5000u);
        EXPECT_GE(points.size(), std::min<std::size_t>(100, c.made));
        EXPECT_EQ(points.back().roll, c.made);

        DiceRoller roller(c.dice, 9);
        long long total = 0;
        long roll = 0;
        long gap = 0; // the widest gap between two points
        for (const RunningMean::Point& point : points) {
            gap = std::max(gap, point.roll - roll);
            if (c.rolls <= 5000 || point.roll <= 1000) {
                ASSERT_EQ(point.roll, roll + 1) << "every roll";
            }
            while (roll < point.roll) {
                total += roller.Roll(nullptr);
                ++roll;
            }
            ASSERT_EQ(point.mean, static_cast<double>(total) / roll) << c.rolls << " " << roll;
        }
        EXPECT_LE(gap, c.rolls / 3998L + 1) << "evenly spaced";
    }
}

} // namespace
