#include "app/export/DrawnFile.h"

#include <wx/dcgraph.h>
#include <wx/graphics.h>

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

namespace {

cairo_status_t WriteBytes(void* out, const unsigned char* data, unsigned int length)
{
    auto& stream = *static_cast<std::ostream*>(out);
    stream.write(reinterpret_cast<const char*>(data), length);
    return stream ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

// Draws on a cairo context through a DC of the toolkit's, scaled, on white where `white` is given.
bool Draw(cairo_t* cairo, double scale, const DrawnFile::drawing& draw, const wxSize& white)
{
    wxGraphicsRenderer* renderer = wxGraphicsRenderer::GetCairoRenderer();
    if (!renderer || cairo_status(cairo) != CAIRO_STATUS_SUCCESS)
        return false;
    cairo_save(cairo);
    {
        wxGCDC dc(renderer->CreateContextFromNativeContext(cairo));
        // Lines of odd width lie on whole pixels, as the window's and the clipboard's DCs draw
        // them: a line of one pixel covers one row, not half of two.
        dc.GetGraphicsContext()->EnableOffset(true);
        dc.SetUserScale(scale, scale);
        if (white != wxDefaultSize) {
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(*wxWHITE_BRUSH);
            dc.DrawRectangle(wxPoint(0, 0), white);
        }
        draw(dc);
    }
    cairo_restore(cairo);
    return cairo_status(cairo) == CAIRO_STATUS_SUCCESS;
}

// Draws on the surface, on white where `white` is given.
bool Draw(cairo_surface_t* surface, const DrawnFile::drawing& draw, const wxSize& white)
{
    cairo_t* cairo = cairo_create(surface);
    const bool drawn = Draw(cairo, 1, draw, white);
    cairo_destroy(cairo);
    return drawn;
}

// Finishes a surface that writes to a stream as it goes; whether all went well.
bool Finish(cairo_surface_t* surface, bool drawn)
{
    cairo_surface_finish(surface);
    const bool written = drawn && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

} // namespace

bool DrawnFile::WritePng(const wxSize& pixels, const drawing& draw, std::ostream& out)
{
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixels.x, pixels.y);
    const bool written =
        Draw(image, draw, pixels) &&
        cairo_surface_write_to_png_stream(image, WriteBytes, &out) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(image);
    return written;
}

bool DrawnFile::WriteSvg(const wxSize& pixels, const drawing& draw, std::ostream& out)
{
    cairo_surface_t* svg =
        cairo_svg_surface_create_for_stream(WriteBytes, &out, pixels.x, pixels.y);
    cairo_svg_surface_set_document_unit(svg, CAIRO_SVG_UNIT_PX);
    return Finish(svg, Draw(svg, draw, pixels));
}

bool DrawnFile::WritePdf(const wxSize& points, const drawing& draw, std::ostream& out)
{
    cairo_surface_t* pdf =
        cairo_pdf_surface_create_for_stream(WriteBytes, &out, points.x, points.y);
    cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_CREATE_DATE, "");
    cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_CREATOR, "Zobrin");
    return Finish(pdf, Draw(pdf, draw, wxDefaultSize));
}

bool DrawnFile::DrawOn(void* cairoContext, double scale, const drawing& draw)
{
    return cairoContext && Draw(static_cast<cairo_t*>(cairoContext), scale, draw, wxDefaultSize);
}
