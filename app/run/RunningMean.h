#pragma once

#include <vector>

// The mean of the sum over the first n rolls of a run, kept at a few thousand points whatever
// the run's size: after every roll up to EVERY_ROLL_UP_TO, then at evenly spaced rolls, and at
// the last roll. That is finer than any window draws it, so the picture is the one every roll
// would give.
class RunningMean {
public:
    static constexpr long EVERY_ROLL_UP_TO = 1000;
    static constexpr long MOST_POINTS = 5000;

    struct Point {
        long roll;
        double mean;
        bool operator==(const Point& other) const
        {
            return roll == other.roll && mean == other.mean;
        }
    };

    // A run of `rolls` rolls starts: no points yet.
    void Start(long rolls);
    // The roll after which the next point is due; always past the last point's.
    long NextRoll() const { return next; }
    // The mean after `roll` rolls, which is NextRoll() or, at the run's end, the last roll made.
    void Add(long roll, double mean);
    const std::vector<Point>& Points() const { return points; }

private:
    long rolls = 0;
    long step = 1; // rolls between points past EVERY_ROLL_UP_TO
    long next = 1;
    std::vector<Point> points;
};
