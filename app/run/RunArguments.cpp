#include "app/run/RunArguments.h"

#include <climits>
#include <cstring>

namespace {

bool IsBlank(char c) { return c != '\0' && std::strchr(" \t\n\v\f\r", c) != nullptr; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool ParseRunArgument(const std::string& text, int& value)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    if (i == text.size())
        return false;

    long long magnitude = 0; // saturates just past the int range, so it never overflows
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return false;
        if (magnitude <= INT_MAX)
            magnitude = magnitude * 10 + (text[i] - '0');
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    value = signedValue > INT_MAX   ? INT_MAX
            : signedValue < INT_MIN ? INT_MIN
                                    : static_cast<int>(signedValue);
    return true;
}
