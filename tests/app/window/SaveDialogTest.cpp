#include "DiceFrameFixture.h"

#include <wx/filedlg.h>
#include <wx/menu.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

using namespace diceframetest;

extern "C" {
int gtk_widget_get_mapped(void* widget);
void gtk_dialog_response(void* dialog, int response);
}

namespace {

const int GTK_RESPONSE_CANCEL = -6;

// A user at the toolkit's file chooser: once it is on the screen, types over its name (Ctrl+A,
// then the text) and presses the keys that follow, a moment apart, as a user would: Return
// saves, Escape cancels. A chooser still open three seconds after the last key is cancelled, and
// says so, so that a test never hangs on it.
class ChooserUser : public wxModalDialogHook {
public:
    ChooserUser(std::string name, std::vector<int> keys)
        : name(std::move(name)), keys(std::move(keys))
    {
        poll.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Act(); });
        Register();
    }
    ~ChooserUser() override { Unregister(); }

    int opened = 0;
    // Whether the chooser asked before replacing a file.
    bool asksToReplace = false;
    bool leftOpen = false;

protected:
    int Enter(wxDialog* dialog) override
    {
        // The chooser's ShowModal tells the hooks, and then the dialog's own ShowModal once more.
        if (!dynamic_cast<wxFileDialog*>(dialog) || dialog == chooser)
            return wxID_NONE;
        ++opened;
        chooser = dialog;
        asksToReplace = dialog->HasFlag(wxFD_OVERWRITE_PROMPT);
        poll.Start(300);
        return wxID_NONE; // the chooser shows as usual
    }
    void Exit(wxDialog* dialog) override
    {
        if (dialog == chooser)
            poll.Stop();
    }

private:
    // The timer runs inside the chooser's own event loop.
    void Act()
    {
        if (!typed) {
            // A moment on the screen first, for the chooser to take the focus.
            if (!gtk_widget_get_mapped(chooser->GetHandle()) || !mapped++)
                return;
            sim.Char('a', wxMOD_CONTROL);
            sim.Text(name.c_str());
            typed = true;
        } else if (next < keys.size()) {
            sim.Char(keys[next++]);
        } else if (++idle == 10) {
            leftOpen = true;
            gtk_dialog_response(chooser->GetHandle(), GTK_RESPONSE_CANCEL);
        }
    }

    std::string name;
    std::vector<int> keys;
    wxDialog* chooser = nullptr;
    int mapped = 0;
    bool typed = false;
    std::size_t next = 0;
    int idle = 0;
    wxTimer poll;
    wxUIActionSimulator sim;
};

// Answers the box that says a save failed, and keeps what it said.
class ExpectFailure : public wxExpectModal<wxMessageDialog> {
public:
    explicit ExpectFailure(wxString& said) : wxExpectModal(wxID_OK), said(said) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        said = dialog->GetTitle() + ": " + dialog->GetMessage();
        return wxID_OK;
    }

private:
    wxString& said;
};

class SaveDialogTest : public DiceFrameTest {
protected:
    void SetUp() override
    {
        DiceFrameTest::SetUp();
        std::string pattern = std::filesystem::temp_directory_path() / "zobrin-dialog-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
    }
    void TearDown() override
    {
        std::filesystem::remove_all(folder);
        DiceFrameTest::TearDown();
    }

    bool SaveEnabled() const { return frame->GetMenuBar()->IsEnabled(wxID_SAVE); }
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.insert(entry.path().filename());
        return names;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // What `zobrin --save` writes for the run the window made.
    std::string SavedWithoutWindow(int dice, int rolls, const std::string& name) const
    {
        const std::string path = folder + "headless-" + name;
        const std::string save = " " + std::to_string(dice) + " " + std::to_string(rolls) +
                                 " --seed " + std::to_string(SEED) + " --save " + path;
        EXPECT_EQ(std::system(("env -u DISPLAY " ZOBRIN_PROGRAM + save).c_str()), 0) << save;
        const std::string text = Read(path);
        std::filesystem::remove(path);
        return text;
    }

    std::string folder;
};

} // namespace

// Save waits for a run's results: greyed out before the first run and during each run.
TEST_F(SaveDialogTest, SaveIsGreyedOutUntilARunIsOver)
{
    EXPECT_FALSE(SaveEnabled());
    bool duringRun = true;
    AtFirstYield([&] { duringRun = SaveEnabled(); });
    RunWith(2, 5000, true);
    EXPECT_FALSE(duringRun);
    EXPECT_TRUE(SaveEnabled());
}

// Ctrl+S, typed through the display server, opens the file chooser; a name typed there without
// an extension takes the filter's, .csv at first, and the file holds what --save writes.
// Escape leaves the chooser without saving.
TEST_F(SaveDialogTest, CtrlSSavesWhatTheCommandLineSavesAndEscapeCancels)
{
    RunWith(3, 2000, false);
    ASSERT_TRUE(ReadyForInput());
    ASSERT_TRUE(user.Click(Probe().RollsText()));
    {
        ChooserUser chooser(folder + "sheet", {WXK_RETURN});
        user.Key('s' | SimulatedUser::CTRL);
        ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(folder + "sheet.csv"); }, 10))
            << "opened " << chooser.opened << " times, left open: " << chooser.leftOpen;
    }
    EXPECT_EQ(Read(folder + "sheet.csv"), SavedWithoutWindow(3, 2000, "sheet.csv"));
    {
        // The first Escape may only close the list of names that complete the one typed.
        ChooserUser chooser(folder + "cancelled.csv", {WXK_ESCAPE, WXK_ESCAPE});
        user.Key('s' | SimulatedUser::CTRL);
        ASSERT_TRUE(WaitFor([&] { return chooser.opened == 1; }, 10));
        LetEventsThrough(1.5);
        EXPECT_FALSE(chooser.leftOpen) << "Escape did not close the chooser";
    }
    EXPECT_EQ(Names(), std::set<std::string>{"sheet.csv"});
}

// The extension chooses the kind whatever the filter. The chooser asks before replacing a file
// it names; the window asks itself when it added the extension.
TEST_F(SaveDialogTest, TheExtensionChoosesAndReplacingAsksFirst)
{
    RunWith(2, 300, false);
    ASSERT_TRUE(ReadyForInput());
    ASSERT_TRUE(user.Click(Probe().RollsText()));
    {
        ChooserUser chooser(folder + "run.json", {WXK_RETURN});
        user.Key('s' | SimulatedUser::CTRL);
        ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(folder + "run.json"); }, 10));
        EXPECT_TRUE(chooser.asksToReplace);
    }
    EXPECT_EQ(Read(folder + "run.json"), SavedWithoutWindow(2, 300, "run.json"));

    std::ofstream(folder + "table.csv") << "old";
    for (const int answer : {wxNO, wxYES}) {
        wxTEST_DIALOG(Probe().Saving().SaveAs(folder + "table", RunFileKind::CSV),
                      wxExpectModal<wxMessageDialog>(answer));
        EXPECT_EQ(Read(folder + "table.csv"),
                  answer == wxNO ? "old" : SavedWithoutWindow(2, 300, "table.csv"));
    }
}

// A save that fails says where and why, leaves nothing behind and the results as they were.
TEST_F(SaveDialogTest, AFailedSaveSaysWhyAndLeavesNothing)
{
    RunWith(2, 300, false);
    std::filesystem::create_symlink("/dev/full", folder + "full.csv");
    const std::vector<int> counts = Probe().Counts();
    const wxString cell = Probe().Grid().GetCellValue(3, 1);
    for (const std::string& path : {folder + "full.csv", folder + "gone/sheet.csv"}) {
        wxString said;
        wxTEST_DIALOG(Probe().Saving().SaveAs(path, RunFileKind::JSON), ExpectFailure(said));
        EXPECT_TRUE(said.StartsWith("Save Run: Could not save \"" + path + "\": "))
            << said.utf8_string();
        EXPECT_EQ(Names(), std::set<std::string>{"full.csv"});
    }
    EXPECT_EQ(Probe().Counts(), counts);
    EXPECT_EQ(Probe().Grid().GetCellValue(3, 1), cell);
    EXPECT_TRUE(SaveEnabled());
}
