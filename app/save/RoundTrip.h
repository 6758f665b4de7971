#pragma once

#include <string>

// A number in the C locale with the fewest digits that read back as exactly the same double.
std::string RoundTrip(double value);
