#include "graph/drawing/windowTextMeasurer.h"

#include <wx/intl.h>

windowTextMeasurer::windowTextMeasurer(const wxWindow& window) : window(&window) {}

windowTextMeasurer::windowTextMeasurer(const wxDC& dc) : dc(&dc) {}

textExtent windowTextMeasurer::Extent(const std::string& text, int pointSize, bool italic) const
{
    auto key = std::make_tuple(italic, pointSize, text);
    const auto known = extents.find(key);
    if (known != extents.end())
        return known->second;
    int width = 0;
    int height = 0;
    const wxString shown = wxString::FromUTF8(text);
    if (window)
        window->GetTextExtent(shown, &width, &height, nullptr, nullptr, &Font(pointSize, italic));
    else
        dc->GetTextExtent(shown, &width, &height, nullptr, nullptr, &Font(pointSize, italic));
    if (extents.size() >= REMEMBERED_EXTENTS)
        extents.clear();
    return extents.emplace(std::move(key), textExtent{width, height}).first->second;
}

wxFont windowTextMeasurer::GraphFont(int pointSize, bool italic)
{
    return wxFont(wxFontInfo(pointSize)
                      .Family(wxFONTFAMILY_ROMAN)
                      .FaceName(wxGetTranslation("Times New Roman"))
                      .Italic(italic));
}

const wxFont& windowTextMeasurer::Font(int pointSize, bool italic) const
{
    wxFont& font = fonts[italic ? 1 : 0];
    if (!font.IsOk() || font.GetPointSize() != pointSize)
        font = GraphFont(pointSize, italic);
    return font;
}
