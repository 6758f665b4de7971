#include "app/run/RunModel.h"
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

} // namespace
