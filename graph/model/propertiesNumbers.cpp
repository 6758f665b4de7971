#include "graph/model/propertiesNumbers.h"

#include "graph/model/plainNumber.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

bool IsSpace(char c) { return c != '\0' && std::strchr(" \t\r\n\v\f", c) != nullptr; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsSeparator(char c) { return c == '.' || c == ','; }

size_t SkipDigits(const std::string& text, size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// Where the longest number starting at `begin` ends; `begin` itself when none starts there.
size_t NumberEnd(const std::string& text, size_t begin)
{
    size_t at = begin;
    if (at < text.size() && IsSign(text[at]))
        ++at;
    const size_t intEnd = SkipDigits(text, at);
    size_t end = intEnd;
    if (end < text.size() && IsSeparator(text[end]))
        end = SkipDigits(text, end + 1);
    if (end == at + 1 && intEnd == at)
        return begin; // a separator without digits on either side
    if (end == at)
        return begin;
    size_t exponent = end;
    if (exponent < text.size() && (text[exponent] == 'e' || text[exponent] == 'E')) {
        ++exponent;
        if (exponent < text.size() && IsSign(text[exponent]))
            ++exponent;
        if (exponent < text.size() && IsDigit(text[exponent]))
            end = SkipDigits(text, exponent);
    }
    return end;
}

size_t SkipSpace(const std::string& text, size_t at)
{
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    return at;
}

// Converts a number as NumberEnd delimits it, with a point as its separator, in the C locale
// whatever the program's own is.
double Convert(std::string number)
{
    std::replace(number.begin(), number.end(), ',', '.');
    return ReadPlainNumber(number);
}

std::string Formatted(double value, int digits)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

} // namespace

bool propertiesNumbers::IsNumber(const std::string& text)
{
    const size_t begin = SkipSpace(text, 0);
    const size_t end = NumberEnd(text, begin);
    return end != begin && SkipSpace(text, end) == text.size();
}

double propertiesNumbers::ReadDouble(const std::string& text)
{
    const size_t begin = SkipSpace(text, 0);
    const size_t end = NumberEnd(text, begin);
    return end == begin ? 0 : Convert(text.substr(begin, end - begin));
}

int propertiesNumbers::ReadInt(const std::string& text)
{
    const double whole = std::trunc(ReadDouble(text));
    return static_cast<int>(std::clamp<double>(whole, INT_MIN, INT_MAX));
}

// Twelve digits read best; a double they do not tell from its neighbours gets the fewest
// digits that do, at most 17.
std::string propertiesNumbers::FormatDouble(double value)
{
    int digits = 12;
    while (digits < 17 && ReadDouble(Formatted(value, digits)) != value)
        ++digits;
    return Formatted(value, digits);
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
