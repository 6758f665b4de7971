#pragma once

#include <string>

// Reads a whole number the way the command line and the rolls box take it: optional leading
// white space, an optional sign and decimal digits, nothing else. A value beyond the range of a
// 32-bit int saturates at its nearest end and still counts as a number. Returns false (and
// leaves `value` alone) for anything else, the empty text included.
bool ParseRunArgument(const std::string& text, int& value);
