#include "app/save/HeadlessRun.h"

#include "app/run/CommandLine.h"
#include "app/run/EntropySeed.h"
#include "app/run/RunDriver.h"
#include "app/run/RunModel.h"

namespace {

// No window: nothing follows the rolls, shows progress or comes between the steps.
class NoWindow : public RunDriver::Host {
public:
    bool FollowsRolls() const override { return false; }
    double Seconds() const override { return 0; }
    void ShowProgress(long) override {}
    bool BetweenSteps() override { return true; }
};

} // namespace

void MakeHeadlessRun(RunModel& run, const CommandLine& line)
{
    if (line.dice)
        run.SetDice(*line.dice);
    if (line.rolls)
        run.SetRolls(*line.rolls);
    if (line.die)
        run.SetDie(*line.die);
    run.SetTestAgainstFair(line.testAgainstFair);
    NoWindow host;
    RunDriver driver(run, host);
    run.Start(line.seed ? *line.seed : EntropySeed());
    driver.Drive();
    run.End();
}
