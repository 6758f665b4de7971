#include "app/theory/PlainNumbers.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double SMALLEST = 0.001;

std::string Printed(const char* format, int decimals, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, decimals, value);
    return text;
}

} // namespace

std::string PlainPercent(double percent)
{
    if (percent == 0)
        return "0%";
    if (percent < SMALLEST)
        return "< 0.001%";
    return Printed("%.*f%%", 3, percent);
}

std::string PlainSignificant(double value, int digits)
{
    if (!(value >= SMALLEST))
        return "< 0.001";
    const double magnitude = std::floor(std::log10(value));
    const int decimals = magnitude >= digits - 1 ? 0 : digits - 1 - static_cast<int>(magnitude);
    return Printed("%.*f", decimals, value);
}

std::string SignedCount(double difference)
{
    if (std::fabs(difference) < 0.05)
        return "0.0";
    return Printed("%+.*f", 1, difference);
}
