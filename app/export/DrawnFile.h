#pragma once

#include <wx/dc.h>

#include <functional>
#include <ostream>

// A drawing made through the toolkit's DC on a cairo surface and written out as a file: a PNG
// image, an SVG drawing or a PDF page. None needs a display, so the command line makes them
// without a window, as the window does. Text stays text in the PDF and lines stay lines in the
// SVG and the PDF.
class DrawnFile {
public:
    using drawing = std::function<void(wxDC&)>;

    // An image of `pixels` on white.
    static bool WritePng(const wxSize& pixels, const drawing& draw, std::ostream& out);
    // A drawing of `pixels` on white, a pixel being a CSS pixel (1/96 inch), as the PNG's are.
    static bool WriteSvg(const wxSize& pixels, const drawing& draw, std::ostream& out);
    // One page of `points` (1/72 inch), drawn in points, with no date in it: the same drawing
    // gives the same file.
    static bool WritePdf(const wxSize& points, const drawing& draw, std::ostream& out);
    // Draws on a cairo context of someone else's, such as a printer's page, through the same DC
    // as the files, each unit of the drawing `scale` units of the context. False when there is
    // no context or cairo could not draw.
    static bool DrawOn(void* cairoContext, double scale, const drawing& draw);
};
