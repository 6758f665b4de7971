#pragma once

class RunModel;

// A view of the run that shows its results: it is told when a run starts, after each roll while
// the run is followed roll by roll (progressive analysis), and when the run ends, stopped or
// not. Each time it reads from the model what it shows; between those times it keeps showing
// what it read last, whatever the run does meanwhile.
class RunView {
public:
    virtual ~RunView() = default;

    // A run starts: its counts are all zero, nothing is recorded yet.
    virtual void RunStarted(const RunModel& run) = 0;
    // A roll was made at `now` (seconds on a steady clock), and the run is followed roll by roll.
    // Rolls made while it was not followed (progressive analysis switched on during the run) were
    // told of to no view: each view shows the run's whole state here, not only the latest roll.
    virtual void RollMade(const RunModel& run, double now) = 0;
    // The run is over. `followed`: progressive analysis was on at its end, so the views were told
    // of the rolls as they came; otherwise they were told of none since some point, or since the
    // start.
    virtual void RunEnded(const RunModel& run, bool followed) = 0;
};
