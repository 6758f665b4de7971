#include "app/window/WrappedText.h"

#include <wx/dcclient.h>
#include <wx/display.h>

#include <algorithm>

WrappedText::WrappedText(wxWindow* parent, const wxString& text)
    : wxStaticText(parent, wxID_ANY, text, wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE),
      text(text)
{
    Bind(wxEVT_SIZE, &WrappedText::OnSize, this);
}

void WrappedText::SetLeastWidthTo(const wxString& line)
{
    leastLine = line;
    const int width = LeastWidth();
    SetMinSize(wxSize(width, -1));
    Rewrap(width);
}

// The least line in the text's font, but no wider than most of the screen's width: a large font
// on a small screen takes more lines instead.
int WrappedText::LeastWidth() const
{
    const int screen = wxDisplay(this).GetClientArea().width;
    return std::min(GetTextExtent(leastLine).x, screen * 9 / 10);
}

bool WrappedText::SetFont(const wxFont& font)
{
    if (!wxStaticText::SetFont(font))
        return false;
    if (!leastLine.empty())
        SetMinSize(wxSize(LeastWidth(), GetMinSize().y));
    Rewrap();
    return true;
}

void WrappedText::OnSize(wxSizeEvent& event)
{
    event.Skip();
    if (event.GetSize().x != wrappedTo && !wrapping)
        Rewrap(event.GetSize().x);
}

// Breaks the text into lines of at most `width` pixels and asks for their height; the window is
// laid out again when that changes.
void WrappedText::Rewrap(int width)
{
    if (width <= 0)
        return;
    wrappedTo = width;
    wrapping = true;
    SetLabel(text);
    Wrap(width);
    wrapping = false;
    // Measured from the lines in the text's font: the toolkit's own measure of the control counts
    // the size it has now.
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const int height = dc.GetMultiLineTextExtent(GetLabel()).y;
    if (height == GetMinSize().y)
        return;
    SetMinSize(wxSize(GetMinSize().x, height));
    if (wxWindow* top = wxGetTopLevelParent(this))
        top->CallAfter([top] { top->Layout(); });
}
