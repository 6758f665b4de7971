// The log box on its own, in a frame of its own: wrapping at every width, scrolling to every
// roll, and selecting and copying with the mouse and the keyboard.
#include "ToolkitTestSupport.h"

#include "app/DiceRun.h"
#include "app/RollLogView.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>

#include <string>
#include <vector>

namespace {

// The record of a run of `rolls` rolls with a fixed seed, as the window gets it at the end.
std::string Record(int dice, long rolls)
{
    std::vector<int> counts;
    RollRecord record;
    DiceRun run(dice, rolls, 77, counts, record);
    run.RollUntil(rolls);
    return record.Text();
}

std::string Clipboard()
{
    wxClipboardLocker locker;
    wxTextDataObject data;
    if (!locker || !wxTheClipboard->GetData(data))
        return "(nothing)";
    return data.GetText().utf8_string();
}

class RollLogViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "log");
        view = new RollLogView(frame, wxID_ANY);
        frame->Show();
        Resize(300, 200);
    }
    void TearDown() override
    {
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }

    void Resize(int width, int height)
    {
        frame->SetClientSize(width, height);
        ASSERT_TRUE(WaitFor([&] { return view->GetSize() == wxSize(width, height); }, 5))
            << "the box did not take the size " << width << " x " << height;
    }

    void Press(int key, int modifiers = wxMOD_NONE)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        event.m_controlDown = (modifiers & wxMOD_CONTROL) != 0;
        event.m_shiftDown = (modifiers & wxMOD_SHIFT) != 0;
        event.SetEventObject(view);
        view->GetEventHandler()->ProcessEvent(event);
    }

    void Mouse(wxEventType type, const wxPoint& at, bool leftDown, bool shift = false)
    {
        wxMouseEvent event(type);
        event.SetPosition(at);
        event.m_leftDown = leftDown;
        event.m_shiftDown = shift;
        event.SetEventObject(view);
        view->GetEventHandler()->ProcessEvent(event);
    }

    // The middle of the left edge of a line in view.
    wxPoint LineStart(int lineInView) const
    {
        return wxPoint(1, lineInView * view->GetCharHeight() + view->GetCharHeight() / 2);
    }

    int TopLine() const { return view->GetViewStart().y; }
    int LinesInView() const { return view->GetClientSize().y / view->GetCharHeight(); }

    wxFrame* frame = nullptr;
    RollLogView* view = nullptr;
};

} // namespace

TEST_F(RollLogViewTest, WrapsEveryRollAtEveryWidthAndScrollsFromTheFirstToTheLast)
{
    const std::string record = Record(100, 10001);
    view->SetValue(record);
    for (int width : {1200, 820, 700, 333, 97, 60, 500}) {
        SCOPED_TRACE(testing::Message() << "width " << width);
        Resize(width, 200);
        // The lines hold the record in order, a line break only where it has one, and each fits.
        std::string joined;
        for (int line = 0; line < view->GetNumberOfLines(); ++line) {
            const std::string text = view->GetLineText(line);
            if (joined.size() < record.size() && record[joined.size()] == '\n')
                joined += '\n';
            joined += text;
            if (line < 60 || line + 60 > view->GetNumberOfLines()) {
                const std::string shown = text.substr(0, text.find_last_not_of(' ') + 1);
                ASSERT_TRUE(shown.size() == 1 ||
                            view->GetTextExtent(shown).x <= view->GetClientSize().x - 2)
                    << text;
            }
        }
        ASSERT_EQ(joined, record);

        Press(WXK_END);
        EXPECT_GE(TopLine() + LinesInView(), view->GetNumberOfLines()) << "the last line shows";
        EXPECT_LT(TopLine(), view->GetNumberOfLines());
        const std::string note = "Data Truncated.";
        const std::string last = view->GetLineText(view->GetNumberOfLines() - 1);
        ASSERT_TRUE(!last.empty() && last.size() <= note.size()) << last;
        EXPECT_EQ(last, note.substr(note.size() - last.size())) << "the note ends the last line";
        const int bottom = TopLine();
        Press(WXK_PAGEUP);
        EXPECT_EQ(TopLine(), std::max(bottom - LinesInView(), 0));
        Press(WXK_DOWN);
        EXPECT_EQ(TopLine(), std::min(std::max(bottom - LinesInView(), 0) + 1, bottom));
        Press(WXK_HOME);
        EXPECT_EQ(TopLine(), 0) << "the first line shows";
        Press(WXK_PAGEDOWN);
        EXPECT_EQ(TopLine(), std::min(LinesInView(), bottom));
    }
}

TEST_F(RollLogViewTest, MouseSelectsWhatItDragsOverAndCopiesTheRecordsText)
{
    const std::string record = Record(2, 300);
    view->SetValue(record);
    const std::size_t twoLines = view->GetLineText(0).size() + view->GetLineText(1).size();
    ASSERT_LT(twoLines, record.size()) << "the record takes more than two lines";

    // From the start of the first line down to the start of the third.
    Mouse(wxEVT_LEFT_DOWN, LineStart(0), true);
    Mouse(wxEVT_MOTION, LineStart(2), true);
    Mouse(wxEVT_LEFT_UP, LineStart(2), false);
    EXPECT_FALSE(view->HasCapture());
    EXPECT_EQ(view->GetStringSelection(), record.substr(0, twoLines));
    Press('C', wxMOD_CONTROL);
    EXPECT_EQ(Clipboard(), record.substr(0, twoLines)) << "faces and blanks, no line breaks";

    // Shift+click stretches the same selection on to the start of the second line.
    Mouse(wxEVT_LEFT_DOWN, LineStart(1), true, true);
    Mouse(wxEVT_LEFT_UP, LineStart(1), false);
    EXPECT_EQ(view->GetStringSelection(), view->GetLineText(0));

    // A double click takes a whole roll.
    Mouse(wxEVT_LEFT_DCLICK, LineStart(1) + wxPoint(3, 0), true);
    EXPECT_EQ(view->GetStringSelection(), record.substr(view->GetLineText(0).size(), 2));

    // Below the last line the selection reaches the end.
    Mouse(wxEVT_LEFT_DOWN, LineStart(0), true);
    Mouse(wxEVT_MOTION, wxPoint(5, 100000), true);
    Mouse(wxEVT_LEFT_UP, wxPoint(5, 100000), false);
    EXPECT_EQ(view->GetStringSelection(), record);

    // The box's menu: Select All, then Copy.
    view->SetSelection(0, 0);
    for (int command : {wxID_SELECTALL, wxID_COPY}) {
        wxCommandEvent choice(wxEVT_MENU, command);
        view->GetEventHandler()->ProcessEvent(choice);
    }
    EXPECT_EQ(Clipboard(), record);
}

TEST_F(RollLogViewTest, KeyboardSelectsAndCopies)
{
    const std::string record = Record(3, 12000);
    view->SetValue(record);
    Mouse(wxEVT_LEFT_DOWN, LineStart(0) + wxPoint(view->GetTextExtent(record.substr(0, 4)).x, 0),
          true);
    Mouse(wxEVT_LEFT_UP, LineStart(0), false);
    ASSERT_EQ(view->GetStringSelection(), "");

    Press(WXK_RIGHT, wxMOD_SHIFT);
    Press(WXK_RIGHT, wxMOD_SHIFT);
    EXPECT_EQ(view->GetStringSelection(), record.substr(4, 2));
    Press(WXK_LEFT, wxMOD_SHIFT);
    EXPECT_EQ(view->GetStringSelection(), record.substr(4, 1));
    Press(WXK_DOWN, wxMOD_SHIFT);
    EXPECT_EQ(view->GetStringSelection(), record.substr(4, view->GetLineText(0).size() + 1))
        << "one line down, at the same place across";
    Press(WXK_HOME, wxMOD_SHIFT);
    EXPECT_EQ(view->GetStringSelection(), record.substr(0, 4)) << "from the anchor to the start";
    Press(WXK_PAGEDOWN, wxMOD_SHIFT);
    EXPECT_EQ(view->GetStringSelection(),
              record.substr(4, view->GetLineText(0).size() * LinesInView() - 4))
        << "from the anchor to the start of the line a page down";
    Press(WXK_END, wxMOD_SHIFT);
    EXPECT_EQ(view->GetStringSelection(), record.substr(4));
    EXPECT_GE(TopLine() + LinesInView(), view->GetNumberOfLines()) << "the caret is in view";

    Press('A', wxMOD_CONTROL);
    Press(WXK_INSERT, wxMOD_CONTROL);
    EXPECT_EQ(Clipboard(), record);
    EXPECT_EQ(record.substr(record.size() - 17), " \nData Truncated.");
}

TEST_F(RollLogViewTest, GrowsRollByRollFollowingTheEndAndKeepsTheSelection)
{
    const std::string record = Record(7, 400);
    view->SetValue(record.substr(0, 8));
    view->SetSelection(2, 5);
    for (std::size_t at = 8; at < record.size(); at += 8) {
        view->AppendText(record.substr(at, 8));
        view->ShowPosition(view->GetLastPosition());
    }
    EXPECT_EQ(view->GetValue(), record);
    EXPECT_EQ(view->GetStringSelection(), record.substr(2, 3));
    EXPECT_GT(view->GetNumberOfLines(), LinesInView());
    EXPECT_EQ(TopLine() + LinesInView(), view->GetNumberOfLines()) << "the latest roll shows";
    Press('C', wxMOD_CONTROL);

    // Replacing the text starts again at the top with nothing selected.
    view->SetValue("12 ");
    EXPECT_EQ(view->GetStringSelection(), "");
    EXPECT_EQ(TopLine(), 0);
    Press('C', wxMOD_CONTROL);
    EXPECT_EQ(Clipboard(), record.substr(2, 3)) << "copying nothing leaves the clipboard alone";
}
