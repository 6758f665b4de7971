#include "graph/model/coordAxis.h"

#include "graph/model/unitSequence.h"

#include <algorithm>
#include <cmath>

namespace {

// Whole numbers up to 2^51 are exact doubles, and so are their neighbours. A tick list counts
// multiples of its unit from 0 outwards; the unit is made coarse enough that every count stays
// below this, so the counting is exact and no two listed multiples coincide.
constexpr double MAX_MULTIPLE = 2251799813685248.0;

// Smallest k >= 1 with unit * k > lo. The quotient puts k within a step or two of the answer;
// the products themselves decide, so the result agrees with walking k up from 1.
double FirstMultipleAbove(double lo, double unit)
{
    double k = std::max(1.0, std::floor(lo / unit));
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
    while (k > 0 && unit * k >= hi)
        --k;
    while (unit * (k + 1) < hi)
        ++k;
    return k;
}

// How many multiples unit * k, k >= 1, lie strictly between lo and hi.
double CountMultiples(double lo, double hi, double unit)
{
    return std::max(0.0, LastMultipleBelow(hi, unit) - FirstMultipleAbove(lo, unit) + 1);
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

void coordAxis::SetTickRoom(int count)
{
    tickRoom = std::max(0, count);
    ChooseTickUnits();
}

void coordAxis::ChooseTickUnits()
{
    const double range = max - min;
    const double m = tickRoom > 0 ? std::min(maxTicks, std::max(2, tickRoom)) : maxTicks;
    if (minorAutoScale)
        minorTickUnit = unitSequence(range / m).FirstCovering(range, 5 * m);
    if (autoScale)
        tickUnit = unitSequence(range / m).FirstCovering(range, m);
}

// The unit the list is made with: the axis's own, or, when that would give more than the bound,
// a whole multiple of it that does not, so the list still spans the whole range. A small
// multiple is the smallest that fits. A large one, where a step of one changes next to nothing,
// grows in proportion to the excess instead: on a range off 0 a list can stay one tick too long
// over millions of such steps.
double coordAxis::ListedUnit(double unit) const
{
    unit = CountableUnit(unit);
    const auto count = [&](double u) {
        return CountMultiples(min, max, u) + CountMultiples(-max, -min, u) + 1;
    };
    const double total = count(unit);
    if (total <= MAX_TICK_POSITIONS)
        return unit;
    double k = std::ceil(total / MAX_TICK_POSITIONS);
    for (double c = count(unit * k); c > MAX_TICK_POSITIONS; c = count(unit * k))
        k = std::max(k + 1, std::floor(k * c / MAX_TICK_POSITIONS));
    return unit * k;
}

// The unit doubled, which is exact, until the multiples that reach either end of the range are
// fewer than MAX_MULTIPLE. A unit so fine that its multiples near the ends are closer together
// than the doubles there (1e-20 on a range of 2, or 1 around 1e20) thus still gives ticks
// across the whole range, each a whole multiple of it and each a different value.
double coordAxis::CountableUnit(double unit) const
{
    const double reach = std::max(std::fabs(min), std::fabs(max));
    while (reach / unit >= MAX_MULTIPLE)
        unit *= 2;
    return unit;
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
