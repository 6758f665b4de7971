#pragma once
#include <cstdint>

// A colour for the graph's plot objects, kept free of the toolkit so the records can be built
// and tested without a display. A colour that is not set means "none": no outline, or no fill.
struct graphColour {
    bool set = false;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    static constexpr graphColour None() { return {}; }
    static constexpr graphColour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        return {true, r, g, b};
    }
    static constexpr graphColour Blue() { return Rgb(0, 0, 255); }
    static constexpr graphColour Green() { return Rgb(0, 255, 0); }
};
