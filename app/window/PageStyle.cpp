#include "app/window/PageStyle.h"

#include <wx/grid.h>

#include <algorithm>

wxFont PageStyle::SmallFont(wxFontWeight weight) const
{
    return Scaled(wxFont(SMALL_POINTS, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, weight));
}

wxFont PageStyle::Scaled(const wxFont& font) const
{
    if (zoom.Percent() == 100 || !font.IsOk())
        return font;
    wxFont scaled = font;
    scaled.SetFractionalPointSize(font.GetFractionalPointSize() * zoom.Factor());
    return scaled;
}

int PageStyle::ColumnWidth(wxGrid& table, int col, const wxString& label, const wxString& widest,
                           int least) const
{
    const int room = Pixels(12);
    const wxFont labelFont = table.GetLabelFont();
    wxFont cellFont = table.GetDefaultCellFont();
    if (wxGridCellAttr* attr = table.GetTable()->GetAttr(0, col, wxGridCellAttr::Col)) {
        if (attr->HasFont())
            cellFont = attr->GetFont();
        attr->DecRef();
    }
    int width = 0, lineWidth = 0, height = 0;
    for (const wxString& line : wxSplit(label, '\n', '\0')) {
        table.GetTextExtent(line, &lineWidth, &height, nullptr, nullptr, &labelFont);
        width = std::max(width, lineWidth);
    }
    table.GetTextExtent(widest, &lineWidth, &height, nullptr, nullptr, &cellFont);
    return std::max({Pixels(least), width + room, lineWidth + room});
}
