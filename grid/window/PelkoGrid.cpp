#include "grid/window/PelkoGrid.h"

#include "common/ReadRegularFile.h"
#include "grid/text/GridText.h"
#include "grid/window/GridCellAccess.h"

#include <wx/clipbrd.h>
#include <wx/intl.h>
#include <wx/settings.h>

#include <algorithm>
#include <string>
#include <utility>

wxBEGIN_EVENT_TABLE(PelkoGrid, wxGrid)
    EVT_KEY_DOWN(PelkoGrid::OnKeyDown)
    EVT_GRID_RANGE_SELECTED(PelkoGrid::OnRangeSelect)
wxEND_EVENT_TABLE()

namespace {

// Far beyond any table.
constexpr std::size_t MAX_FILE_BYTES = 64 * 1024 * 1024;

// A file's text up to its first NUL byte: UTF-8 when it is valid, else read as Latin-1 so no
// byte is lost.
wxString TextOf(std::string bytes)
{
    bytes.resize(std::min(bytes.find('\0'), bytes.size()));
    const wxString text = wxString::FromUTF8(bytes.data(), bytes.size());
    if (text.empty() && !bytes.empty())
        return wxString(bytes.data(), wxConvISO8859_1, bytes.size());
    return text;
}

} // namespace

PelkoGrid::PelkoGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                     long style, const wxString& name)
    : wxGrid(parent, id, pos, size, style, name)
{
}

bool PelkoGrid::CopySelection()
{
    const std::string text =
        gridText::CopyText(GridCellAccess(*this), RememberedBlock(), GetGridCursorRow(),
                           GetGridCursorCol(), wxGetTranslation("\r\n").utf8_string());
    if (text.empty() || !wxTheClipboard->Open())
        return false;
    const bool placed = wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));
    wxTheClipboard->Close();
    return placed;
}

void PelkoGrid::CutSelection()
{
    if (CopySelection())
        ClearSelectedCells();
}

void PelkoGrid::ClearSelectedCells()
{
    if (!IsEditable())
        return;
    {
        wxGridUpdateLocker oneRepaint(this);
        GridCellAccess cells(*this);
        gridText::ClearCells(cells, RememberedBlock(), GetGridCursorRow(), GetGridCursorCol());
    }
    PostCellChanged();
}

void PelkoGrid::PasteFromClipboard()
{
    if (!IsEditable() || !wxTheClipboard->Open())
        return;
    wxTextDataObject data;
    if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data))
        PasteText(data.GetText());
    wxTheClipboard->Close();
    PostCellChanged();
}

void PelkoGrid::PasteText(const wxString& text)
{
    wxGridUpdateLocker oneRepaint(this);
    GridCellAccess cells(*this);
    gridText::SpreadText(cells, text.utf8_string(), RememberedBlock(), GetGridCursorRow(),
                         GetGridCursorCol());
}

bool PelkoGrid::LoadTextFile(const wxString& fileName)
{
    std::string bytes;
    if (!ReadRegularFile(std::string(fileName.mb_str(wxConvFile)), MAX_FILE_BYTES, bytes))
        return false;
    PasteText(TextOf(std::move(bytes)));
    return true;
}

void PelkoGrid::DrawCellHighlight(wxDC& dc, const wxGridCellAttr* attr)
{
    if (drawCellHighlight)
        wxGrid::DrawCellHighlight(dc, attr);
}

void PelkoGrid::OnKeyDown(wxKeyEvent& event)
{
    if (!RunShortcut(event))
        event.Skip();
}

void PelkoGrid::OnRangeSelect(wxGridRangeSelectEvent& event)
{
    TakeSelectionChange(
        {event.GetTopRow(), event.GetLeftCol(), event.GetBottomRow(), event.GetRightCol()},
        event.Selecting());
    event.Skip();
}

bool PelkoGrid::RunShortcut(const wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    const bool ctrl = event.ControlDown();
    const bool shift = event.ShiftDown();
    if ((ctrl && key == 'V') || (shift && key == WXK_INSERT))
        PasteFromClipboard();
    else if ((ctrl && key == 'C') || (ctrl && key == WXK_INSERT))
        CopySelection();
    else if ((ctrl && key == 'X') || (shift && key == WXK_DELETE))
        CutSelection();
    else if (key == WXK_DELETE)
        ClearSelectedCells();
    else
        return false;
    return true;
}

// A new block replaces the remembered one. A deselection forgets it when it touches it (the
// toolkit clears a whole selection with one deselection of every cell); a deselection of
// other cells, such as a Ctrl+click elsewhere, leaves the still-selected block remembered.
void PelkoGrid::TakeSelectionChange(const CellBlock& block, bool selecting)
{
    if (selecting)
        RememberBlock(block);
    else if (!block.IsSet() || block.Intersects(RememberedBlock()))
        RememberBlock(CellBlock());
}

CellBlock PelkoGrid::RememberedBlock() const
{
    return {selTopRow, selLeftCol, selBottomRow, selRightCol};
}

void PelkoGrid::RememberBlock(const CellBlock& block)
{
    selTopRow = block.topRow;
    selLeftCol = block.leftCol;
    selBottomRow = block.bottomRow;
    selRightCol = block.rightCol;
}

// Posted, not sent, so listeners see it after the current handler has finished.
void PelkoGrid::PostCellChanged()
{
    wxGridEvent event(GetId(), wxEVT_GRID_CELL_CHANGED, this);
    wxPostEvent(GetEventHandler(), event);
}

void PelkoGrid::CreateResultsTable(int rows, int cols)
{
    CreateGrid(rows, cols, wxGridSelectCells);
    SetUpResultsTable();
}

void PelkoGrid::CreateResultsTable(wxGridTableBase* table)
{
    SetTable(table, true, wxGridSelectCells);
    SetUpResultsTable();
}

void PelkoGrid::SetUpResultsTable()
{
    SetRowLabelSize(2);
    SetColLabelSize(20);
    EnableEditing(false);
    EnableDragRowSize(false);
    SetDefaultCellBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    SetGridLineColour(*wxBLACK);
}
