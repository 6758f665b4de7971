#include "app/theory/Percentage.h"

#include <algorithm>
#include <cstdio>

double Percentage(long count, long rolls) { return count * 100.0 / rolls; }

std::string PercentageText(long count, long rolls, const char* format)
{
    char text[64];
    const int length = std::snprintf(text, sizeof text, format, Percentage(count, rolls));
    if (length < 0)
        return std::string();
    return std::string(text, std::min(static_cast<std::size_t>(length), sizeof text - 1));
}
