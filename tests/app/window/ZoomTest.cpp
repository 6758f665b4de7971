#include "DiceFrameFixture.h"
#include "ScreenArea.h"

#include "app/window/WindowZoom.h"

#include <functional>

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

// The size of every window in the frame, the frame's own and its least size, in one list.
std::vector<wxSize> AllSizes(wxWindow& frame)
{
    std::vector<wxSize> sizes{frame.GetSize(), frame.GetMinSize()};
    std::function<void(wxWindow&)> take = [&](wxWindow& parent) {
        for (wxWindow* child : parent.GetChildren())
            if (!child->IsTopLevel()) {
                sizes.push_back(child->GetSize());
                take(*child);
            }
    };
    take(frame);
    return sizes;
}

} // namespace

// Ctrl+plus, made as a US keyboard makes it and by the keypad, zooms the texts and the table's
// rows together; Ctrl+minus steps back; Ctrl+0 from the top gives the window of the start again,
// every control at its size to the pixel, and no GTK complaint on the way.
TEST_F(DiceFrameTest, KeysZoomTextsAndRowsTogetherAndCtrl0UndoesIt)
{
    RunWith(2, 20, false);
    ASSERT_TRUE(ReadyForInput());
    DiceFrameProbe p = Probe();
    wxWindow& label = *wxWindow::FindWindowByLabel("Number of dice:", frame);
    ASSERT_TRUE(user.Click(p.RollsText()));
    const int text100 = InkHeight(label);
    const int row100 = RowPitch(p.Grid());
    const std::vector<wxSize> start = AllSizes(*frame);
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
    // The die is drawn anew at the zoom's size: dark pips on the front face, nothing round it.
    const wxImage die = p.DiePicture().GetBitmap().ConvertToImage();
    ASSERT_EQ(die.GetWidth(), 68);
    EXPECT_LT(die.GetRed(16, 30), 60) << "the upper left pip of the front face";
    EXPECT_GT(die.GetRed(24, 40), 200) << "the front face between the pips";
    EXPECT_EQ(die.GetAlpha(1, 66), 0) << "a corner outside the die";

    for (int i = 0; i < 3; ++i)
        keys.Char('=', wxMOD_CONTROL); // to the top, 300%, and once more
    ASSERT_TRUE(WaitFor([&] { return frame->Zoom().Percent() == 300; }, 5));
    LetEventsThrough(0.3);
    keys.Char('0', wxMOD_CONTROL);
    ASSERT_TRUE(
        WaitFor([&] { return frame->Zoom().Percent() == 100 && frame->Zoom().Settled(); }, 10));
    LetEventsThrough(0.2);
    const std::vector<wxSize> back = AllSizes(*frame);
    ASSERT_EQ(back.size(), start.size());
    for (std::size_t i = 0; i < start.size(); ++i)
        EXPECT_TRUE(back[i] == start[i])
            << "window " << i << " in the frame's tree: " << back[i].x << "x" << back[i].y
            << ", at the start " << start[i].x << "x" << start[i].y;
    EXPECT_EQ(InkHeight(label), text100);
    EXPECT_EQ(RowPitch(p.Grid()), row100);
}
