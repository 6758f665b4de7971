#pragma once
#include <string>

// The numbers of the properties window as text, both ways, and the check of a typed range.
//
// Reading is forgiving, as a user expects of a quick settings window: a text is taken for the
// number its longest leading part reads as, and 0 when no part does ("7.9" is 7 as a count,
// "12 px" is 12, "abc" is 0). Doubles are written with up to 12 significant digits and no
// trailing zeros; counts as plain integers.
class propertiesNumbers {
public:
    enum rangeCheck { RANGE_OK, RANGE_NOT_RISING, RANGE_NOT_FINITE };

    static double ReadDouble(const std::string& text);
    // A count beyond the int range reads as the nearest int.
    static int ReadInt(const std::string& text);
    static std::string FormatDouble(double value);
    static std::string FormatInt(int value);

    // Whether min..max can be shown: min must lie below max (which a NaN never does), and the
    // span must be finite, or the axis could not map it and would silently keep its old range.
    static rangeCheck CheckRange(double min, double max);
};
