#include "app/run/RunModel.h"
#include "app/run/DiceRoller.h"
#include "app/run/RunDriver.h"
#include "app/run/RunView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace {

// Writes down what it is told, with what the model then holds: "name event made/counted".
class NotingView : public RunView {
public:
    NotingView(const char* name, std::vector<std::string>& notes) : name(name), notes(notes) {}
    void RunStarted(const RunModel& run) override { Note("start", run); }
    void RollMade(const RunModel& run, double) override { Note("roll", run); }
    void RunEnded(const RunModel& run, bool followed) override
    {
        Note(followed ? "end followed" : "end", run);
    }

private:
    void Note(const std::string& event, const RunModel& run)
    {
        const long counted = std::accumulate(run.Counts().begin(), run.Counts().end(), 0L);
        notes.push_back(name + " " + event + " " + std::to_string(run.Made()) + "/" +
                        std::to_string(counted));
    }
    std::string name;
    std::vector<std::string>& notes;
};

TEST(RunModel, ViewsAreToldInTurnAndEachRunStartsAfresh)
{
    std::vector<std::string> notes;
    NotingView log("log", notes), table("table", notes);
    RunModel run;
    run.AddView(log);
    run.AddView(table);
    EXPECT_EQ(run.GetDie(), Die());
    run.SetDice(3);
    run.SetDie(*Die::Fair(20));
    for (int rolls : {40, 2}) {
        run.SetRolls(rolls);
        run.Start(7);
        run.TellStarted();
        run.RollOne();
        run.TellRollMade(0);
        run.RollUntil(rolls);
        run.TellEnded(rolls == 2);
        run.End();
    }
    EXPECT_EQ(notes, (std::vector<std::string>{"log start 0/0", "table start 0/0", "log roll 1/1",
                                               "table roll 1/1", "log end 40/40", "table end 40/40",
                                               "log start 0/0", "table start 0/0", "log roll 1/1",
                                               "table roll 1/1", "log end followed 2/2",
                                               "table end followed 2/2"}));
    // The dice asked for next do not change the counts of the run made.
    run.SetDice(5);
    run.SetDie(Die());
    EXPECT_EQ(run.RunDie(), *Die::Fair(20));
    EXPECT_EQ(run.LowestSum(), 3);
    EXPECT_EQ(run.HighestSum(), 60);
    EXPECT_EQ(run.Counts().size(), 58u);
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(run.Record().Faces().size(), 2u * 3u) << "the ended run's record stays to be saved";
}

// Follows the rolls from its `followFrom`th step on, asks for a Stop at its `stopAt`th and
// leaves the run at its `leaveAt`th, noting the progress shown.
struct ScriptedHost : RunDriver::Host {
    ScriptedHost(RunModel& run, int followFrom, int stopAt, int leaveAt)
        : run(run), followFrom(followFrom), stopAt(stopAt), leaveAt(leaveAt)
    {
    }
    bool FollowsRolls() const override { return steps >= followFrom; }
    double Seconds() const override { return 0; }
    void ShowProgress(long value) override { shown.push_back(value); }
    bool BetweenSteps() override
    {
        if (++steps == stopAt)
            run.Stop();
        return steps != leaveAt;
    }
    RunModel& run;
    int followFrom, stopAt, leaveAt, steps = 0;
    std::vector<long> shown;
};

// Runs driven as the window and --save drive them, and their running mean against the mean of
// every roll worked out afresh: every roll up to 1000 (all of them for runs of up to 5000), then
// evenly spaced, at most 5000 points, the last at the last roll.
TEST(RunDriver, RollsToProgressPointsOrOneByOneKeepingTheMeanOfEveryRoll)
{
    const int never = 1 << 30;
    struct Case {
        int dice, rolls, followFrom, stopAt, leaveAt;
        bool driven;
        long made;
        int steps, told;
        long lastShown;
    } const cases[] = {
        // The rolls past the last progress point are made without a step between.
        {1, 9999999, never, 0, 0, true, 9999999, 200, 0, 999},
        // Five steps to progress points, then roll by roll until the Stop.
        {2, 20000, 5, 1500, 0, true, 1995, 1500, 1495, 19},
        {3, 1050, 3, 10, 0, true, 22, 10, 7, 20},
        {4, 5000, never, 0, 0, true, 5000, 200, 0, 5000},
        // Left at once: the window was closed.
        {1, 1050, 0, 0, 1, false, 1, 1, 1, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> notes;
        NotingView view("view", notes);
        RunModel run;
        run.AddView(view);
        run.SetDice(c.dice);
        run.SetRolls(c.rolls);
        ScriptedHost host(run, c.followFrom, c.stopAt, c.leaveAt);
        RunDriver driver(run, host);
        run.Start(9);
        EXPECT_EQ(driver.Drive(), c.driven);
        run.End();
        EXPECT_EQ(run.Made(), c.made);
        EXPECT_EQ(run.Rolls(), c.driven ? c.made : c.rolls);
        EXPECT_EQ(host.steps, c.steps);
        EXPECT_EQ(notes.size(), static_cast<std::size_t>(c.told));
        EXPECT_EQ(host.shown.empty() ? 0 : host.shown.back(), c.lastShown);

        const std::vector<RunningMean::Point>& points = run.RunningMeanPoints();
        ASSERT_FALSE(points.empty());
        EXPECT_LE(points.size(), 5000u);
        EXPECT_GE(points.size(), std::min(100UL, static_cast<unsigned long>(c.made)));
        EXPECT_EQ(points.back().roll, c.made);
        DiceRoller roller(c.dice, 9);
        long long total = 0;
        long roll = 0, gap = 0;
        for (const RunningMean::Point& point : points) {
            gap = std::max(gap, point.roll - roll);
            if (c.rolls <= 5000 || point.roll <= 1000) {
                ASSERT_EQ(point.roll, roll + 1) << "every roll";
            }
            for (; roll < point.roll; ++roll)
                total += roller.Roll(nullptr);
            ASSERT_EQ(point.mean, static_cast<double>(total) / roll) << c.rolls << " " << roll;
        }
        EXPECT_LE(gap, c.rolls / 3998L + 1) << "evenly spaced";
    }
}

} // namespace
