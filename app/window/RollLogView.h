#pragma once

#include "app/run/RollLogLayout.h"

#include <wx/scrolwin.h>

#include <string>

// The read-only box that lists the faces rolled. It behaves as a multiline text box does: the
// text wraps at its blanks to the box's width, scrolls, and can be selected with the mouse (drag,
// double click for a word, Shift+click) and the keyboard (Shift with the arrows, Page Up, Page
// Down, Home and End); Ctrl+A selects all and Ctrl+C copies the selection, and so does its menu.
// It draws only the lines in view, and its layout is arithmetic, so setting, growing and showing
// the text cost the same whether it holds ten rolls or ten thousand.
class RollLogView : public wxScrolled<wxWindow> {
public:
    RollLogView(wxWindow* parent, wxWindowID id);

    // As a text box does, the box answers in the toolkit's strings.
    wxString GetValue() const { return wxString::FromUTF8(layout.Text()); }
    bool IsEmpty() const { return layout.Text().empty(); }
    long GetLastPosition() const { return static_cast<long>(layout.Text().size()); }
    // The lines as the box wraps them at its present width.
    int GetNumberOfLines() const { return static_cast<int>(layout.LineCount()); }
    wxString GetLineText(long line) const;

    // Replaces the text, scrolled to its top with nothing selected.
    void SetValue(const std::string& text);
    // Adds to the end of the text, keeping the selection. The box follows its end, bringing the
    // new end into view, except while the user has scrolled away from the end or is selecting;
    // it follows again once the user goes back to the end (End, or scrolling to the bottom).
    void AppendText(const std::string& more);
    // Scrolls as little as needed to bring the line of a caret position into view.
    void ShowPosition(long position);

    // The selection from `from` to `to`, positions between characters (0 to the last position).
    void SetSelection(long from, long to);
    void SelectAll();
    wxString GetStringSelection() const;
    // Puts the selection on the clipboard as text; nothing happens when nothing is selected.
    void Copy();

    bool SetFont(const wxFont& font) override;

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnCaptureLost(wxMouseCaptureLostEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnScrollWin(wxScrollWinEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnCopy(wxCommandEvent& event);
    void OnSelectAll(wxCommandEvent& event);

    bool ScrollByKey(int key);
    bool SelectByKey(int key);
    std::size_t LineAbove(std::size_t offset, std::size_t lines) const;
    std::size_t LineBelow(std::size_t offset, std::size_t lines) const;

    bool FollowsEnd();
    bool AtEnd() const;

    void Relayout();
    void UpdateScrollRange();
    std::size_t TopLine() const;
    std::size_t LinesInView() const;
    void ScrollToLine(std::size_t top);

    void DrawLine(wxDC& dc, std::size_t line) const;
    wxString TextOf(RollLogLayout::Line chars) const;
    int TextWidth(std::size_t begin, std::size_t end) const;
    std::size_t OffsetAt(const wxPoint& point) const;
    std::size_t OffsetInLine(std::size_t line, int x) const;

    void Select(std::size_t newAnchor, std::size_t newCaret);
    void RefreshOffsets(std::size_t from, std::size_t to);
    std::size_t SelectionStart() const { return std::min(anchor, caret); }
    std::size_t SelectionEnd() const { return std::max(anchor, caret); }

    RollLogLayout layout;
    int lineHeight;
    // The selection runs from the anchor to the caret, which the mouse and Shift+keys move.
    std::size_t anchor = 0;
    std::size_t caret = 0;
    // The user is selecting: from a press in the box until it is let go with nothing selected,
    // or from a selecting key, until the user goes back to the end.
    bool selecting = false;
    // The user scrolled since the box last looked whether it follows its end.
    bool scrolled = false;

    wxDECLARE_EVENT_TABLE();
};
