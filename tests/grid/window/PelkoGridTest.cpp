#include "grid/window/PelkoGrid.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/filename.h>
#include <wx/frame.h>

#include <fstream>
#include <utility>
#include <vector>

namespace {

void PutOnClipboard(const wxString& text)
{
    ASSERT_TRUE(wxTheClipboard->Open());
    if (text.empty())
        wxTheClipboard->Clear();
    else
        wxTheClipboard->SetData(new wxTextDataObject(text));
    wxTheClipboard->Close();
}

wxString ClipboardText()
{
    wxTextDataObject data("<no text>");
    if (wxTheClipboard->Open()) {
        if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT))
            wxTheClipboard->GetData(data);
        wxTheClipboard->Close();
    }
    return data.GetText();
}

class PelkoGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        grid->CreateGrid(4, 3, wxGrid::wxGridSelectCells);
        grid->Bind(wxEVT_GRID_CELL_CHANGED,
                   [this](wxGridEvent& e) { changes.push_back(e.GetId()); });
        grid->PasteText("x\ty\tz\r\na\tb\tz\r\nc\td\tz\r\nu\tv\tw");
        PutOnClipboard("sentinel");
    }
    // Deliver what was posted while the fixture lives; free the windows now, not at idle time.
    void TearDown() override
    {
        wxTheApp->ProcessPendingEvents();
        delete frame;
        wxRemoveFile(file);
    }
    const wxString& File(const std::string& bytes)
    {
        std::ofstream(file.fn_str(), std::ios::binary) << bytes;
        return file;
    }
    // Rows first..last as "a,b,c|d,e,f".
    wxString Rows(int first, int last) const
    {
        wxString text;
        for (int r = first; r <= last; ++r)
            text << (r > first ? "|" : "") << grid->GetCellValue(r, 0) << ","
                 << grid->GetCellValue(r, 1) << "," << grid->GetCellValue(r, 2);
        return text;
    }
    // A key press reaches the grid through its cell window.
    bool Press(int key, bool ctrl = false, bool shift = false)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        event.SetControlDown(ctrl);
        event.SetShiftDown(shift);
        return grid->GetGridWindow()->GetEventHandler()->ProcessEvent(event);
    }

    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "grid");
    PelkoGrid* grid = new PelkoGrid(frame, 7);
    std::vector<int> changes;
    const wxString file = wxFileName::CreateTempFileName("zobrin");
    const wxString block = "a\tb\r\nc\td\r\n";
};

TEST_F(PelkoGridTest, CopyShortcutsTakeTheBlockOrTheCursorCell)
{
    grid->SelectBlock(1, 0, 2, 1);
    EXPECT_TRUE(Press('C', true));
    EXPECT_EQ(ClipboardText(), block);
    grid->SetCellValue(3, 2, "12");
    grid->ClearSelection(); // as a plain click does
    grid->SetGridCursor(3, 2);
    EXPECT_TRUE(Press(WXK_INSERT, true));
    EXPECT_EQ(ClipboardText(), "12");
    PutOnClipboard("sentinel");
    grid->SetCellValue(3, 2, "");
    EXPECT_FALSE(grid->CopySelection());
    EXPECT_EQ(ClipboardText(), "sentinel");
}

// The toolkit clears a selection with one deselection of the whole grid, and deselects a
// Ctrl+clicked cell alone; only a deselection touching the remembered block forgets it.
TEST_F(PelkoGridTest, DeselectionsForgetTheBlockTheyTouch)
{
    grid->SetGridCursor(3, 2);
    const auto copied = [this] {
        grid->CopySelection();
        return ClipboardText();
    };
    grid->SelectBlock(1, 0, 2, 1);
    grid->ClearSelection();
    EXPECT_EQ(copied(), "w");
    grid->SelectBlock(0, 2, 0, 2);
    grid->SelectBlock(1, 0, 2, 1, true);
    grid->DeselectCell(0, 2);
    EXPECT_EQ(copied(), block);
    grid->DeselectCell(2, 1);
    EXPECT_EQ(copied(), "w");
    grid->ClearSelection();
    grid->SetGridCursor(1, 0);
    Press(WXK_DOWN, false, true);
    Press(WXK_RIGHT, false, true);
    EXPECT_EQ(copied(), block);
    grid->DeleteRows(0, 2); // the block now reaches past the last row
    EXPECT_EQ(copied(), "u\tv\r\n");
}

TEST_F(PelkoGridTest, CutClearAndPasteShortcuts)
{
    grid->SetReadOnly(2, 2);
    grid->SelectBlock(1, 1, 2, 2);
    EXPECT_TRUE(Press(WXK_DELETE, false, true));
    EXPECT_EQ(ClipboardText(), "b\tz\r\nd\tz\r\n");
    EXPECT_EQ(Rows(1, 2), "a,,|c,,z");
    PutOnClipboard("1\t2\r\n3");
    EXPECT_TRUE(Press(WXK_INSERT, true, true));
    EXPECT_EQ(Rows(1, 2), "a,1,2|c,3,z");
    EXPECT_TRUE(Press(WXK_DELETE, true));
    EXPECT_EQ(ClipboardText(), "1\t2\r\n3");
    EXPECT_EQ(Rows(1, 2), "a,,|c,,z");
    EXPECT_TRUE(Press('V', true));
    EXPECT_TRUE(Press('X', true));
    EXPECT_TRUE(Press(WXK_INSERT, false, true));
    EXPECT_EQ(Rows(1, 2), "a,1,2|c,3,z");
}

TEST_F(PelkoGridTest, OtherKeysReachTheGrid)
{
    grid->SetGridCursor(0, 0);
    EXPECT_TRUE(Press(WXK_DOWN) && Press(WXK_RIGHT));
    EXPECT_EQ(grid->GetGridCursorCoords(), wxGridCellCoords(1, 1));
    EXPECT_EQ(ClipboardText(), "sentinel");
}

TEST_F(PelkoGridTest, EachPastePostsOneCellChangeEvenWithoutText)
{
    grid->PasteFromClipboard();
    EXPECT_TRUE(changes.empty()) << "posted, not sent";
    PutOnClipboard("");
    grid->PasteFromClipboard();
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(changes, (std::vector<int>{7, 7}));
    EXPECT_EQ(Rows(0, 0), "sentinel,y,z");
}

TEST_F(PelkoGridTest, ReadOnlyGridOnlyCopies)
{
    grid->EnableEditing(false);
    grid->SelectBlock(1, 0, 2, 1);
    for (const auto& [key, ctrl] :
         {std::pair<int, bool>{'V', true}, {WXK_DELETE, false}, {'X', true}})
        Press(key, ctrl);
    EXPECT_EQ(ClipboardText(), block);
    EXPECT_EQ(Rows(1, 2), "a,b,z|c,d,z");
    wxTheApp->ProcessPendingEvents();
    EXPECT_TRUE(changes.empty());
}

TEST_F(PelkoGridTest, LoadTextFileRefusesWhatCannotBeReadAndTakesOddTextSafely)
{
    EXPECT_FALSE(grid->LoadTextFile("/nonexistent/zobrin.txt"));
    EXPECT_FALSE(grid->LoadTextFile(wxFileName::GetTempDir()));
    EXPECT_FALSE(grid->LoadTextFile("/dev/zero")); // never ends: refused, not read forever
    // A pipe with no writer: refused at once, not waited for.
    const std::string pipe = (wxFileName::GetTempDir() + "/zobrin-grid-pipe").ToStdString();
    unlink(pipe.c_str());
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(grid->LoadTextFile(pipe));
    unlink(pipe.c_str());
    grid->SetGridCursor(1, 1);
    EXPECT_TRUE(grid->LoadTextFile(File("")));
    EXPECT_TRUE(grid->LoadTextFile(File(std::string("1\t2\r\n3\0\t4", 9))));
    EXPECT_EQ(Rows(0, 0) + "|" + Rows(1, 2), "x,y,z|a,1,2|c,3,z");
    const std::string longLine(1 << 20, 'q');
    EXPECT_TRUE(grid->LoadTextFile(File(longLine + "\tcaf\xE9"))); // not UTF-8
    EXPECT_EQ(grid->GetCellValue(1, 1), wxString(32767, 'q'));     // cut to the longest cell text
    EXPECT_EQ(grid->GetCellValue(1, 2), wxString::FromUTF8("caf\xC3\xA9"));
}

} // namespace
