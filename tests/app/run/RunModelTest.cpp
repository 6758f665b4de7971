#include "app/run/RunModel.h"
#include "app/run/RunDriver.h"
#include "app/run/RunView.h"

#include <gtest/gtest.h>

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

// A host that follows the rolls from its `followFrom`th step between rolls on, asks for a Stop
// at its `stopAt`th and leaves the run at its `leaveAt`th (0: never), noting the progress shown.
class ScriptedHost : public RunDriver::Host {
public:
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
    std::vector<long> shown;
    int steps = 0;

private:
    RunModel& run;
    int followFrom, stopAt, leaveAt;
};

TEST(RunDriver, RollsToEachProgressPointOrRollByRollAndStopsWhereAsked)
{
    struct Case {
        int rolls, followFrom, stopAt, leaveAt;
        bool driven;
        long made;
        std::vector<long> shown;
        int steps, told;
    };
    const std::vector<long> everyFifth = [] {
        std::vector<long> points;
        for (long n = 5; n <= 1000; n += 5)
            points.push_back(n);
        return points;
    }();
    const Case cases[] = {
        // Three steps to progress points, then roll by roll until the Stop after roll 22.
        {1050, 3, 10, 0, true, 22, {5, 10, 15, 20}, 10, 7},
        // The rolls past the last progress point are made without a step between.
        {1003, 1000000, 0, 0, true, 1003, everyFifth, 200, 0},
        // Left at once: the window was closed.
        {1050, 0, 0, 1, false, 1, {}, 1, 1},
    };
    for (const Case& c : cases) {
        std::vector<std::string> notes;
        NotingView view("view", notes);
        RunModel run, straight;
        run.AddView(view);
        run.SetRolls(c.rolls);
        ScriptedHost host(run, c.followFrom, c.stopAt, c.leaveAt);
        RunDriver driver(run, host);
        run.Start(7);
        EXPECT_EQ(driver.Drive(), c.driven);
        EXPECT_EQ(run.Made(), c.made);
        EXPECT_EQ(run.Rolls(), c.driven ? c.made : c.rolls);
        EXPECT_EQ(host.shown, c.shown);
        EXPECT_EQ(host.steps, c.steps);
        EXPECT_EQ(notes.size(), static_cast<std::size_t>(c.told));
        straight.Start(7);
        straight.RollUntil(c.made);
        EXPECT_EQ(run.Counts(), straight.Counts()) << "the same rolls however they are made";
    }
}

} // namespace
