#include "graph/drawing/graphPainter.h"

#include <wx/graphics.h>

graphPainter::graphPainter(const coordSysView& graph, wxDC& dc) : graph(graph), dc(dc)
{
    if (wxGraphicsContext* context = dc.GetGraphicsContext())
        context->SetAntialiasMode(wxANTIALIAS_NONE);
}

void graphPainter::DrawEllipse(int x, int y, int width, int height)
{
    // Vector DCs stroke the outline centred on the box's edges, which takes one pixel more
    // each way than the box holds (their rectangles already allow for it, ellipses do not).
    const wxPen& pen = dc.GetPen();
    const bool outlined = pen.IsOk() && pen.GetStyle() != wxPENSTYLE_TRANSPARENT;
    const int shrink = dc.GetGraphicsContext() && outlined ? 1 : 0;
    if (width <= shrink || height <= shrink)
        dc.DrawRectangle(x, y, width, height); // a box of one pixel: the ellipse is that pixel
    else
        dc.DrawEllipse(x, y, width - shrink, height - shrink);
}
