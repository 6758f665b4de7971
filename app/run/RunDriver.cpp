#include "app/run/RunDriver.h"

#include "app/run/RunModel.h"

#include <algorithm>

RunDriver::RunDriver(RunModel& model, Host& host)
    : model(model), host(host), progress(model.Rolls())
{
}

bool RunDriver::Drive()
{
    while (model.Made() < model.Rolls()) {
        const bool followed = host.FollowsRolls();
        const long n = followed ? RollFollowed() : RollToProgressPoint();
        if (!followed && !progress.IsUpdatePoint(n))
            break; // the last rolls, past the last progress point: nothing left to wait for
        if (!host.BetweenSteps())
            return false;
        if (!model.Running())
            model.SetRolls(static_cast<int>(n));
    }
    return true;
}

// One roll, the pace and the views told of it; returns the rolls made.
long RunDriver::RollFollowed()
{
    model.RollOne();
    model.Pace().RollMade(host.Seconds());
    const long n = model.Made();
    model.TellRollMade(host.Seconds());
    if (progress.IsUpdatePoint(n))
        host.ShowProgress(progress.GaugeValue(n));
    return n;
}

// Only the progress points matter between rolls here, so it rolls up to the next one (or to the
// last roll); returns the rolls made.
long RunDriver::RollToProgressPoint()
{
    const long n = std::min<long>(model.Rolls(), (model.Made() / progress.updateInterval + 1) *
                                                     progress.updateInterval);
    model.RollUntil(n);
    if (progress.IsUpdatePoint(n))
        host.ShowProgress(progress.GaugeValue(n));
    return n;
}
