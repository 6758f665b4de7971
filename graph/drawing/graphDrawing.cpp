#include "graph/drawing/graphDrawing.h"

#include "graph/drawing/plotPainter.h"

graphDrawing::graphDrawing(pixelSize size, const wxDC& dc) : size(size), measurer(dc) {}

void graphDrawing::UpdateView() { UpdateView(measurer); }

void graphDrawing::Draw(wxDC& dc) const
{
    DrawGraph(
        *this, *this, measurer,
        [this](double x, double y) {
            const pixelPoint p = PointToPixel(x, y);
            return p.x >= 0 && p.y >= 0 && p.x < size.width && p.y < size.height;
        },
        dc);
}

// Drawing keeps the DC's default logical function (wxCOPY): the toolkit's cairo-based DCs on
// GTK 3 draw nothing at all under wxAND.
void graphDrawing::DrawGraph(const coordSysView& view, const plotObjectLists& plots,
                             const windowTextMeasurer& measurer, const pointVisibility& isVisible,
                             wxDC& dc)
{
    axesPainter axes(view, measurer, isVisible, dc);
    axes.DrawGrid();
    axes.DrawAxes();
    plotPainter painter(view, dc);
    for (const dataSeries& series : plots.AllSeries())
        if (series.visible)
            painter.DrawSeries(series);
    painter.DrawLabels(plots.AllLabels());
}
