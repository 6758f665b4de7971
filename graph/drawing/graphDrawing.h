#pragma once
#include "graph/drawing/axesPainter.h"
#include "graph/drawing/windowTextMeasurer.h"
#include "graph/model/coordSysView.h"
#include "graph/model/plotObjectLists.h"

#include <wx/dc.h>

// A graph drawn without a window, into any DC: a picture, a page. It has the graph window's
// settings, series and marked points, is laid out for a size of its own, measures its labels in
// the fonts of the DC it draws into, and draws what the window draws.
class graphDrawing : public coordSysView, public plotObjectLists {
public:
    // A graph of `size` pixels, or units of the DC, whose labels `dc` measures.
    graphDrawing(pixelSize size, const wxDC& dc);

    pixelSize ClientExtent() const override { return size; }
    // Recomputes the shown ranges, measuring labels in the DC's fonts.
    using coordSysView::UpdateView;
    void UpdateView();
    // Grid, axes, visible series and visible marked points, with the view of the last update,
    // the top left corner of the graph at the DC's origin.
    void Draw(wxDC& dc) const;

    // What a graph draws: its grid, axes, visible series and marked points.
    static void DrawGraph(const coordSysView& view, const plotObjectLists& plots,
                          const windowTextMeasurer& measurer, const pointVisibility& isVisible,
                          wxDC& dc);

private:
    pixelSize size;
    windowTextMeasurer measurer;
};
