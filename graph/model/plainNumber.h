#pragma once

#include <string>

// `number`, digits with a point as their separator, converted as the C locale reads it, whatever
// the program's own locale is.
double ReadPlainNumber(const std::string& number);
