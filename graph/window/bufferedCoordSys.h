#pragma once
#include "graph/model/dataSeries.h"
#include "graph/window/coordSys.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

// A graph that keeps its picture in an off-screen bitmap and shows one series (or none).
// Painting copies the bitmap. SetSeries, ShowNewSettings and resizing recompute the view at once
// but only mark the picture stale and the window for repainting: the picture is drawn the next
// time it is shown or read (painting, BlitTo), so a graph given a new series after every roll is
// drawn at most once a repaint, and not at all while it is hidden. A caller that changes
// settings calls ShowNewSettings, RedrawBitmap or SetSeries afterwards.
class bufferedCoordSys : public coordSys {
public:
    bufferedCoordSys(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize);
    ~bufferedCoordSys() override;

    // Recomputes the view and draws the picture into dc.
    void RenderTo(wxDC& dc);
    // Draws the picture anew into the bitmap now, without repainting the window.
    void RedrawBitmap();
    // Marks the picture stale: it is drawn with the settings just changed when next shown.
    void ShowNewSettings() override;
    // Shows series (not owned; its owner keeps it alive while it is shown), or none. The series
    // is read when the picture is drawn, so its owner may change it and call SetSeries again.
    void SetSeries(dataSeries* series);
    dataSeries* GetCurrentSeries() const { return currentSeries; }
    // Rebuilds the bitmap at a new size; the picture is drawn into it when next shown.
    void ResizeBitmap(const wxSize& size);
    // Copies the picture into dc at (0, 0), drawing it first if it is stale: what the window
    // shows when it is painted.
    void BlitTo(wxDC& dc);
    // Puts the picture RenderTo draws on the clipboard.
    void CopyToClipboard();

private:
    void OnKeyDown(wxKeyEvent& event);
    void CreateBitmap();
    // The view follows the change at once, for whoever reads the mapping; the picture waits.
    void MarkStale();
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnSize(wxSizeEvent& event);

    int bitmapHeight = 150;
    int bitmapWidth = 150;
    dataSeries* currentSeries = nullptr;
    // The bitmap no longer shows the series, settings and size. A new graph's bitmap is white,
    // as nothing is drawn before the first series, settings or size.
    bool stale = false;
    wxBitmap bitmap;
    wxMemoryDC memoryDC;

    wxDECLARE_EVENT_TABLE();
};
