#pragma once
#include <string>

// The numbers of the properties window as text, both ways, and the check of a typed range.
//
// A number is typed as an optional sign, digits with an optional decimal point or comma (the
// two are alike, whatever the locale), and an optional exponent, with white space around it
// allowed. IsNumber tells whether a text is one number and nothing else; the window refuses
// a field that is not. The readers take a text for the number its longest leading part reads
// as, and 0 when no part does ("12 px" is 12, "abc" is 0). Doubles are written with up to 12
// significant digits and no trailing zeros, or with as many more as it takes to read back as
// the same double; counts as plain integers.
class propertiesNumbers {
public:
    enum rangeCheck { RANGE_OK, RANGE_NOT_RISING, RANGE_NOT_FINITE };

    static bool IsNumber(const std::string& text);
    // A number beyond the double range reads as the infinity it rounds to.
    static double ReadDouble(const std::string& text);
    // The number truncated toward zero ("7.9" is 7); beyond the int range, the nearest int.
    static int ReadInt(const std::string& text);
    static std::string FormatDouble(double value);
    static std::string FormatInt(int value);

    // Whether min..max can be shown: min must lie below max (which a NaN never does), and the
    // span must be finite, or the axis could not map it and would silently keep its old range.
    static rangeCheck CheckRange(double min, double max);
};
