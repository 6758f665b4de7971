#include "grid/PelkoGrid.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/frame.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

const wxString noText = "<no text>";

void PutOnClipboard(const wxString& text)
{
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(text));
    wxTheClipboard->Close();
}

void EmptyClipboard()
{
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->Clear();
    wxTheClipboard->Close();
}

wxString ClipboardText()
{
    wxString text = noText;
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data))
            text = data.GetText();
        wxTheClipboard->Close();
    }
    return text;
}

// Removes its file when the test ends.
struct TempFile {
    explicit TempFile(const std::string& bytes) : name(wxFileName::CreateTempFileName("zobrin"))
    {
        std::ofstream(name.fn_str(), std::ios::binary) << bytes;
    }
    ~TempFile() { wxRemoveFile(name); }
    wxString name;
};

// Exposes the highlight drawing so a test can paint it into a bitmap.
class HighlightProbe : public PelkoGrid {
public:
    using PelkoGrid::PelkoGrid;
    using PelkoGrid::DrawCellHighlight;
    using PelkoGrid::GetCellAttr;
};

class PelkoGridTest : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "grid");
        grid = new HighlightProbe(frame, 7);
        grid->CreateGrid(4, 3, wxGrid::wxGridSelectCells);
        grid->Bind(wxEVT_GRID_CELL_CHANGED, [this](wxGridEvent& event) {
            changes.push_back(event.GetId());
            EXPECT_EQ(event.GetEventObject(), grid);
        });
        Fill({{"x", "y", "z"}, {"a", "b", "z"}, {"c", "d", "z"}, {"u", "v", "w"}});
        PutOnClipboard("sentinel");
    }
    // Deliver what the test posted while the fixture still lives, then free the windows at once
    // rather than at an idle time that never comes.
    void TearDown() override
    {
        wxTheApp->ProcessPendingEvents();
        delete frame;
    }

    void Fill(const std::vector<std::vector<wxString>>& rows)
    {
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                grid->SetCellValue(r, c, rows[r][c]);
    }
    std::vector<wxString> Row(int row) const
    {
        return {grid->GetCellValue(row, 0), grid->GetCellValue(row, 1), grid->GetCellValue(row, 2)};
    }
    // Sends a key-down the way a key press reaches the grid: through its cell window.
    bool Press(int key, bool ctrl = false, bool shift = false)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        event.SetControlDown(ctrl);
        event.SetShiftDown(shift);
        event.SetEventObject(grid->GetGridWindow());
        return grid->GetGridWindow()->GetEventHandler()->ProcessEvent(event);
    }
    // Delivers posted events and returns how many cell changes arrived.
    size_t PostedChanges()
    {
        wxTheApp->ProcessPendingEvents();
        return changes.size();
    }

    wxFrame* frame = nullptr;
    HighlightProbe* grid = nullptr;
    std::vector<int> changes;
    const wxString blockText = "a\tb\r\nc\td\r\n";
};

// Copying ----------------------------------------------------------------------------------

TEST_F(PelkoGridTest, CtrlCAndCtrlInsertCopyTheSelectedBlock)
{
    grid->SelectBlock(1, 0, 2, 1);
    EXPECT_TRUE(Press('C', true));
    EXPECT_EQ(ClipboardText(), blockText);
    PutOnClipboard("sentinel");
    EXPECT_TRUE(Press(WXK_INSERT, true));
    EXPECT_EQ(ClipboardText(), blockText);
}

TEST_F(PelkoGridTest, WithoutBlockCopiesTheCursorCellExactly)
{
    grid->SetCellValue(3, 2, "12");
    grid->SetGridCursor(3, 2);
    Press('C', true);
    EXPECT_EQ(ClipboardText(), "12");
}

TEST_F(PelkoGridTest, EmptyCursorCellLeavesTheClipboardAlone)
{
    grid->SetCellValue(0, 0, "");
    grid->SetGridCursor(0, 0);
    EXPECT_FALSE(grid->CopySelection());
    EXPECT_EQ(ClipboardText(), "sentinel");
}

TEST_F(PelkoGridTest, ClearedSelectionMakesTheCopyUseTheCursorCell)
{
    grid->SetGridCursor(3, 2);
    grid->SelectBlock(1, 0, 2, 1);
    grid->ClearSelection(); // the toolkit reports one deselection of every cell
    grid->CopySelection();
    EXPECT_EQ(ClipboardText(), "w");

    grid->SelectBlock(1, 0, 2, 1);
    wxGridRangeSelectEvent deselect(grid->GetId(), wxEVT_GRID_RANGE_SELECTED, grid,
                                    wxGridCellCoords(1, 0), wxGridCellCoords(1, 0), false);
    grid->GetEventHandler()->ProcessEvent(deselect);
    grid->CopySelection();
    EXPECT_EQ(ClipboardText(), "w");
}

TEST_F(PelkoGridTest, DeselectingOtherCellsKeepsTheLatestBlock)
{
    grid->SetGridCursor(3, 2);
    grid->SelectBlock(0, 2, 0, 2);
    grid->SelectBlock(1, 0, 2, 1, true);
    grid->DeselectCell(0, 2);
    grid->CopySelection();
    EXPECT_EQ(ClipboardText(), blockText);
    grid->DeselectCell(2, 1);
    grid->CopySelection();
    EXPECT_EQ(ClipboardText(), "w");
}

TEST_F(PelkoGridTest, BlockGrownWithShiftArrowsIsRemembered)
{
    grid->SetGridCursor(1, 0);
    Press(WXK_DOWN, false, true);
    Press(WXK_RIGHT, false, true);
    grid->CopySelection();
    EXPECT_EQ(ClipboardText(), blockText);
}

TEST_F(PelkoGridTest, BlockOutlivingDeletedRowsCopiesWhatIsLeft)
{
    grid->SelectBlock(2, 0, 3, 1);
    grid->DeleteRows(0, 1);
    grid->CopySelection();
    EXPECT_EQ(ClipboardText(), "u\tv\r\n");
    PutOnClipboard("sentinel");
    grid->DeleteRows(0, 2);
    EXPECT_FALSE(grid->CopySelection());
    EXPECT_EQ(ClipboardText(), "sentinel");
}

// Cutting, clearing, pasting ---------------------------------------------------------------

TEST_F(PelkoGridTest, ShiftDeleteAndCtrlXCutTheBlock)
{
    for (const bool viaDelete : {true, false}) {
        Fill({{"x", "y", "z"}, {"a", "b", "z"}, {"c", "d", "z"}});
        PutOnClipboard("sentinel");
        grid->SelectBlock(1, 0, 2, 1);
        EXPECT_TRUE(viaDelete ? Press(WXK_DELETE, false, true) : Press('X', true));
        EXPECT_EQ(ClipboardText(), blockText);
        EXPECT_EQ(Row(1), (std::vector<wxString>{"", "", "z"}));
        EXPECT_EQ(Row(2), (std::vector<wxString>{"", "", "z"}));
    }
}

TEST_F(PelkoGridTest, DeleteWithOrWithoutCtrlClearsWithoutCopying)
{
    grid->SelectBlock(1, 1, 2, 2);
    grid->SetReadOnly(2, 2);
    EXPECT_TRUE(Press(WXK_DELETE, true));
    EXPECT_EQ(ClipboardText(), "sentinel");
    EXPECT_EQ(Row(1), (std::vector<wxString>{"a", "", ""}));
    EXPECT_EQ(Row(2), (std::vector<wxString>{"c", "", "z"}));
    EXPECT_EQ(PostedChanges(), 1u);

    grid->ClearSelection();
    grid->SetGridCursor(0, 0);
    EXPECT_TRUE(Press(WXK_DELETE));
    EXPECT_EQ(grid->GetCellValue(0, 0), "");
    EXPECT_EQ(grid->GetCellValue(0, 1), "y");
}

TEST_F(PelkoGridTest, PasteShortcutsSpreadTheClipboardFromTheBlock)
{
    const std::vector<std::pair<int, bool>> pastes = {{'V', false}, {WXK_INSERT, false},
                                                      {WXK_INSERT, true}};
    for (const auto& [key, ctrlShift] : pastes) {
        Fill({{"x", "y", "z"}, {"a", "b", "z"}});
        PutOnClipboard("1\t2\r\n3");
        grid->SelectBlock(0, 1, 0, 1);
        EXPECT_TRUE(key == 'V' ? Press(key, true) : Press(key, ctrlShift, true));
        EXPECT_EQ(Row(0), (std::vector<wxString>{"x", "1", "2"}));
        EXPECT_EQ(Row(1), (std::vector<wxString>{"a", "3", "z"}));
    }
}

TEST_F(PelkoGridTest, OtherKeysReachTheGrid)
{
    grid->SetGridCursor(0, 0);
    EXPECT_TRUE(Press(WXK_DOWN));
    EXPECT_TRUE(Press(WXK_RIGHT));
    EXPECT_EQ(grid->GetGridCursorCoords(), wxGridCellCoords(1, 1));
    EXPECT_EQ(ClipboardText(), "sentinel");
}

TEST_F(PelkoGridTest, EachPastePostsExactlyOneCellChangeWithTheGridsIdentity)
{
    PutOnClipboard("1\t2\r\n3\t4");
    grid->PasteFromClipboard();
    EXPECT_TRUE(changes.empty()) << "the change must be posted, not sent";
    EXPECT_EQ(PostedChanges(), 1u);

    EmptyClipboard();
    grid->PasteFromClipboard();
    EXPECT_EQ(PostedChanges(), 2u);
    EXPECT_EQ(changes, (std::vector<int>{7, 7}));
    EXPECT_EQ(Row(1), (std::vector<wxString>{"3", "4", "z"}));
}

TEST_F(PelkoGridTest, ReadOnlyGridOnlyCopies)
{
    grid->EnableEditing(false);
    grid->SelectBlock(1, 0, 2, 1);
    PutOnClipboard("1");
    Press('V', true);
    Press(WXK_DELETE);
    EXPECT_EQ(Row(1), (std::vector<wxString>{"a", "b", "z"}));
    Press('X', true);
    EXPECT_EQ(ClipboardText(), blockText);
    EXPECT_EQ(Row(1), (std::vector<wxString>{"a", "b", "z"}));
    EXPECT_EQ(PostedChanges(), 0u);
}

// Loading a text file ----------------------------------------------------------------------

TEST_F(PelkoGridTest, LoadTextFilePastesAtTheCursor)
{
    const TempFile file("1\t2\r\n3\t4\r\n");
    grid->SetGridCursor(2, 1);
    EXPECT_TRUE(grid->LoadTextFile(file.name));
    EXPECT_EQ(Row(2), (std::vector<wxString>{"c", "1", "2"}));
    EXPECT_EQ(Row(3), (std::vector<wxString>{"u", "3", "4"}));
}

TEST_F(PelkoGridTest, LoadTextFileRefusesWhatCannotBeReadWhole)
{
    EXPECT_FALSE(grid->LoadTextFile("/nonexistent/zobrin-grid.txt"));
    EXPECT_FALSE(grid->LoadTextFile(wxFileName::GetTempDir()));
    EXPECT_FALSE(grid->LoadTextFile("/dev/zero")); // never ends: refused, not read forever
    EXPECT_EQ(Row(0), (std::vector<wxString>{"x", "y", "z"}));
}

TEST_F(PelkoGridTest, LoadTextFileTakesOddContentSafely)
{
    grid->SetGridCursor(0, 0);
    EXPECT_TRUE(grid->LoadTextFile(TempFile("").name));
    EXPECT_EQ(Row(0), (std::vector<wxString>{"x", "y", "z"}));

    EXPECT_TRUE(grid->LoadTextFile(TempFile(std::string("1\t2\0\t3", 6)).name));
    EXPECT_EQ(Row(0), (std::vector<wxString>{"1", "2", "z"}));

    const std::string longLine(1 << 20, 'q');
    EXPECT_TRUE(grid->LoadTextFile(TempFile(longLine + "\t5").name));
    EXPECT_EQ(grid->GetCellValue(0, 0).length(), longLine.size());
    EXPECT_EQ(grid->GetCellValue(0, 1), "5");

    EXPECT_TRUE(grid->LoadTextFile(TempFile("caf\xE9").name)); // not UTF-8: Latin-1
    EXPECT_EQ(grid->GetCellValue(0, 0), wxString::FromUTF8("caf\xC3\xA9"));
}

// Cursor highlight -------------------------------------------------------------------------

int HighlightInk(HighlightProbe& grid)
{
    wxBitmap bitmap(400, 200, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        wxGridCellAttr* attr = grid.GetCellAttr(grid.GetGridCursorRow(), grid.GetGridCursorCol());
        grid.DrawCellHighlight(dc, attr);
        attr->DecRef();
    }
    const wxImage image = bitmap.ConvertToImage();
    int inked = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            inked += image.GetRed(x, y) != 255 || image.GetGreen(x, y) != 255
                  || image.GetBlue(x, y) != 255;
    return inked;
}

TEST_F(PelkoGridTest, HighlightFrameIsDrawnOnlyWhileSwitchedOn)
{
    // The toolkit frames the cursor cell only while the grid has the focus.
    frame->Show();
    grid->SetFocus();
    wxYield();
    grid->SetGridCursor(1, 1);
    EXPECT_GT(HighlightInk(*grid), 0);
    grid->drawCellHighlight = false;
    EXPECT_EQ(HighlightInk(*grid), 0);
}

} // namespace
