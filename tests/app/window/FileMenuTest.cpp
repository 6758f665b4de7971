#include "DiceFrameFixture.h"
#include "GtkDialogUser.h"

#include <wx/gtk/print.h>
#include <wx/menu.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

using namespace diceframetest;

extern "C" void gtk_print_settings_set(GtkPrintSettings* settings, const char* key,
                                       const char* value);

namespace {

// A fresh folder for the window's files.
class FileMenuTest : public DiceFrameTest {
protected:
    void SetUp() override
    {
        DiceFrameTest::SetUp();
        std::string pattern = std::filesystem::temp_directory_path() / "zobrin-menu-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
    }
    void TearDown() override
    {
        std::filesystem::remove_all(folder);
        DiceFrameTest::TearDown();
    }
    // Ctrl+key, typed through the display server, for a dialog that `user` answers.
    void Press(char key, const GtkDialogUser& answers)
    {
        user.Key(key | SimulatedUser::CTRL);
        EXPECT_TRUE(WaitFor([&] { return answers.Answered(); }, 15));
    }
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.insert(entry.path().filename());
        return names;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(folder + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::string folder;
};

} // namespace

// Save and Print wait for a run's end. Ctrl+S opens the file chooser, where a name typed without
// an extension takes the filter's, .csv at first, and another extension chooses its kind, which
// holds what --save writes. Ctrl+P opens the print dialog, which prints the report (here to a
// PDF file, as the dialog offers), or prints nothing when cancelled.
TEST_F(FileMenuTest, CtrlSSavesAndCtrlPPrints)
{
    EXPECT_FALSE(frame->GetMenuBar()->IsEnabled(wxID_SAVE));
    bool duringRun = true;
    AtFirstYield([&] { duringRun = frame->GetMenuBar()->IsEnabled(wxID_PRINT); });
    RunWith(3, 2000, true);
    EXPECT_FALSE(duringRun);
    ASSERT_TRUE(ReadyForInput() && user.Click(Probe().RollsText()));
    for (const std::string name : {"sheet", "run.json"})
        Press('s', GtkDialogUser("Save Run", folder + name, {WXK_RETURN}));
    const std::string command = "env -u DISPLAY " ZOBRIN_PROGRAM " 3 2000 --seed " +
                                std::to_string(SEED) + " --save " + folder + "cli.json";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Read("run.json"), Read("cli.json"));

    wxPrintData& choices = Probe().Printing().Choices().GetPrintData();
    choices.SetPrinterName("Print to File");
    GtkPrintSettings* settings =
        static_cast<wxGtkPrintNativeData*>(choices.GetNativeData())->GetPrintConfig();
    gtk_print_settings_set(settings, "output-uri", ("file://" + folder + "printed.pdf").c_str());
    gtk_print_settings_set(settings, "output-file-format", "pdf");
    Press('p', GtkDialogUser("Print", "", {WXK_ESCAPE}));
    EXPECT_EQ(Names(), (std::set<std::string>{"sheet.csv", "run.json", "cli.json"}));
    Press('p', GtkDialogUser("Print", "", {WXK_RETURN}));
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(folder + "printed.pdf"); }, 10));
    ASSERT_EQ(std::system(("pdftotext " + folder + "printed.pdf").c_str()), 0);
    EXPECT_NE(
        Read("printed.txt").find("3 six-sided dice, 2000 rolls, seed " + std::to_string(SEED)),
        std::string::npos);
}

// A name that took the filter's extension is asked about here, as the chooser asked only about
// the name typed. A save that fails shows a message, and leaves nothing behind and the results
// as they were.
TEST_F(FileMenuTest, ReplacingAsksAndAFailedSaveLeavesNothing)
{
    RunWith(2, 300, false);
    std::ofstream(folder + "table.csv") << "old";
    for (const int answer : {wxNO, wxYES}) {
        wxTEST_DIALOG(Probe().Saving().SaveAs(folder + "table", RunFileKind::CSV),
                      wxExpectModal<wxMessageDialog>(answer));
        EXPECT_EQ(Read("table.csv") == "old", answer == wxNO);
    }
    std::filesystem::create_symlink("/dev/full", folder + "full.csv");
    const wxString cell = Probe().Grid().GetCellValue(3, 1);
    for (const std::string& path : {folder + "full.csv", folder + "gone/sheet.pdf"}) {
        wxTEST_DIALOG(EXPECT_FALSE(Probe().Saving().SaveAs(path, RunFileKind::JSON)),
                      wxExpectModal<wxMessageDialog>(wxOK).Describe(path));
        EXPECT_EQ(Names(), (std::set<std::string>{"full.csv", "table.csv"}));
    }
    EXPECT_EQ(Probe().Grid().GetCellValue(3, 1), cell);
}
