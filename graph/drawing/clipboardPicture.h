#pragma once
#include <wx/bitmap.h>
#include <wx/dc.h>

#include <functional>
#include <string>

// A graph's picture made for the clipboard, in the forms a desktop pastes: a PNG image and an
// SVG drawing, which keeps lines and text as vectors. Both are drawn on white by the same
// drawing function, cut at the window's full size, and take the size that what was drawn
// reaches (PictureSize); an SVG renderer at 96 dpi draws the same pixels as the bitmap has.
class clipboardPicture {
public:
    using drawing = std::function<void(wxDC&)>;

    static constexpr const char* SVG_FORMAT = "image/svg+xml";

    clipboardPicture(const wxSize& windowSize, const drawing& draw);

    wxSize GetSize() const { return bitmap.GetSize(); }
    const wxBitmap& GetBitmap() const { return bitmap; }
    // The SVG document as UTF-8 text; empty when no scratch file could be written for it.
    const std::string& GetSvg() const { return svg; }

    // Replaces the clipboard's contents with both forms, offered as one object. False when the
    // clipboard cannot be opened.
    bool PutOnClipboard() const;

private:
    void DrawBitmap(const wxSize& windowSize, const drawing& draw);
    void DrawSvg(const wxSize& windowSize, const drawing& draw);
    void CoverBeyond(wxDC& dc, const wxSize& windowSize) const;

    wxBitmap bitmap;
    std::string svg;
};
