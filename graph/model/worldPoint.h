#pragma once
#include <vector>

// A point in world coordinates: true values, also on an axis that counts in multiples of pi.
struct worldPoint {
    double x = 0;
    double y = 0;
};

// Points drawn as one connected line; a series is a list of runs, with a gap between them.
using pointRun = std::vector<worldPoint>;
