#include "app/window/RollLogView.h"

#include <wx/clipbrd.h>
#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include <algorithm>

wxBEGIN_EVENT_TABLE(RollLogView, wxScrolled<wxWindow>)
    EVT_PAINT(RollLogView::OnPaint)
    EVT_SIZE(RollLogView::OnSize)
    EVT_LEFT_DOWN(RollLogView::OnLeftDown)
    EVT_LEFT_DCLICK(RollLogView::OnLeftDoubleClick)
    EVT_MOTION(RollLogView::OnMotion)
    EVT_LEFT_UP(RollLogView::OnLeftUp)
    EVT_MOUSE_CAPTURE_LOST(RollLogView::OnCaptureLost)
    EVT_KEY_DOWN(RollLogView::OnKeyDown)
    EVT_SCROLLWIN(RollLogView::OnScrollWin)
    EVT_CONTEXT_MENU(RollLogView::OnContextMenu)
    EVT_MENU(wxID_COPY, RollLogView::OnCopy)
    EVT_MENU(wxID_SELECTALL, RollLogView::OnSelectAll)
wxEND_EVENT_TABLE()

namespace {

// Room between the box's edges and its text, in pixels.
const int MARGIN = 1;

RollLogLayout::Measure MeasureWith(const wxWindow& window)
{
    return [&window](const std::string& text) {
        int width = 0, height = 0;
        window.GetTextExtent(wxString::FromUTF8(text), &width, &height);
        return width;
    };
}

} // namespace

RollLogView::RollLogView(wxWindow* parent, wxWindowID id)
    : wxScrolled<wxWindow>(parent, id, wxDefaultPosition, wxDefaultSize, wxVSCROLL | wxNO_BORDER),
      layout(MeasureWith(*this)), lineHeight(std::max(GetCharHeight(), 1))
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    ShowScrollbars(wxSHOW_SB_NEVER, wxSHOW_SB_DEFAULT);
    SetScrollRate(0, lineHeight);
    Relayout();
}

// A text box's default: a few characters wide and two lines high.
wxSize RollLogView::DoGetBestSize() const
{
    return wxSize(12 * GetCharWidth() + 2 * MARGIN, 2 * lineHeight + 1);
}

bool RollLogView::SetFont(const wxFont& font)
{
    if (!wxScrolled<wxWindow>::SetFont(font))
        return false;
    lineHeight = std::max(GetCharHeight(), 1);
    SetScrollRate(0, lineHeight);
    layout.SetMeasure(MeasureWith(*this));
    Relayout();
    return true;
}

// ---- The text ----

void RollLogView::SetValue(const std::string& text)
{
    layout.SetText(text);
    anchor = caret = 0;
    selecting = false;
    UpdateScrollRange();
    ScrollToLine(0);
    Refresh();
}

void RollLogView::AppendText(const std::string& more)
{
    const bool follow = FollowsEnd();
    const std::size_t lines = layout.LineCount();
    const std::size_t changed = layout.Append(more);
    if (layout.LineCount() != lines)
        UpdateScrollRange();
    RefreshOffsets(changed, layout.Text().size());
    if (follow)
        ScrollToLine(layout.LineCount());
}

// A selection ends where the user scrolls back to the end, unless a drag is still going on.
bool RollLogView::FollowsEnd()
{
    if (scrolled && AtEnd() && !HasCapture())
        selecting = false;
    scrolled = false;
    return AtEnd() && !selecting;
}

bool RollLogView::AtEnd() const { return TopLine() + LinesInView() >= layout.LineCount(); }

void RollLogView::ShowPosition(long position)
{
    const std::size_t line = layout.LineOf(static_cast<std::size_t>(std::max(position, 0L)));
    const std::size_t top = TopLine(), inView = LinesInView();
    if (line < top)
        ScrollToLine(line);
    else if (line >= top + inView)
        ScrollToLine(line + 1 - inView);
}

// ---- Lines and scrolling ----

wxString RollLogView::GetLineText(long line) const
{
    return TextOf(layout.LineAt(static_cast<std::size_t>(std::max(line, 0L))));
}

// Wraps the text to the box's width anew, keeping in view what was in view: the end if it was
// shown, or else the first character of the top line.
void RollLogView::Relayout()
{
    const bool atEnd = AtEnd();
    const std::size_t first = layout.LineAt(TopLine()).begin;
    layout.SetWidth(GetClientSize().x - 2 * MARGIN);
    UpdateScrollRange();
    ScrollToLine(atEnd ? layout.LineCount() : layout.LineOf(first));
    Refresh();
}

void RollLogView::UpdateScrollRange()
{
    SetVirtualSize(0, static_cast<int>(layout.LineCount()) * lineHeight);
}

std::size_t RollLogView::TopLine() const
{
    return static_cast<std::size_t>(std::max(GetViewStart().y, 0));
}

// The lines that the box shows whole; at least one.
std::size_t RollLogView::LinesInView() const
{
    return static_cast<std::size_t>(std::max(GetClientSize().y / lineHeight, 1));
}

// Scrolls the line `top` to the top of the box, or as near as the text's length allows.
void RollLogView::ScrollToLine(std::size_t top)
{
    const std::size_t lines = layout.LineCount(), inView = LinesInView();
    const std::size_t last = lines > inView ? lines - inView : 0;
    Scroll(-1, static_cast<int>(std::min(top, last)));
}

void RollLogView::OnSize(wxSizeEvent& event)
{
    Relayout();
    event.Skip();
}

// ---- Drawing ----

void RollLogView::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    DoPrepareDC(dc);
    dc.SetFont(GetFont());
    const wxRect box = GetUpdateRegion().GetBox();
    const wxPoint origin = CalcUnscrolledPosition(box.GetTopLeft());
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(GetBackgroundColour()));
    dc.DrawRectangle(wxRect(origin, box.GetSize()));
    const std::size_t first = static_cast<std::size_t>(std::max(origin.y, 0) / lineHeight);
    const std::size_t end = std::min<std::size_t>(
        layout.LineCount(),
        static_cast<std::size_t>(std::max(origin.y + box.height, 0)) / lineHeight + 1);
    for (std::size_t line = first; line < end; ++line)
        DrawLine(dc, line);
}

// Draws a line, and over it the part of the selection that lies on it in the theme's colours.
void RollLogView::DrawLine(wxDC& dc, std::size_t line) const
{
    const RollLogLayout::Line chars = layout.LineAt(line);
    const int y = static_cast<int>(line) * lineHeight;
    dc.SetTextForeground(GetForegroundColour());
    dc.DrawText(TextOf(chars), MARGIN, y);
    const std::size_t from = std::max(chars.begin, SelectionStart());
    const std::size_t to = std::min(chars.end, SelectionEnd());
    if (from >= to)
        return;
    const int x = MARGIN + TextWidth(chars.begin, from);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT)));
    dc.DrawRectangle(x, y, TextWidth(from, to), lineHeight);
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT));
    dc.DrawText(TextOf({from, to}), x, y);
}

wxString RollLogView::TextOf(RollLogLayout::Line chars) const
{
    return wxString::FromUTF8(layout.Text().data() + chars.begin, chars.end - chars.begin);
}

int RollLogView::TextWidth(std::size_t begin, std::size_t end) const
{
    int width = 0, height = 0;
    GetTextExtent(TextOf({begin, end}), &width, &height);
    return width;
}

// ---- Selection ----

void RollLogView::SetSelection(long from, long to)
{
    const std::size_t last = layout.Text().size();
    const auto clamp = [last](long p) {
        return std::min(static_cast<std::size_t>(std::max(p, 0L)), last);
    };
    Select(clamp(from), clamp(to));
}

void RollLogView::SelectAll() { Select(0, layout.Text().size()); }

wxString RollLogView::GetStringSelection() const
{
    return TextOf({SelectionStart(), SelectionEnd()});
}

void RollLogView::Copy()
{
    if (SelectionStart() == SelectionEnd())
        return;
    wxClipboardLocker locker;
    if (!!locker)
        wxTheClipboard->SetData(new wxTextDataObject(GetStringSelection()));
}

// Moves the selection and redraws only the lines whose look it changed.
void RollLogView::Select(std::size_t newAnchor, std::size_t newCaret)
{
    if (newAnchor == anchor) {
        RefreshOffsets(std::min(caret, newCaret), std::max(caret, newCaret));
    } else {
        RefreshOffsets(SelectionStart(), SelectionEnd());
        RefreshOffsets(std::min(newAnchor, newCaret), std::max(newAnchor, newCaret));
    }
    anchor = newAnchor;
    caret = newCaret;
}

// Redraws the lines in view that hold the characters from `from` to `to`.
void RollLogView::RefreshOffsets(std::size_t from, std::size_t to)
{
    const long top = static_cast<long>(TopLine());
    const long first = static_cast<long>(layout.LineOf(from)) - top;
    const long last = static_cast<long>(layout.LineOf(to)) - top;
    const long inView = GetClientSize().y / lineHeight + 1;
    if (last < 0 || first > inView)
        return;
    const int y = static_cast<int>(std::max(first, 0L)) * lineHeight;
    const int bottom = static_cast<int>(std::min(last + 1, inView)) * lineHeight;
    RefreshRect(wxRect(0, y, GetClientSize().x, bottom - y), false);
}

// ---- Mouse ----

// The caret position nearest to a point of the box: above the text its start, below it its end.
std::size_t RollLogView::OffsetAt(const wxPoint& point) const
{
    const int y = CalcUnscrolledPosition(point).y;
    if (y < 0 || layout.LineCount() == 0)
        return 0;
    const std::size_t line = static_cast<std::size_t>(y / lineHeight);
    if (line >= layout.LineCount())
        return layout.Text().size();
    return OffsetInLine(line, point.x - MARGIN);
}

// The caret position on a line nearest to x pixels from the start of its text: before the first
// character whose middle lies right of x, found by halving.
std::size_t RollLogView::OffsetInLine(std::size_t line, int x) const
{
    const RollLogLayout::Line chars = layout.LineAt(line);
    std::size_t low = chars.begin, high = chars.end;
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        const int middle = (TextWidth(chars.begin, mid) + TextWidth(chars.begin, mid + 1)) / 2;
        if (x < middle)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

void RollLogView::OnLeftDown(wxMouseEvent& event)
{
    SetFocus();
    selecting = true;
    const std::size_t at = OffsetAt(event.GetPosition());
    Select(event.ShiftDown() ? anchor : at, at);
    if (!HasCapture())
        CaptureMouse();
}

void RollLogView::OnLeftDoubleClick(wxMouseEvent& event)
{
    const RollLogLayout::Line word = layout.WordAt(OffsetAt(event.GetPosition()));
    Select(word.begin, word.end);
}

// Dragging moves the caret; outside the box the scrolling helper scrolls towards the mouse and
// sends motion events as it goes.
void RollLogView::OnMotion(wxMouseEvent& event)
{
    if (HasCapture() && event.LeftIsDown())
        Select(anchor, OffsetAt(event.GetPosition()));
}

void RollLogView::OnLeftUp(wxMouseEvent&)
{
    if (HasCapture())
        ReleaseMouse();
    selecting = SelectionStart() != SelectionEnd();
}

// The toolkit took the mouse away (another window grabbed it): the drag simply ends there.
void RollLogView::OnCaptureLost(wxMouseCaptureLostEvent&) {}

// ---- Keyboard ----

void RollLogView::OnKeyDown(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (event.GetModifiers() == wxMOD_CONTROL && key == 'A') {
        selecting = true;
        SelectAll();
    } else if (event.GetModifiers() == wxMOD_CONTROL && (key == 'C' || key == WXK_INSERT)) {
        Copy();
    } else if (event.AltDown() || !(event.ShiftDown() ? SelectByKey(key) : ScrollByKey(key))) {
        event.Skip();
    }
}

// The text box's own menu: Copy and Select All.
void RollLogView::OnContextMenu(wxContextMenuEvent&)
{
    wxMenu menu;
    menu.Append(wxID_COPY);
    menu.Append(wxID_SELECTALL);
    menu.Enable(wxID_COPY, SelectionStart() != SelectionEnd());
    PopupMenu(&menu);
}

void RollLogView::OnCopy(wxCommandEvent&) { Copy(); }

void RollLogView::OnSelectAll(wxCommandEvent&)
{
    selecting = true;
    SelectAll();
}

// The scroll bar and the mouse wheel scroll the box after this; the box looks where they left it
// when it next gets text.
void RollLogView::OnScrollWin(wxScrollWinEvent& event)
{
    scrolled = true;
    event.Skip();
}

// Without Shift, the keys that move through a text box scroll it.
bool RollLogView::ScrollByKey(int key)
{
    scrolled = true;
    const std::size_t top = TopLine(), page = LinesInView();
    switch (key) {
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        ScrollToLine(0);
        return true;
    case WXK_END:
    case WXK_NUMPAD_END:
        ScrollToLine(layout.LineCount());
        return true;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
        ScrollToLine(top > page ? top - page : 0);
        return true;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
        ScrollToLine(top + page);
        return true;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        ScrollToLine(top > 0 ? top - 1 : 0);
        return true;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        ScrollToLine(top + 1);
        return true;
    default:
        return false;
    }
}

// With Shift, they move the caret and so stretch the selection from its anchor.
bool RollLogView::SelectByKey(int key)
{
    const std::size_t page = LinesInView(), last = layout.Text().size();
    std::size_t to;
    switch (key) {
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        to = 0;
        break;
    case WXK_END:
    case WXK_NUMPAD_END:
        to = last;
        break;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        to = caret > 0 ? caret - 1 : 0;
        break;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        to = std::min(caret + 1, last);
        break;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        to = LineAbove(caret, 1);
        break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        to = LineBelow(caret, 1);
        break;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
        to = LineAbove(caret, page);
        break;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
        to = LineBelow(caret, page);
        break;
    default:
        return false;
    }
    selecting = true;
    Select(anchor, to);
    ShowPosition(static_cast<long>(to));
    return true;
}

// The position `lines` lines above `offset`, as near as the line allows to the same place across;
// the start of the text when there are not so many lines above.
std::size_t RollLogView::LineAbove(std::size_t offset, std::size_t lines) const
{
    const std::size_t line = layout.LineOf(offset);
    if (line < lines)
        return 0;
    return OffsetInLine(line - lines, TextWidth(layout.LineAt(line).begin, offset));
}

std::size_t RollLogView::LineBelow(std::size_t offset, std::size_t lines) const
{
    const std::size_t line = layout.LineOf(offset);
    if (line + lines >= layout.LineCount())
        return layout.Text().size();
    return OffsetInLine(line + lines, TextWidth(layout.LineAt(line).begin, offset));
}
