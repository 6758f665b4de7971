#include "graph/drawing/clipboardPicture.h"

#include "graph/model/crispSvg.h"
#include "graph/model/pictureSize.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/image.h>

#include <climits>
#include <fstream>
#include <iterator>

namespace {

// A pixel of the picture is a CSS pixel, 1/96 inch, as the PNG's pixels are where it is pasted.
constexpr double SVG_DPI = 96;

pixelSize Extent(const wxSize& size) { return {size.x, size.y}; }

} // namespace

clipboardPicture::clipboardPicture(const wxSize& windowSize, const drawing& draw)
{
    DrawBitmap(windowSize, draw);
    DrawSvg(windowSize, draw);
}

// Drawn at the largest size the picture can take, then cut to what the drawing reached.
void clipboardPicture::DrawBitmap(const wxSize& windowSize, const drawing& draw)
{
    const pixelSize largest = PictureSize(INT_MAX, INT_MAX, Extent(windowSize));
    wxBitmap canvas(largest.width, largest.height);
    wxMemoryDC dc(canvas);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.ResetBoundingBox();
    dc.SetClippingRegion(wxPoint(0, 0), windowSize);
    draw(dc);
    const pixelSize size = PictureSize(dc.MaxX(), dc.MaxY(), Extent(windowSize));
    dc.SelectObject(wxNullBitmap);
    bitmap = canvas.GetSubBitmap(wxRect(0, 0, size.width, size.height));
}

// The SVG drawing context writes only to a file, so the text passes through a scratch file.
void clipboardPicture::DrawSvg(const wxSize& windowSize, const drawing& draw)
{
    const wxString file = wxFileName::CreateTempFileName("zobrin");
    if (file.empty())
        return;
    {
        wxSVGFileDC dc(file, bitmap.GetWidth(), bitmap.GetHeight(), SVG_DPI);
        // The bitmap is drawn without smoothing the edges.
        dc.SetShapeRenderingMode(wxSVG_SHAPE_RENDERING_CRISP_EDGES);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        draw(dc);
        CoverBeyond(dc, windowSize);
    }
    std::ifstream in(file.fn_str(), std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    svg = CrispSvg(written, Extent(bitmap.GetSize()));
    wxRemoveFile(file);
}

// The bitmap is drawn clipped to the window. A clip path would do the same in SVG, but some
// renderers draw nothing inside one; the part of the picture past the window is painted over
// in white instead.
void clipboardPicture::CoverBeyond(wxDC& dc, const wxSize& windowSize) const
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(windowSize.x, 0, bitmap.GetWidth(), bitmap.GetHeight());
    dc.DrawRectangle(0, windowSize.y, bitmap.GetWidth(), bitmap.GetHeight());
}

bool clipboardPicture::PutOnClipboard() const
{
    // The bitmap form is stored as PNG, which needs the toolkit's PNG handler.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    auto* forms = new wxDataObjectComposite;
    forms->Add(new wxBitmapDataObject(bitmap), true);
    if (!svg.empty()) {
        auto* vector = new wxCustomDataObject(wxDataFormat(SVG_FORMAT));
        vector->SetData(svg.size(), svg.data());
        forms->Add(vector);
    }
    wxClipboardLocker locker;
    if (!locker) {
        delete forms;
        return false;
    }
    return wxTheClipboard->SetData(forms);
}
