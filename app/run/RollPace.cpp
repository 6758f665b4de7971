#include "app/run/RollPace.h"

#include <algorithm>
#include <iterator>

namespace {

// Rolls a second of each setting but the last.
constexpr int ROLLS_PER_SECOND[] = {1, 2, 5, 10, 20, 50, 100};
constexpr int PACED = static_cast<int>(std::size(ROLLS_PER_SECOND));

// Settings outside the list are taken as the nearest one inside.
int Inside(int setting) { return std::clamp(setting, 0, PACED); }

} // namespace

int RollPace::Settings() { return PACED + 1; }

std::string RollPace::Label(int setting)
{
    if (Inside(setting) == PACED)
        return "as fast as possible";
    const int rolls = ROLLS_PER_SECOND[Inside(setting)];
    return std::to_string(rolls) + (rolls == 1 ? " roll" : " rolls") + " a second";
}

double RollPace::Interval(int setting)
{
    if (Inside(setting) == PACED)
        return 0.0;
    return 1.0 / ROLLS_PER_SECOND[Inside(setting)];
}

void RollPace::Set(int setting) { this->setting = Inside(setting); }

double RollPace::Wait(double now) const
{
    if (AsFastAsPossible())
        return 0.0;
    return std::max(0.0, lastRoll + Interval(setting) - now);
}
