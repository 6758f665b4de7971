#include "app/window/RollLogFollower.h"

#include "app/run/RunModel.h"
#include "app/window/RollLogView.h"

void RollLogFollower::RunStarted(const RunModel&) { shown = NOT_SHOWN; }

// The box may have missed rolls, made while progressive analysis was off: it takes them now.
void RollLogFollower::RollMade(const RunModel& run, double) { CatchUp(run.Record()); }

void RollLogFollower::RunEnded(const RunModel& run, bool followed)
{
    if (followed)
        CatchUp(run.Record());
    else
        ShowWhole(run.Record().Text());
}

// Brings the whole record of the rolls made into the box, which keeps the latest roll in view
// unless the user keeps it elsewhere. The box is given only the rolls it lacks, so a roll costs as
// much late in a run as early in it.
void RollLogFollower::CatchUp(const RollRecord& record)
{
    const std::size_t length = record.FacesLength();
    if (shown == NOT_SHOWN) {
        ShowWhole(record.Text().substr(0, length));
    } else if (shown < length) {
        box.AppendText(record.Text().substr(shown, length - shown));
    }
    shown = length;
}

void RollLogFollower::ShowWhole(const std::string& text)
{
    box.SetValue(text);
    box.ShowPosition(box.GetLastPosition());
}
