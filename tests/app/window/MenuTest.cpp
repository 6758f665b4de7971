#include "DiceFrameFixture.h"
#include "GtkDialogUser.h"

#include "app/Version.h"
#include "app/window/WindowZoom.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/menu.h>

using namespace diceframetest;

// Declared here so the tests do not need GTK's development headers.
extern "C" {
const char* gtk_about_dialog_get_version(void* about);
const char* gtk_about_dialog_get_comments(void* about);
const char* gtk_about_dialog_get_copyright(void* about);
const char* gtk_about_dialog_get_license(void* about);
void gtk_dialog_response(void* dialog, int response);
}

namespace {

const int GTK_RESPONSE_DELETE_EVENT = -4;

class MenuTest : public DiceFrameTest {
protected:
    void Choose(int id)
    {
        wxCommandEvent choice(wxEVT_MENU, id);
        frame->GetEventHandler()->ProcessEvent(choice);
    }
    bool Enabled(int id) const
    {
        wxUpdateUIEvent update(id);
        frame->GetEventHandler()->ProcessEvent(update);
        return update.GetSetEnabled() ? update.GetEnabled() : frame->GetMenuBar()->IsEnabled(id);
    }
    static wxString ClipboardText()
    {
        wxTextDataObject text;
        wxClipboardLocker locker;
        return wxTheClipboard->GetData(text) ? text.GetText() : "";
    }
};

} // namespace

// The menu bar sits above the layout: at the smallest window the layout has all the room it
// had without it.
TEST_F(MenuTest, TheMenuBarAddsItsHeightAndTakesNothingFromTheLayout)
{
    ASSERT_TRUE(ReadyForInput());
    frame->SetSize(frame->GetMinSize());
    LetEventsThrough(0.2);
    EXPECT_EQ(frame->GetClientSize(), wxSize(675, 405));
    EXPECT_EQ(frame->GetMinSize().y, 405 + frame->GetMenuBar()->GetSize().y);
}

// Ctrl+Q, typed through the display server, closes the window as its close button does, in
// the middle of a run too.
TEST_F(MenuTest, CtrlQQuitsDuringARun)
{
    ASSERT_TRUE(ReadyForInput());
    ASSERT_TRUE(user.Click(Probe().RollsText()));
    Probe().SelectSpeed(0); // a roll a second: the run is still going when the key arrives
    AtFirstYield([this] { user.Key('q' | SimulatedUser::CTRL); });
    RunWith(2, 100, true);
    EXPECT_TRUE(alive) << "the window outlives the run's handler";
    EXPECT_FALSE(frame->IsShown());
    EXPECT_LT(std::accumulate(Probe().Counts().begin(), Probe().Counts().end(), 0L), 100);
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(alive) << "Ctrl+Q closed the window";
}

// The View menu opened from the keyboard (Alt+V, then the item's letter) zooms as its keys do.
TEST_F(MenuTest, TheViewMenuZoomsTheWindow)
{
    ASSERT_TRUE(ReadyForInput());
    ASSERT_TRUE(user.Click(Probe().RollsText()));
    wxUIActionSimulator keys;
    const std::pair<char, int> steps[] = {{'i', 125}, {'i', 150}, {'o', 125}, {'n', 100}};
    for (const auto& [letter, percent] : steps) {
        keys.Char('v', wxMOD_ALT);
        LetEventsThrough(0.3);
        keys.Char(letter);
        EXPECT_TRUE(WaitFor([&] { return frame->Zoom().Percent() == percent; }, 3))
            << "after " << letter << ": " << frame->Zoom().Percent() << "%";
    }
}

// Edit > Copy copies what Ctrl+C copies where the focus is, and is greyed out where nothing
// copies.
TEST_F(MenuTest, CopyCopiesFromTheFocusedControl)
{
    RunWith(2, 30, false);
    ASSERT_TRUE(ReadyForInput());
    PelkoGrid& grid = Probe().Grid();
    grid.GetGridWindow()->SetFocus();
    grid.SelectBlock(0, 0, 1, 1);
    ASSERT_TRUE(Enabled(wxID_COPY));
    Choose(wxID_COPY);
    EXPECT_EQ(ClipboardText(), grid.GetCellValue(0, 0) + "\t" + grid.GetCellValue(0, 1) + "\r\n" +
                                   grid.GetCellValue(1, 0) + "\t" + grid.GetCellValue(1, 1) +
                                   "\r\n");

    Probe().RollsText().SetFocus();
    Probe().RollsText().SetSelection(0, 2);
    Choose(wxID_COPY);
    EXPECT_EQ(ClipboardText(), "30");

    Probe().StartButton().SetFocus();
    LetEventsThrough(0.1);
    EXPECT_FALSE(Enabled(wxID_COPY));
}

// Help > About shows the version, the licence and what the program does.
TEST_F(MenuTest, AboutShowsVersionLicenceAndDescription)
{
    Choose(wxID_ABOUT);
    void* about = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] { return (about = GtkDialogUser::ShownWindow("About Zobrin")) != nullptr; }, 5));
    EXPECT_STREQ(gtk_about_dialog_get_version(about), ZOBRIN_VERSION);
    EXPECT_STREQ(gtk_about_dialog_get_comments(about),
                 "Roll dice and watch how often each sum comes up.");
    EXPECT_NE(std::string(gtk_about_dialog_get_copyright(about)).find("GPL-3.0-or-later"),
              std::string::npos);
    EXPECT_NE(std::string(gtk_about_dialog_get_license(about))
                  .find("either version 3 of the License, or (at your option) any later version"),
              std::string::npos);
    gtk_dialog_response(about, GTK_RESPONSE_DELETE_EVENT);
    EXPECT_TRUE(WaitFor([] { return !GtkDialogUser::ShownWindow("About Zobrin"); }, 5));
}
