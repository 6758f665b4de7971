#include "app/run/RunModel.h"

#include "app/run/RunView.h"

void RunModel::Start(std::uint32_t runSeed)
{
    seed = runSeed;
    run.emplace(dice, rolls, seed, counts, record, die);
    runDice = run->Dice();
    runDie = die;
    pace.Reset();
    running = true;
}

void RunModel::End() { running = false; }

void RunModel::TellStarted() const
{
    for (RunView* view : views)
        view->RunStarted(*this);
}

void RunModel::TellRollMade(double now) const
{
    for (RunView* view : views)
        view->RollMade(*this, now);
}

void RunModel::TellEnded(bool followed) const
{
    for (RunView* view : views)
        view->RunEnded(*this, followed);
}
