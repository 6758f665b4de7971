// The log box on its own, in a frame of its own: wrapping at every width, scrolling to every
// roll, and selecting and copying with the mouse and the keyboard.
#include "ToolkitTestSupport.h"

#include "app/run/DiceRun.h"
#include "app/run/RunModel.h"
#include "app/window/RollLogFollower.h"
#include "app/window/RollLogView.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>

#include <functional>
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

    // Scrolls by `lines` as the scroll bar and the mouse wheel do, upwards for a negative number.
    void Scroll(int lines)
    {
        wxScrollWinEvent event(wxEVT_SCROLLWIN_THUMBTRACK, TopLine() + lines, wxVERTICAL);
        event.SetEventObject(view);
        view->GetEventHandler()->ProcessEvent(event);
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
            const std::string text = view->GetLineText(line).utf8_string();
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
        const std::string last = view->GetLineText(view->GetNumberOfLines() - 1).utf8_string();
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

TEST_F(RollLogViewTest, SelectsWithTheMouseAndTheKeysAndCopiesTheRecordsText)
{
    const std::string record = Record(2, 12000);
    view->SetValue(record);
    const std::size_t lineLength = view->GetLineText(0).size();

    // Dragging from the start of the first line to the start of the third takes two lines.
    Mouse(wxEVT_LEFT_DOWN, LineStart(0), true);
    Mouse(wxEVT_MOTION, LineStart(2), true);
    Mouse(wxEVT_LEFT_UP, LineStart(2), false);
    EXPECT_FALSE(view->HasCapture());
    EXPECT_EQ(view->GetStringSelection(), record.substr(0, 2 * lineLength));
    Press('C', wxMOD_CONTROL);
    EXPECT_EQ(Clipboard(), record.substr(0, 2 * lineLength)) << "faces and blanks, no breaks";

    // Shift+click moves the same selection's end; a double click takes a roll.
    Mouse(wxEVT_LEFT_DOWN, LineStart(1), true, true);
    EXPECT_EQ(view->GetStringSelection(), record.substr(0, lineLength));
    Mouse(wxEVT_LEFT_UP, LineStart(1), false);
    Mouse(wxEVT_LEFT_DCLICK, LineStart(1) + wxPoint(3, 0), true);
    EXPECT_EQ(view->GetStringSelection(), record.substr(lineLength, 2));

    // Shift with the keys moves the caret from where a click put it: the fourth character.
    Mouse(wxEVT_LEFT_DOWN, LineStart(0) + wxPoint(view->GetTextExtent("12 4").x, 0), true);
    Mouse(wxEVT_LEFT_UP, LineStart(0), false);
    struct Step {
        int key;
        std::size_t from, length;
    };
    const Step steps[] = {
        {WXK_RIGHT, 4, 1},
        {WXK_RIGHT, 4, 2},
        {WXK_LEFT, 4, 1},
        {WXK_DOWN, 4, lineLength + 1},                     // one line down, the same place across
        {WXK_HOME, 0, 4},                                  // from the anchor to the start
        {WXK_PAGEDOWN, 4, lineLength * LinesInView() - 4}, // to the start of a line a page down
        {WXK_END, 4, record.size() - 4},
    };
    for (const Step& step : steps) {
        Press(step.key, wxMOD_SHIFT);
        EXPECT_EQ(view->GetStringSelection(), record.substr(step.from, step.length)) << step.key;
    }
    EXPECT_GE(TopLine() + LinesInView(), view->GetNumberOfLines()) << "the caret is in view";

    // Ctrl+A and Ctrl+Insert; then the box's menu, Select All and Copy, after another record.
    Press('A', wxMOD_CONTROL);
    Press(WXK_INSERT, wxMOD_CONTROL);
    EXPECT_EQ(Clipboard(), record);
    view->SetValue("12 34 ");
    for (int command : {wxID_SELECTALL, wxID_COPY}) {
        wxCommandEvent choice(wxEVT_MENU, command);
        view->GetEventHandler()->ProcessEvent(choice);
    }
    EXPECT_EQ(Clipboard(), "12 34 ");
}

// During a progressive run the box keeps the newest roll in view, except while the user has
// scrolled away from the end or is selecting; then it holds still, with what is highlighted
// being what Ctrl+C copies, until the user goes back to the end.
TEST_F(RollLogViewTest, FollowsTheRunUnlessTheUserScrolledAwayOrIsSelecting)
{
    RunModel run;
    RollLogFollower follower(*view);
    run.AddView(follower);
    run.SetDice(20);
    run.SetRolls(5000);
    run.Start(77);
    run.TellStarted();
    const auto roll = [&run](int rolls) {
        for (int n = 0; n < rolls; ++n) {
            run.RollOne();
            run.TellRollMade(0);
        }
    };
    const auto atEnd = [this] { return TopLine() + LinesInView() >= view->GetNumberOfLines(); };
    struct Case {
        const char* what;
        std::function<void()> leave, back;
    };
    const Case cases[] = {
        {"a drag",
         [&] {
             Mouse(wxEVT_LEFT_DOWN, LineStart(1), true);
             Mouse(wxEVT_MOTION, LineStart(3), true);
         },
         [&] {
             Mouse(wxEVT_LEFT_UP, LineStart(3), false);
             Press(WXK_END);
         }},
        {"the wheel", [&] { Scroll(-3); }, [&] { Scroll(1000); }},
        {"Shift+Up", [&] { Press(WXK_UP, wxMOD_SHIFT); }, [&] { Scroll(1000); }},
        {"Page Up, a drag, a click", [&] { Press(WXK_PAGEUP); },
         [&] {
             Mouse(wxEVT_LEFT_DOWN, LineStart(0), true);
             Mouse(wxEVT_LEFT_UP, LineStart(0), false);
             Press(WXK_PAGEDOWN, wxMOD_NONE);
             Press(WXK_END);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        roll(100);
        ASSERT_TRUE(atEnd());
        c.leave();
        const int top = TopLine();
        const wxString selected = view->GetStringSelection();
        roll(100);
        EXPECT_EQ(TopLine(), top) << "the box pulled the reader back";
        EXPECT_EQ(view->GetStringSelection(), selected);
        Press('C', wxMOD_CONTROL);
        if (!selected.empty()) {
            EXPECT_EQ(Clipboard(), selected.utf8_string());
        }
        c.back();
        roll(100);
        EXPECT_TRUE(atEnd()) << "the box did not follow again";
    }
}
