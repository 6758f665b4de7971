#include "app/window/WindowZoom.h"

#include "graph/window/coordSys.h"

#include <wx/grid.h>
#include <wx/sizer.h>
#include <wx/toplevel.h>

namespace {

enum class ZoomKey { NONE, IN, OUT, RESET };

// The toolkit names a key by what it makes without Shift, and tells the character made apart:
// Ctrl+Shift+= on a US keyboard comes as '=' making '+', the plus key of a German one as '+'.
ZoomKey KeyOf(const wxKeyEvent& event)
{
    if (!event.ControlDown() || event.AltDown())
        return ZoomKey::NONE;
    const int code = event.GetKeyCode();
    const wxChar made = event.GetUnicodeKey();
    if (code == '0' || code == WXK_NUMPAD0)
        return ZoomKey::RESET;
    if (code == '+' || code == '=' || code == WXK_NUMPAD_ADD || code == WXK_ADD || made == '+' ||
        made == '=')
        return ZoomKey::IN;
    if (code == '-' || code == WXK_NUMPAD_SUBTRACT || code == WXK_SUBTRACT || made == '-')
        return ZoomKey::OUT;
    return ZoomKey::NONE;
}

} // namespace

WindowZoom::WindowZoom(wxTopLevelWindow& window) : window(window)
{
    Collect(window);
    window.Bind(wxEVT_CHAR_HOOK, &WindowZoom::OnCharHook, this);
}

WindowZoom::~WindowZoom() { window.Unbind(wxEVT_CHAR_HOOK, &WindowZoom::OnCharHook, this); }

// Every window below the top one, except the insides of grids and graphs, which are zoomed
// through their own settings.
void WindowZoom::Collect(wxWindow& parent)
{
    for (wxWindow* child : parent.GetChildren()) {
        if (child->IsTopLevel())
            continue;
        controls.push_back(
            {child, child->GetFont(), child->GetMinSize(), child->GetEffectiveMinSize()});
        if (auto* grid = dynamic_cast<wxGrid*>(child))
            TakeGrid(*grid);
        else if (auto* graph = dynamic_cast<coordSys*>(child))
            graphs.push_back({graph, graph->GetFontSize()});
        else
            Collect(*child);
        if (child->GetSizer())
            sized.push_back(child);
    }
    if (&parent == &window)
        sized.push_back(&window);
}

void WindowZoom::TakeGrid(wxGrid& grid)
{
    GridSizes sizes{&grid,
                    grid.GetDefaultCellFont(),
                    grid.GetLabelFont(),
                    grid.GetDefaultRowSize(),
                    grid.GetColLabelSize(),
                    {},
                    {}};
    for (int col = 0; col < grid.GetNumberCols(); ++col) {
        sizes.columnWidths.push_back(grid.GetColSize(col));
        wxGridCellAttr* attr = grid.GetTable()->GetAttr(0, col, wxGridCellAttr::Col);
        sizes.columnFonts.push_back(attr && attr->HasFont() ? attr->GetFont() : wxFont());
        if (attr)
            attr->DecRef();
    }
    grids.push_back(std::move(sizes));
}

void WindowZoom::OnCharHook(wxKeyEvent& event)
{
    switch (KeyOf(event)) {
    case ZoomKey::IN:
        return In();
    case ZoomKey::OUT:
        return Out();
    case ZoomKey::RESET:
        return Reset();
    case ZoomKey::NONE:
        event.Skip();
    }
}

void WindowZoom::Set(int percent)
{
    if (level.Set(percent))
        Apply();
}

void WindowZoom::In() { UserChange(level.In()); }

void WindowZoom::Out() { UserChange(level.Out()); }

void WindowZoom::Reset() { UserChange(level.Reset()); }

void WindowZoom::UserChange(bool changed)
{
    if (!changed)
        return;
    Apply();
    if (userChanged)
        userChanged(level.Percent());
}

void WindowZoom::Apply()
{
    window.Freeze();
    for (const ControlSizes& control : controls) {
        control.window->SetFont(Scaled(control.font));
        control.window->SetMinSize(level.Percent() == 100 ? control.minSize
                                                          : Scaled(control.needs));
    }
    for (const GridSizes& grid : grids)
        ApplyToGrid(grid);
    for (const GraphSizes& graph : graphs) {
        graph.graph->SetFontSize(level.Scale(graph.fontSize));
        graph.graph->SetLineScale(level.Factor());
        graph.graph->Redraw();
    }
    FitWindow();
    window.Thaw();
    // The toolkit takes in a control's new font with its next frame, and only then tells the
    // size the control needs: the window is fitted once more after that.
    window.CallAfter([this] { FitWindow(); });
}

// Rows and columns grow with the zoom as a whole, padding included, not by the font alone.
void WindowZoom::ApplyToGrid(const GridSizes& sizes) const
{
    wxGrid& grid = *sizes.grid;
    wxGridUpdateLocker oneRepaint(&grid);
    grid.SetDefaultCellFont(Scaled(sizes.cellFont));
    grid.SetLabelFont(Scaled(sizes.labelFont));
    grid.SetDefaultRowSize(level.Scale(sizes.rowHeight), true);
    grid.SetColLabelSize(level.Scale(sizes.labelHeight));
    for (int col = 0; col < static_cast<int>(sizes.columnWidths.size()); ++col) {
        grid.SetColSize(col, level.Scale(sizes.columnWidths[col]));
        if (!sizes.columnFonts[col].IsOk())
            continue;
        wxGridCellAttr* attr = grid.GetTable()->GetAttr(0, col, wxGridCellAttr::Col);
        if (attr) {
            attr->SetFont(Scaled(sizes.columnFonts[col]));
            attr->DecRef();
        }
    }
}

// Each window laid out by a sizer takes the minimum size its sizer now needs, the inner ones
// first; the top window grows to its new minimum, and a window left at its minimum follows it
// down again.
void WindowZoom::FitWindow()
{
    const wxSize before = window.GetSize();
    const bool atMinimum = before == window.GetMinSize();
    for (wxWindow* w : sized) {
        w->SetMinSize(wxDefaultSize);
        w->InvalidateBestSize();
        w->GetSizer()->SetSizeHints(w);
    }
    if (!window.IsMaximized() && !window.IsFullScreen()) {
        const wxSize least = window.GetMinSize();
        wxSize size = before;
        size.IncTo(least);
        window.SetSize(atMinimum ? least : size);
    }
    window.Layout();
}

wxFont WindowZoom::Scaled(const wxFont& font) const
{
    if (level.Percent() == 100 || !font.IsOk())
        return font;
    wxFont scaled = font;
    scaled.SetFractionalPointSize(font.GetFractionalPointSize() * level.Factor());
    return scaled;
}

wxSize WindowZoom::Scaled(const wxSize& size) const
{
    return {level.Scale(size.x), level.Scale(size.y)};
}
