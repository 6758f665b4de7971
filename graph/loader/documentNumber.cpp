#include "graph/loader/documentNumber.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the text at p starts with digits, or a point and a digit, after an optional minus.
bool StartsNumber(const char* p, const char* end)
{
    if (p != end && *p == '-')
        ++p;
    return p != end && (IsDigit(*p) || (*p == '.' && p + 1 != end && IsDigit(p[1])));
}

} // namespace

bool ReadDocumentNumber(const std::string& text, double& number)
{
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p != end && *p != '\0' && std::strchr(" \t\r\n\v\f", *p) != nullptr)
        ++p;
    // std::from_chars never looks at the locale; it takes a minus sign but not a plus sign.
    if (p != end && *p == '+' && p + 1 != end && p[1] != '-')
        ++p;
    if (!StartsNumber(p, end))
        return false;
    double read = 0;
    if (std::from_chars(p, end, read).ec != std::errc())
        return false;
    number = read;
    return true;
}

bool ReadDocumentInt(const std::string& text, int& number)
{
    double read = 0;
    if (!ReadDocumentNumber(text, read))
        return false;
    const double whole = std::trunc(read);
    if (whole < INT_MIN || whole > INT_MAX)
        return false;
    number = static_cast<int>(whole);
    return true;
}
