#pragma once
#include "graph/textMeasurer.h"

#include <wx/font.h>
#include <wx/window.h>

// Measures label texts with the toolkit, in the fonts the graph writes its labels in.
class windowTextMeasurer : public textMeasurer {
public:
    explicit windowTextMeasurer(const wxWindow& window);

    textExtent Extent(const std::string& text, int pointSize, bool italic) const override;

    // The graph's label font: a serif face, upright for tick labels, italic for axis labels.
    static wxFont GraphFont(int pointSize, bool italic);

private:
    const wxFont& FontFor(int pointSize, bool italic) const;

    const wxWindow& window;
    // The last font made for each style, reused while the size stays the same.
    mutable wxFont fonts[2];
};
