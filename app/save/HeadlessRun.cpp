#include "app/save/HeadlessRun.h"

#include "app/run/CommandLine.h"
#include "app/run/EntropySeed.h"
#include "app/run/RunModel.h"

void MakeHeadlessRun(RunModel& run, const CommandLine& line)
{
    if (line.dice)
        run.SetDice(*line.dice);
    if (line.rolls)
        run.SetRolls(*line.rolls);
    if (line.die)
        run.SetDie(*line.die);
    run.SetTestAgainstFair(line.testAgainstFair);
    run.Start(line.seed ? *line.seed : EntropySeed());
    run.RollUntil(run.Rolls());
    run.End();
}
