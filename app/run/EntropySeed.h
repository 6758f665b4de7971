#pragma once

#include <cstdint>

// A seed for a run that was given none: 32 bits of the system's entropy, the width of seed the
// generator takes, so that runs started at the same moment on different machines differ.
std::uint32_t EntropySeed();
