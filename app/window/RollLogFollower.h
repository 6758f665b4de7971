#pragma once

#include "app/run/RunView.h"

#include <string>

class RollLogView;
class RollRecord;

// Fills the log box from the run's record. While the run is followed the box holds every roll
// recorded so far with the latest in view; at the end of a run it holds the whole record. Until
// a run's first roll is shown, the box keeps the earlier run's.
class RollLogFollower : public RunView {
public:
    explicit RollLogFollower(RollLogView& box) : box(box) {}

    void RunStarted(const RunModel& run) override;
    void RollMade(const RunModel& run, double now) override;
    void RunEnded(const RunModel& run, bool followed) override;

private:
    void CatchUp(const RollRecord& record);
    void ShowWhole(const std::string& text);

    RollLogView& box;
    // The length of this run's record that the box shows, or NOT_SHOWN while it still shows an
    // earlier run's.
    static constexpr std::size_t NOT_SHOWN = std::string::npos;
    std::size_t shown = NOT_SHOWN;
};
