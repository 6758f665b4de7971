#pragma once

#include "app/run/ZoomLevel.h"

#include <wx/font.h>
#include <wx/string.h>

class wxGrid;

// What the results pages share at a zoom: their small texts (8 points at 100%), any other font
// and length of theirs grown by the zoom, and table columns as wide as their texts need.
class PageStyle {
public:
    // The points of the pages' small texts at 100%: table cells and labels, graph texts.
    static constexpr int SMALL_POINTS = 8;
    // Pixels round the parts of a page at 100%.
    static constexpr int MARGIN = 7;

    explicit PageStyle(const ZoomLevel& zoom) : zoom(zoom) {}

    const ZoomLevel& Zoom() const { return zoom; }
    wxFont SmallFont(wxFontWeight weight) const;
    // The point size of a graph's texts.
    int GraphPoints() const { return zoom.Scale(SMALL_POINTS); }
    // A font given at 100%, at this zoom.
    wxFont Scaled(const wxFont& font) const;
    // A length given at 100%, in pixels at this zoom.
    int Pixels(int length) const { return zoom.Scale(length); }
    int Margin() const { return Pixels(MARGIN); }

    // Wide enough for each line of `label` in the table's label font and for `widest` in the
    // column's cell font, with room either side; never less than `least` (a width at 100%).
    int ColumnWidth(wxGrid& table, int col, const wxString& label, const wxString& widest,
                    int least) const;

private:
    ZoomLevel zoom;
};
