#include "app/run/EntropySeed.h"

#include <chrono>
#include <exception>
#include <random>

std::uint32_t EntropySeed()
{
    try {
        std::random_device entropy;
        return static_cast<std::uint32_t>(entropy());
    } catch (const std::exception&) {
        // No entropy source could be opened: the clock's nanoseconds, folded to 32 bits, still
        // differ from one start to the next.
        const auto ticks =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
        return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
    }
}
