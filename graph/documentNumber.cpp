#include "graph/documentNumber.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool ReadDocumentNumber(const std::string& text, double& number)
{
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p != end && std::strchr(" \t\r\n\v\f", *p) != nullptr)
        ++p;
    // std::from_chars never looks at the locale; it takes a minus sign but not a plus sign.
    const bool plus = p != end && *p == '+';
    if (plus)
        ++p;
    const char* digits = p != end && *p == '-' && !plus ? p + 1 : p;
    const bool startsNumber =
        digits != end && (IsDigit(*digits) || (*digits == '.' && digits + 1 != end && IsDigit(digits[1])));
    if (!startsNumber)
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
