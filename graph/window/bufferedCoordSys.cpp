#include "graph/window/bufferedCoordSys.h"

#include "graph/drawing/clipboardPicture.h"

#include <wx/dcclient.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(bufferedCoordSys, coordSys)
    EVT_PAINT(bufferedCoordSys::OnPaint)
    EVT_ERASE_BACKGROUND(bufferedCoordSys::OnEraseBackground)
    EVT_SIZE(bufferedCoordSys::OnSize)
    EVT_KEY_DOWN(bufferedCoordSys::OnKeyDown)
wxEND_EVENT_TABLE()

bufferedCoordSys::bufferedCoordSys(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                   const wxSize& size)
    : coordSys(parent, id, pos, size, wxSUNKEN_BORDER, wxPanelNameStr)
{
    CreateBitmap();
}

bufferedCoordSys::~bufferedCoordSys() { memoryDC.SelectObject(wxNullBitmap); }

void bufferedCoordSys::RenderTo(wxDC& dc)
{
    UpdateView();
    DrawGrid(dc);
    DrawAxes(dc);
    if (currentSeries)
        DrawSeries(dc, *currentSeries);
}

void bufferedCoordSys::RedrawBitmap()
{
    memoryDC.Clear();
    RenderTo(memoryDC);
    stale = false;
}

void bufferedCoordSys::ShowNewSettings() { MarkStale(); }

void bufferedCoordSys::SetSeries(dataSeries* series)
{
    currentSeries = series;
    MarkStale();
}

void bufferedCoordSys::ResizeBitmap(const wxSize& size)
{
    bitmapWidth = size.x;
    bitmapHeight = size.y;
    memoryDC.SelectObject(wxNullBitmap);
    CreateBitmap();
    MarkStale();
}

void bufferedCoordSys::MarkStale()
{
    UpdateView();
    stale = true;
    Refresh(false);
}

// A bitmap of the window's size in its own units, with as many pixels as the screen gives them
// (twice as many each way on a double-density screen), so the picture stays sharp there.
void bufferedCoordSys::CreateBitmap()
{
    // A window shrunk to nothing still keeps a one-pixel bitmap: the toolkit cannot make an
    // empty one, and copying an empty area draws nothing anyway.
    bitmap.CreateWithDIPSize(std::max(1, bitmapWidth), std::max(1, bitmapHeight),
                             GetContentScaleFactor(), wxBITMAP_SCREEN_DEPTH);
    memoryDC.SelectObject(bitmap);
    memoryDC.Clear();
}

void bufferedCoordSys::BlitTo(wxDC& dc)
{
    if (stale)
        RedrawBitmap();
    dc.Blit(0, 0, bitmapWidth, bitmapHeight, &memoryDC, 0, 0, wxCOPY, false);
}

void bufferedCoordSys::CopyToClipboard()
{
    clipboardPicture(GetSize(), [this](wxDC& dc) { RenderTo(dc); }).PutOnClipboard();
}

// Ctrl+C copies this graph's own picture; any other key goes on to the graph's common handler.
void bufferedCoordSys::OnKeyDown(wxKeyEvent& event)
{
    if (IsCopyKey(event))
        CopyToClipboard();
    else
        event.Skip();
}

void bufferedCoordSys::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    BlitTo(dc);
}

// The bitmap covers the window, so erasing first would only make it flicker.
void bufferedCoordSys::OnEraseBackground(wxEraseEvent&) {}

void bufferedCoordSys::OnSize(wxSizeEvent& event)
{
    ResizeBitmap(event.GetSize());
    event.Skip(); // the graph's own size step runs next
}
