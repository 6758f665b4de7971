#include "app/run/RunModel.h"

#include "app/run/RunView.h"

#include <algorithm>

void RunModel::Start(std::uint32_t runSeed)
{
    seed = runSeed;
    run.emplace(dice, rolls, seed, counts, record, die);
    runDice = run->Dice();
    runDie = die;
    pace.Reset();
    runningMean.Start(rolls);
    running = true;
}

void RunModel::RollUntil(long n)
{
    while (Made() < n) {
        run->RollUntil(std::min(n, runningMean.NextRoll()));
        if (Made() == runningMean.NextRoll())
            KeepMean();
    }
}

void RunModel::End()
{
    running = false;
    const auto& points = runningMean.Points();
    if (Made() > 0 && (points.empty() || points.back().roll != Made()))
        KeepMean();
}

// The mean of the sums counted so far, added up as the theory's comparison adds them.
void RunModel::KeepMean()
{
    double total = 0;
    for (std::size_t k = 0; k < counts.size(); ++k)
        total += counts[k] * static_cast<double>(LowestSum() + static_cast<int>(k));
    runningMean.Add(Made(), total / static_cast<double>(Made()));
}

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
