#include "app/theory/PValueReading.h"

#include "app/theory/PlainNumbers.h"

#include <cstdio>
#include <string>

namespace {

// From here up two digits would show 1.00, and below LOWEST 0.00.
constexpr double HIGHEST = 0.995;
constexpr double LOWEST = 0.001;

// A value's significant digits: two, or three where two would show the threshold itself.
std::string Digits(double pValue)
{
    std::string digits = PlainSignificant(pValue, 2);
    if (std::stod(digits) == PValueReading::UNUSUAL)
        digits = PlainSignificant(pValue, 3);
    return digits;
}

// The percentage of a decimal fraction with its digits kept: "0.0499" gives "4.99%".
std::string PercentOf(const std::string& fraction)
{
    const std::size_t point = fraction.find('.');
    const int decimals = point == std::string::npos ? 0 : int(fraction.size() - point - 1);
    char text[32];
    std::snprintf(text, sizeof text, "%.*f%%", decimals > 2 ? decimals - 2 : 0,
                  std::stod(fraction) * 100);
    return text;
}

} // namespace

PValueReading::PValueReading(double pValue)
{
    if (pValue >= HIGHEST) {
        figure = "p > 0.99";
        share = "more than 99%";
        bound = true;
    } else if (!(pValue >= LOWEST)) {
        figure = "p < 0.001";
        share = "fewer than 0.1%";
        unusual = bound = true;
    } else {
        const std::string digits = Digits(pValue);
        figure = "p = " + digits;
        share = PercentOf(digits);
        unusual = std::stod(digits) < UNUSUAL;
    }
}
