// Runs under a dark desktop theme (GTK_THEME=Adwaita:dark, set by the test's registration): the
// table's text must stay readable in every column.
#include "DiceFrameFixture.h"

#include <wx/dcmemory.h>
#include <wx/settings.h>

#include <algorithm>
#include <cmath>

using namespace diceframetest;

namespace {

double Luminance(const wxColour& c)
{
    auto channel = [](unsigned char v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.Red()) + 0.7152 * channel(c.Green()) + 0.0722 * channel(c.Blue());
}

double Contrast(const wxColour& a, const wxColour& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast between a cell's background (its corner pixel) and any pixel of the
// text inside it.
double TextContrast(const wxImage& picture, const wxRect& cell)
{
    const wxRect inside = wxRect(cell).Deflate(2);
    const wxColour background(picture.GetRed(inside.x, inside.y),
                              picture.GetGreen(inside.x, inside.y),
                              picture.GetBlue(inside.x, inside.y));
    double best = 1;
    for (int y = inside.y; y < inside.GetBottom(); ++y)
        for (int x = inside.x; x < inside.GetRight(); ++x)
            best = std::max(
                best, Contrast(background, wxColour(picture.GetRed(x, y), picture.GetGreen(x, y),
                                                    picture.GetBlue(x, y))));
    return best;
}

} // namespace

TEST_F(DiceFrameTest, DarkThemeTableTextReadsInEveryColumn)
{
    ASSERT_GT(Luminance(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT)), 0.5)
        << "this test needs a dark theme, whose text is light";
    RunWith(2, 100, false);

    PelkoGrid& grid = Probe().Grid();
    const wxSize size(grid.GetColSize(0) + grid.GetColSize(1) + grid.GetColSize(2),
                      grid.GetRowSize(0) * 3);
    wxBitmap bitmap(size);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxRED_BRUSH);
        dc.Clear();
        grid.Render(dc, wxPoint(0, 0), size, wxGridCellCoords(0, 0), wxGridCellCoords(2, 2),
                    wxGRID_DRAW_CELL_LINES);
    }
    const wxImage picture = bitmap.ConvertToImage();
    int left = 0;
    for (int col = 0; col < 3; ++col) {
        const wxRect cell(left, 0, grid.GetColSize(col), grid.GetRowSize(0));
        EXPECT_GE(TextContrast(picture, cell), 4.5) << "column " << col;
        left += grid.GetColSize(col);
    }
}
