// DrawnFile the Windows way, without cairo: the PNG drawn on a bitmap, the SVG by the
// toolkit's own SVG DC, the printer's page on its own DC. The PDF report is cairo's alone and is
// not drawn.
#include "app/export/DrawnFile.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/mstream.h>
#include <wx/msw/dc.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

// The toolkit's drawing needs the toolkit started; the command line draws without a window.
std::unique_ptr<wxInitializer> Started()
{
    return wxTheApp ? nullptr : std::make_unique<wxInitializer>();
}

void White(wxDC& dc, const wxSize& size)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(wxPoint(0, 0), size);
}

} // namespace

bool DrawnFile::WritePng(const wxSize& pixels, const drawing& draw, std::ostream& out)
{
    const auto toolkit = Started();
    wxBitmap bitmap(pixels, 24);
    {
        wxMemoryDC dc(bitmap);
        White(dc, pixels);
        draw(dc);
    }
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    wxMemoryOutputStream png;
    if (!bitmap.ConvertToImage().SaveFile(png, wxBITMAP_TYPE_PNG))
        return false;
    const wxStreamBuffer& bytes = *png.GetOutputStreamBuffer();
    out.write(static_cast<const char*>(bytes.GetBufferStart()),
              static_cast<std::streamsize>(png.GetSize()));
    return bool(out);
}

// The toolkit's SVG DC writes to a file of its own, read back here.
bool DrawnFile::WriteSvg(const wxSize& pixels, const drawing& draw, std::ostream& out)
{
    const auto toolkit = Started();
    const wxString file = wxFileName::CreateTempFileName("zobrin");
    if (file.empty())
        return false;
    {
        wxSVGFileDC dc(file, pixels.x, pixels.y, 96, "Zobrin");
        White(dc, pixels);
        draw(dc);
    }
    std::ifstream svg(file.wc_str(), std::ios::binary);
    out << svg.rdbuf();
    svg.close();
    wxRemoveFile(file);
    return bool(out);
}

bool DrawnFile::WritePdf(const wxSize&, const drawing&, std::ostream&) { return false; }

// On Windows the printer's page is its device context (HDC), drawn on through a DC of the
// toolkit's.
bool DrawnFile::DrawOn(void* printerPage, double scale, const drawing& draw)
{
    if (!printerPage)
        return false;
    wxDCTemp dc(static_cast<WXHDC>(printerPage));
    dc.SetUserScale(scale, scale);
    draw(dc);
    return true;
}
