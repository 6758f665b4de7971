#pragma once
#include "graph/model/dataSeries.h"
#include "graph/window/coordSys.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

// A graph that keeps its picture in an off-screen bitmap and shows one series (or none).
// Painting copies the bitmap; the picture itself changes only through SetSeries,
// RedrawBitmap and resizing, so a caller that changes settings calls RedrawBitmap (then
// Refresh) or SetSeries afterwards.
class bufferedCoordSys : public coordSys {
public:
    bufferedCoordSys(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                     const wxSize& size = wxDefaultSize);
    ~bufferedCoordSys() override;

    // Recomputes the view and draws the picture into dc.
    void RenderTo(wxDC& dc);
    // Draws the picture anew into the bitmap without repainting the window.
    void RedrawBitmap();
    // Draws the picture anew and repaints the window with it.
    void ShowNewSettings() override;
    // Shows series (not owned; its owner keeps it alive while it is shown), or none.
    void SetSeries(dataSeries* series);
    dataSeries* GetCurrentSeries() const { return currentSeries; }
    // Rebuilds the bitmap at a new size and draws the picture into it.
    void ResizeBitmap(const wxSize& size);
    // Copies the bitmap into dc at (0, 0): what the window shows when it is painted.
    void BlitTo(wxDC& dc);
    // Puts the picture RenderTo draws on the clipboard.
    void CopyToClipboard();

private:
    void OnKeyDown(wxKeyEvent& event);
    void CreateBitmap();
    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnSize(wxSizeEvent& event);

    int bitmapHeight = 150;
    int bitmapWidth = 150;
    dataSeries* currentSeries = nullptr;
    wxBitmap bitmap;
    wxMemoryDC memoryDC;

    wxDECLARE_EVENT_TABLE();
};
