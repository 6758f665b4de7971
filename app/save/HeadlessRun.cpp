#include "app/save/HeadlessRun.h"

#include "app/run/CommandLine.h"
#include "app/run/RunModel.h"

#include <random>

void MakeHeadlessRun(RunModel& run, const CommandLine& line)
{
    if (line.dice)
        run.SetDice(*line.dice);
    if (line.rolls)
        run.SetRolls(*line.rolls);
    run.Start(line.seed ? *line.seed : static_cast<std::uint32_t>(std::random_device()()));
    run.RollUntil(run.Rolls());
    run.End();
}
