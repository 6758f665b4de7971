#include "graph/model/unitSequence.h"

#include <cmath>

namespace {

// Decimal exponents beyond the range of doubles: a quotient that underflowed to 0 (or overflowed)
// still gives a whole number to start from. Values past either end are 0 or infinity, and
// stepping from there ends as soon as a value is large enough.
constexpr double LOWEST_EXPONENT = -330;
constexpr double HIGHEST_EXPONENT = 310;

int StartExponent(double value)
{
    const double e = std::floor(std::log10(value));
    return static_cast<int>(std::fmax(LOWEST_EXPONENT, std::fmin(HIGHEST_EXPONENT, e)));
}

} // namespace

unitSequence::unitSequence(double value) : exponent(StartExponent(value)) {}

double unitSequence::Value() const
{
    // Dividing by an exact power of ten rounds once, so 0.2 is the double nearest to 0.2.
    if (exponent < 0)
        return mantissa / std::pow(10.0, -exponent);
    return mantissa * std::pow(10.0, exponent);
}

void unitSequence::Step()
{
    if (mantissa == 5) {
        mantissa = 1;
        ++exponent;
    } else {
        mantissa = mantissa == 1 ? 2 : 5;
    }
}

double unitSequence::FirstCovering(double limit, double factor)
{
    while (limit > factor * Value())
        Step();
    return Value();
}
