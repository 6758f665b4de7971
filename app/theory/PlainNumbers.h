#pragma once

#include <string>

// Numbers written for pupils: plain decimals, never the exponent form, and anything too small
// to read said as "< 0.001".

// A percentage with three decimals ("2.778%"); "0%" for nothing at all, "< 0.001%" for a share
// that would round to nothing.
std::string PlainPercent(double percent);

// A positive value to `digits` significant digits (0.43, 5.2, 0.0031, 43 for two), "< 0.001"
// below that.
std::string PlainSignificant(double value, int digits);

// A difference of counts with its sign and one decimal ("+12.3", "-0.4"); "0.0" for what would
// print as zero.
std::string SignedCount(double difference);
