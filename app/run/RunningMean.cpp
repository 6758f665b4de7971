#include "app/run/RunningMean.h"

#include <algorithm>

void RunningMean::Start(long runRolls)
{
    rolls = runRolls;
    // Past the first rolls, at most the points left but one (the last roll's) evenly spaced.
    const long spaced = MOST_POINTS - EVERY_ROLL_UP_TO - 1;
    step = rolls <= MOST_POINTS ? 1 : (rolls - EVERY_ROLL_UP_TO + spaced - 1) / spaced;
    next = 1;
    points.clear();
}

void RunningMean::Add(long roll, double mean)
{
    points.push_back({roll, mean});
    next = roll + (roll < EVERY_ROLL_UP_TO ? 1 : step);
    if (roll < rolls)
        next = std::min(next, rolls);
}
