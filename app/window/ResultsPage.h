#pragma once

#include <wx/string.h>

#include <vector>

class ZoomLevel;
class wxGrid;
class wxWindow;

// A page of the results notebook, as the window sees it: the title of its tab, and a zoom it
// lays itself out for, its fonts, tables, graphs, margins and least size together.
class ResultsPage {
public:
    virtual ~ResultsPage() = default;

    virtual wxString Title() const = 0;
    virtual void TakeZoom(const ZoomLevel& zoom) = 0;
    // The page's own window, the one the notebook shows.
    virtual wxWindow& PageWindow() = 0;

protected:
    // Scrolls a table of one row per count, in order, so that the row of the largest count (the
    // first of equal ones) is in view; a table of other rows stays as it is.
    static void ShowLargestCount(wxGrid& table, const std::vector<int>& counts);
};
