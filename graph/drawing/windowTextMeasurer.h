#pragma once
#include "graph/model/coordAxis.h"
#include "graph/model/textMeasurer.h"

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/window.h>

#include <map>
#include <string>
#include <tuple>

// Measures label texts with the toolkit, in the fonts the graph writes its labels in: as a window
// draws them, or as a DC does, for a graph drawn without a window. It keeps its fonts and what it
// has measured: a graph writes the same few labels picture after picture.
class windowTextMeasurer : public textMeasurer {
public:
    explicit windowTextMeasurer(const wxWindow& window);
    explicit windowTextMeasurer(const wxDC& dc);

    textExtent Extent(const std::string& text, int pointSize, bool italic) const override;

    // The graph's label font: a serif face, upright for tick labels, italic for axis labels.
    static wxFont GraphFont(int pointSize, bool italic);
    // The label font of that size and style, made once and kept while the size stays.
    const wxFont& Font(int pointSize, bool italic) const;

private:
    // Enough for the labels of many views; past it the memory starts afresh.
    static constexpr std::size_t REMEMBERED_EXTENTS = 4 * coordAxis::MAX_TICK_POSITIONS;

    // One of the two measures.
    const wxWindow* window = nullptr;
    const wxDC* dc = nullptr;
    mutable wxFont fonts[2];
    mutable std::map<std::tuple<bool, int, std::string>, textExtent> extents;
};
