#pragma once

#include <string>

// How fast a progressive run rolls: one of a few paces from one roll a second up to as fast as
// possible, which puts no pause between rolls at all. The pace may change at any moment; the
// wait before the next roll is always measured from the last roll made.
class RollPace {
public:
    // The settings, slowest first; the last one is "as fast as possible".
    static int Settings();
    static int Fastest() { return Settings() - 1; }
    // Settings outside 0..Fastest() are taken as the nearest one inside, here and below.
    static std::string Label(int setting);
    // Seconds from one roll to the next; 0 as fast as possible.
    static double Interval(int setting);

    void Set(int setting);
    int Setting() const { return setting; }
    bool AsFastAsPossible() const { return setting == Fastest(); }

    // A roll was made at `now` (seconds on any steady clock).
    void RollMade(double now) { lastRoll = now; }
    // A new run: its first roll is due at once.
    void Reset() { lastRoll = NEVER; }
    // Seconds still to wait at `now` before the next roll; 0 when it is due.
    double Wait(double now) const;

private:
    static constexpr double NEVER = -1e300;
    int setting = Fastest();
    double lastRoll = NEVER;
};
