#pragma once

#include <string>

// A sum's share of the rolls made, in percent, as the table and the graph show it: the count
// times 100, then divided by the rolls, in that order.
double Percentage(long count, long rolls);

// The printf format of the table's percentages: at most four significant digits, no trailing
// zeros, then a percent sign.
inline constexpr const char* PERCENTAGE_FORMAT = "%.4g%%";

// The table's text of a share, through `format`, which takes the percentage as its one double
// ("8.333%", "100%", "5e-05%").
std::string PercentageText(long count, long rolls, const char* format = PERCENTAGE_FORMAT);
