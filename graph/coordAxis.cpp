#include "graph/coordAxis.h"

#include "graph/unitSequence.h"

#include <algorithm>
#include <cmath>

namespace {

// Whole numbers below 2^52 are exact doubles and so is one more than each of them. A multiple
// further out than that is closer to its neighbours than the doubles around it are to each
// other: such ticks cannot be told apart, so that side of the axis gets none.
constexpr double EXACT_COUNT = 4503599627370496.0;

// Smallest k >= 1 with unit * k > lo. The quotient puts k within a step or two of the answer;
// the products themselves decide, so the result agrees with walking k up from 1.
double FirstMultipleAbove(double lo, double unit)
{
    double k = std::max(1.0, std::floor(lo / unit));
    if (k >= EXACT_COUNT)
        return k;
    while (k > 1 && unit * (k - 1) > lo)
        --k;
    while (unit * k <= lo)
        ++k;
    return k;
}

// Largest k with unit * k < hi (0 when there is none).
double LastMultipleBelow(double hi, double unit)
{
    double k = std::max(0.0, std::ceil(hi / unit));
    if (k >= EXACT_COUNT)
        return k;
    while (k > 0 && unit * k >= hi)
        --k;
    while (unit * (k + 1) < hi)
        ++k;
    return k;
}

// How many multiples unit * k, k >= 1, lie strictly between lo and hi (none where they cannot be
// told apart).
double CountMultiples(double lo, double hi, double unit)
{
    const double last = LastMultipleBelow(hi, unit);
    return last < EXACT_COUNT ? std::max(0.0, last - FirstMultipleAbove(lo, unit) + 1) : 0;
}

// Appends sign * unit * k for every k >= 1 with lo < unit * k < hi, rising k. Costs time in
// proportion to what it appends.
void AppendMultiples(std::vector<double>& list, double lo, double hi, double unit, double sign)
{
    const double first = FirstMultipleAbove(lo, unit);
    const double count = CountMultiples(lo, hi, unit);
    for (int i = 0; i < count; ++i)
        list.push_back(sign * (unit * (first + i)));
}

} // namespace

coordAxis::coordAxis() { SetRange(-1, 1); }

coordAxis::coordAxis(double min, double max)
{
    if (!SetRange(min, max))
        SetRange(-1, 1);
}

bool coordAxis::SetRange(double newMin, double newMax)
{
    // An infinite end or span has no tick unit; NaN fails the order test on its own.
    if (!(newMin < newMax) || !std::isfinite(newMax - newMin))
        return false;
    min = newMin;
    max = newMax;
    ChooseTickUnits();
    return true;
}

bool coordAxis::SetMin(double newMin) { return SetRange(newMin, max); }

bool coordAxis::SetMax(double newMax) { return SetRange(min, newMax); }

void coordAxis::GetRange(double& outMin, double& outMax) const
{
    outMin = min;
    outMax = max;
}

bool coordAxis::IsUsableUnit(double unit) { return unit > 0 && std::isfinite(unit); }

bool coordAxis::SetTickUnit(double unit)
{
    if (!IsUsableUnit(unit))
        return false;
    tickUnit = unit;
    autoScale = false;
    return true;
}

bool coordAxis::SetMinorTickUnit(double unit)
{
    if (!IsUsableUnit(unit))
        return false;
    minorTickUnit = unit;
    minorAutoScale = false;
    return true;
}

bool coordAxis::SetMaxTicks(int count)
{
    if (count < 2)
        return false;
    maxTicks = count;
    return true;
}

void coordAxis::ChooseTickUnits()
{
    const double range = max - min;
    const double m = maxTicks;
    if (minorAutoScale)
        minorTickUnit = unitSequence(range / m).FirstCovering(range, 5 * m);
    if (autoScale)
        tickUnit = unitSequence(range / m).FirstCovering(range, m);
}

// The unit the list is made with: the axis's own, or, when that would give more than the bound,
// the smallest whole multiple of it that does not, so the list still spans the whole range.
double coordAxis::ListedUnit(double unit) const
{
    const auto count = [&](double u) {
        return CountMultiples(min, max, u) + CountMultiples(-max, -min, u) + 1;
    };
    const double total = count(unit);
    if (total <= MAX_TICK_POSITIONS)
        return unit;
    double k = std::ceil(total / MAX_TICK_POSITIONS);
    while (count(unit * k) > MAX_TICK_POSITIONS)
        ++k;
    return unit * k;
}

int coordAxis::TickPositions(std::vector<double>& positions, int kind) const
{
    const double unit = ListedUnit(kind == MINOR_TICKS ? minorTickUnit : tickUnit);
    positions.clear();
    if (min <= 0 && 0 <= max)
        positions.push_back(0);
    AppendMultiples(positions, min, max, unit, 1);
    AppendMultiples(positions, -max, -min, unit, -1);
    return static_cast<int>(positions.size());
}
