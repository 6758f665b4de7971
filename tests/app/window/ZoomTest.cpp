#include "DiceFrameFixture.h"
#include "ScreenArea.h"

#include "app/window/WindowZoom.h"

using namespace diceframetest;

namespace {

// The rows of `area` on the screen that hold a pixel darker than `below` in the column at x, or
// anywhere when x is negative.
std::vector<int> DarkRows(const wxRect& area, int below, int x = -1)
{
    const wxImage shot = ScreenArea(area);
    std::vector<int> rows;
    for (int y = 0; y < shot.GetHeight(); ++y)
        for (int col = x < 0 ? 0 : x; col < (x < 0 ? shot.GetWidth() : x + 1); ++col)
            if (shot.GetRed(col, y) < below && shot.GetGreen(col, y) < below) {
                rows.push_back(y);
                break;
            }
    return rows;
}

// How tall the label's text is drawn: from its first row of ink to its last.
int InkHeight(wxWindow& label)
{
    const std::vector<int> ink = DarkRows(label.GetScreenRect(), 110);
    return ink.empty() ? 0 : ink.back() - ink.front() + 1;
}

// The distance between the first two black lines across the grid's cells, looked for at the
// left edge of the first column, clear of its text.
int RowPitch(PelkoGrid& grid)
{
    wxWindow& cells = *grid.GetGridWindow();
    const std::vector<int> lines = DarkRows(cells.GetScreenRect(), 40, 3);
    return lines.size() < 2 ? 0 : lines[1] - lines[0];
}

} // namespace

// Ctrl+plus, made as a US keyboard makes it and by the keypad, zooms the texts and the table's
// rows together; Ctrl+minus steps back; Ctrl+0 gives the window of 100% again, to the pixel.
TEST_F(DiceFrameTest, KeysZoomTextsAndRowsTogetherAndCtrl0UndoesIt)
{
    RunWith(2, 20, false);
    ASSERT_TRUE(ReadyForInput());
    DiceFrameProbe p = Probe();
    wxWindow& label = *wxWindow::FindWindowByLabel("Number of dice:", frame);
    ASSERT_TRUE(user.Click(p.RollsText()));
    const int text100 = InkHeight(label);
    const int row100 = RowPitch(p.Grid());
    const wxSize min100 = frame->GetMinSize();
    ASSERT_TRUE(text100 > 4 && row100 > 10);

    wxUIActionSimulator keys;
    keys.Char('=', wxMOD_CONTROL | wxMOD_SHIFT); // the US plus: 125%
    keys.Char(WXK_NUMPAD_ADD, wxMOD_CONTROL);    // 150%
    keys.Char('=', wxMOD_CONTROL);               // 175%
    keys.Char('=', wxMOD_CONTROL);               // 200%
    keys.Char('=', wxMOD_CONTROL);               // 250%
    keys.Char('-', wxMOD_CONTROL);               // 200%
    ASSERT_TRUE(WaitFor([&] { return frame->Zoom().Percent() == 200; }, 5));
    LetEventsThrough(0.5);
    // Glyphs are fitted to whole pixels at every size, so the text's height follows less closely.
    EXPECT_NEAR(InkHeight(label), 2.0 * text100, 0.15 * 2 * text100);
    EXPECT_NEAR(RowPitch(p.Grid()), 2.0 * row100, 0.1 * 2 * row100);
    const wxSize min200 = frame->GetMinSize();
    EXPECT_TRUE(min200.x > min100.x * 3 / 2 && min200.y > min100.y * 3 / 2);
    EXPECT_TRUE(wxRect(frame->GetSize()).Contains(wxRect(min200)));

    keys.Char('0', wxMOD_CONTROL);
    ASSERT_TRUE(WaitFor([&] { return frame->Zoom().Percent() == 100; }, 5));
    LetEventsThrough(0.5);
    EXPECT_EQ(InkHeight(label), text100);
    EXPECT_EQ(RowPitch(p.Grid()), row100);
    // Measured anew on the shown window, the least width may differ by a few pixels from the one
    // measured before it was first shown; the Theory summary's lines decide the height.
    EXPECT_NEAR(frame->GetMinSize().x, min100.x, 10);
    EXPECT_LT(frame->GetMinSize().y, min200.y * 3 / 4);
}
