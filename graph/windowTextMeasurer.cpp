#include "graph/windowTextMeasurer.h"

#include <wx/intl.h>

windowTextMeasurer::windowTextMeasurer(const wxWindow& window) : window(window) {}

textExtent windowTextMeasurer::Extent(const std::string& text, int pointSize, bool italic) const
{
    int width = 0;
    int height = 0;
    window.GetTextExtent(wxString::FromUTF8(text), &width, &height, nullptr, nullptr,
                         &FontFor(pointSize, italic));
    return {width, height};
}

wxFont windowTextMeasurer::GraphFont(int pointSize, bool italic)
{
    return wxFont(wxFontInfo(pointSize)
                      .Family(wxFONTFAMILY_ROMAN)
                      .FaceName(wxGetTranslation("Times New Roman"))
                      .Italic(italic));
}

const wxFont& windowTextMeasurer::FontFor(int pointSize, bool italic) const
{
    wxFont& font = fonts[italic ? 1 : 0];
    if (!font.IsOk() || font.GetPointSize() != pointSize)
        font = GraphFont(pointSize, italic);
    return font;
}
