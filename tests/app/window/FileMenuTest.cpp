#include "DiceFrameFixture.h"
#include "GtkDialogUser.h"

#include <wx/gtk/print.h>
#include <wx/menu.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

using namespace diceframetest;

extern "C" {
int gtk_file_chooser_get_do_overwrite_confirmation(void* chooser);
void gtk_print_settings_set(GtkPrintSettings* settings, const char* key, const char* value);
}

namespace {

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

// A run made, the window ready for keys and a fresh folder for its files.
class FileMenuTest : public DiceFrameTest {
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
    void RunAndFocus(int dice, int rolls)
    {
        RunWith(dice, rolls, false);
        ASSERT_TRUE(ReadyForInput());
        ASSERT_TRUE(user.Click(Probe().RollsText()));
    }
    // Presses a shortcut through the display server for a dialog of GTK's, which `answer` answers.
    void Press(char key, const GtkDialogUser& answer)
    {
        user.Key(key | SimulatedUser::CTRL);
        EXPECT_TRUE(WaitFor(
            [&] {
                return answer.Seen() && !GtkDialogUser::ShownWindow("Print") &&
                       !GtkDialogUser::ShownWindow("Save Run");
            },
            15));
        EXPECT_FALSE(answer.LeftOpen()) << "the keys did not close the dialog";
    }
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

// Save and Print wait for a run's results: greyed out before the first run and during each run.
TEST_F(FileMenuTest, SaveAndPrintAreGreyedOutUntilARunIsOver)
{
    wxMenuBar& menu = *frame->GetMenuBar();
    EXPECT_FALSE(menu.IsEnabled(wxID_SAVE) || menu.IsEnabled(wxID_PRINT));
    bool duringRun = true;
    AtFirstYield([&] { duringRun = menu.IsEnabled(wxID_SAVE) || menu.IsEnabled(wxID_PRINT); });
    RunWith(2, 5000, true);
    EXPECT_FALSE(duringRun);
    EXPECT_TRUE(menu.IsEnabled(wxID_SAVE) && menu.IsEnabled(wxID_PRINT));
}

// Ctrl+S opens the file chooser, which asks before replacing a file; a name typed there without
// an extension takes the filter's, .csv at first, another's extension chooses its kind, and the
// file holds what --save writes. Escape leaves the chooser without saving (the first Escape may
// only close the list of names that complete the one typed).
TEST_F(FileMenuTest, CtrlSSavesWhatTheCommandLineSavesAndEscapeCancels)
{
    RunAndFocus(3, 2000);
    for (const std::string name : {"sheet", "run.json"}) {
        GtkDialogUser chooser("Save Run", folder + name, {WXK_RETURN});
        bool asksToReplace = false;
        chooser.seen = [&](void* dialog) {
            asksToReplace = gtk_file_chooser_get_do_overwrite_confirmation(dialog);
        };
        Press('s', chooser);
        EXPECT_TRUE(asksToReplace);
    }
    EXPECT_EQ(Read(folder + "sheet.csv"), SavedWithoutWindow(3, 2000, "sheet.csv"));
    EXPECT_EQ(Read(folder + "run.json"), SavedWithoutWindow(3, 2000, "run.json"));
    Press('s', GtkDialogUser("Save Run", folder + "cancelled.csv", {WXK_ESCAPE, WXK_ESCAPE}));
    EXPECT_EQ(Names(), (std::set<std::string>{"sheet.csv", "run.json"}));
}

// A name that took the filter's extension is asked about here, as the chooser asked only about
// the name typed.
TEST_F(FileMenuTest, ReplacingAFileWhoseExtensionWasAddedAsksFirst)
{
    RunWith(2, 300, false);
    std::ofstream(folder + "table.csv") << "old";
    for (const int answer : {wxNO, wxYES}) {
        wxTEST_DIALOG(Probe().Saving().SaveAs(folder + "table", RunFileKind::CSV),
                      wxExpectModal<wxMessageDialog>(answer));
        EXPECT_EQ(Read(folder + "table.csv"),
                  answer == wxNO ? "old" : SavedWithoutWindow(2, 300, "table.csv"));
    }
}

// A save that fails says where and why, leaves nothing behind and the results as they were.
TEST_F(FileMenuTest, AFailedSaveSaysWhyAndLeavesNothing)
{
    RunWith(2, 300, false);
    std::filesystem::create_symlink("/dev/full", folder + "full.csv");
    const std::vector<int> counts = Probe().Counts();
    const wxString cell = Probe().Grid().GetCellValue(3, 1);
    for (const std::string& path : {folder + "full.csv", folder + "gone/sheet.pdf"}) {
        wxString said;
        wxTEST_DIALOG(Probe().Saving().SaveAs(path, RunFileKind::JSON), ExpectFailure(said));
        EXPECT_TRUE(said.StartsWith("Save Run: Could not save \"" + path + "\": "))
            << said.utf8_string();
        EXPECT_EQ(Names(), std::set<std::string>{"full.csv"});
    }
    EXPECT_EQ(Probe().Counts(), counts);
    EXPECT_EQ(Probe().Grid().GetCellValue(3, 1), cell);
}

// Ctrl+P opens the print dialog, which prints the report (here to a PDF file, as the dialog
// offers), or prints nothing when cancelled.
TEST_F(FileMenuTest, CtrlPPrintsTheReportAndEscapeCancels)
{
    RunAndFocus(2, 3000);
    wxPrintData& choices = Probe().Printing().Choices().GetPrintData();
    choices.SetPrinterName("Print to File");
    GtkPrintSettings* settings =
        static_cast<wxGtkPrintNativeData*>(choices.GetNativeData())->GetPrintConfig();
    gtk_print_settings_set(settings, "output-uri", ("file://" + folder + "printed.pdf").c_str());
    gtk_print_settings_set(settings, "output-file-format", "pdf");

    Press('p', GtkDialogUser("Print", "", {WXK_ESCAPE}));
    EXPECT_TRUE(Names().empty());
    Press('p', GtkDialogUser("Print", "", {WXK_RETURN}));
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(folder + "printed.pdf"); }, 10));
    const std::string text = folder + "printed.txt";
    ASSERT_EQ(std::system(("pdftotext " + folder + "printed.pdf " + text).c_str()), 0);
    EXPECT_NE(Read(text).find("2 six-sided dice, 3000 rolls, seed " + std::to_string(SEED)),
              std::string::npos);
}
