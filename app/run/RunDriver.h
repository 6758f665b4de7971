#pragma once

#include "app/run/RunProgress.h"

class RunModel;

// Makes the rolls of a started run, from the window or without one: roll by roll while the run
// is followed (the pace kept and the views told of each roll), otherwise from one progress point
// to the next. Between two steps its host lets events through; a Stop there ends the run after
// the rolls made.
class RunDriver {
public:
    // Where the run is driven from.
    class Host {
    public:
        virtual ~Host() = default;
        // Whether the run is followed roll by roll now (progressive analysis).
        virtual bool FollowsRolls() const = 0;
        // Seconds on a steady clock.
        virtual double Seconds() const = 0;
        // The run stands at `value` of the progress's gauge range.
        virtual void ShowProgress(long value) = 0;
        // Between two steps of the run; false if the run must be left at once.
        virtual bool BetweenSteps() = 0;
    };

    // For the run the model is about to start: its rolls as the model holds them now.
    RunDriver(RunModel& model, Host& host);

    const RunProgress& Progress() const { return progress; }

    // Rolls until all rolls are made or the run is stopped; false if the host left the run.
    bool Drive();

private:
    long RollFollowed();
    long RollToProgressPoint();

    RunModel& model;
    Host& host;
    const RunProgress progress;
};
