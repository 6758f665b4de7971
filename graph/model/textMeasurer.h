#pragma once
#include <string>

struct textExtent {
    int width = 0;
    int height = 0;
};

// Measures label texts for the view computation. The window measures with the toolkit's
// fonts; the logic tests pass a measurer with known extents.
class textMeasurer {
public:
    virtual ~textMeasurer() = default;
    // Extent in pixels of a UTF-8 text in the graph's serif face at the given point size.
    virtual textExtent Extent(const std::string& text, int pointSize, bool italic) const = 0;
};
