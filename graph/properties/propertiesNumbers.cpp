#include "graph/properties/propertiesNumbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

double propertiesNumbers::ReadDouble(const std::string& text)
{
    // strtod stops at the first character that does not continue a number and gives 0 when
    // none does; an overflowing number reads as the infinity it rounds to.
    return std::strtod(text.c_str(), nullptr);
}

int propertiesNumbers::ReadInt(const std::string& text)
{
    // strtoll saturates at the ends of its own range, so clamping once saturates them all.
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::string propertiesNumbers::FormatDouble(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.12g", value);
    return text;
}

std::string propertiesNumbers::FormatInt(int value) { return std::to_string(value); }

propertiesNumbers::rangeCheck propertiesNumbers::CheckRange(double min, double max)
{
    if (!(min < max))
        return RANGE_NOT_RISING;
    if (!std::isfinite(max - min))
        return RANGE_NOT_FINITE;
    return RANGE_OK;
}
