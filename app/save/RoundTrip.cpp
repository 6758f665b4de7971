#include "app/save/RoundTrip.h"

#include <charconv>

std::string RoundTrip(double value)
{
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}
