#pragma once

#include "grid/text/CellBlock.h"

#include <wx/grid.h>

// The toolkit's grid with clipboard shortcuts on the block the user selected last, text
// pasting from a string or a file, and a cursor highlight that can be switched off.
//
// Shortcuts, first match wins: Ctrl+V paste, Ctrl+C copy, Ctrl+X cut, Shift+Insert paste,
// Ctrl+Insert copy, Shift+Delete cut, Delete or Ctrl+Delete clear. Other keys go to the grid.
class PelkoGrid : public wxGrid {
public:
    // A results table: cells selected as blocks, no editing, no row resizing, row labels in
    // effect hidden, button-face cells under black grid lines.
    void CreateResultsTable(int rows, int cols);
    // The same over `table`, which the grid takes over.
    void CreateResultsTable(wxGridTableBase* table);

    PelkoGrid(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
              const wxSize& size = wxDefaultSize, long style = wxWANTS_CHARS,
              const wxString& name = wxASCII_STR(wxPanelNameStr));

    // Puts the block (rows joined by tabs, each row ended by a line end) or, with no block, the
    // cursor cell on the clipboard as text. Returns whether text was put there; an empty text
    // is not.
    bool CopySelection();
    // Copies, and clears the cells only when the copy succeeded.
    void CutSelection();
    // Empties the writable cells of the block (or the cursor cell) of an editable grid and
    // posts one cell-change event.
    void ClearSelectedCells();
    // Pastes the clipboard's text into an editable grid and posts one cell-change event.
    void PasteFromClipboard();
    // Spreads tab- and line-separated text over the cells from the block's top-left or the
    // cursor; text beyond the edges, empty fields and read-only cells leave cells unchanged.
    void PasteText(const wxString& text);
    // Pastes a file's text. False when it cannot be read whole (missing, a folder, a read
    // error, or larger than anything a grid could sensibly take). The text ends at a NUL byte.
    bool LoadTextFile(const wxString& fileName);

    // Whether the cursor cell gets its highlight frame.
    bool drawCellHighlight = true;

protected:
    void DrawCellHighlight(wxDC& dc, const wxGridCellAttr* attr) override;

private:
    void OnKeyDown(wxKeyEvent& event);
    void OnRangeSelect(wxGridRangeSelectEvent& event);

    void SetUpResultsTable();
    bool RunShortcut(const wxKeyEvent& event);
    void TakeSelectionChange(const CellBlock& block, bool selecting);
    CellBlock RememberedBlock() const;
    void RememberBlock(const CellBlock& block);
    void PostCellChanged();

    int selTopRow = -1;
    int selLeftCol = -1;
    int selBottomRow = -1;
    int selRightCol = -1;

    wxDECLARE_EVENT_TABLE();
};
