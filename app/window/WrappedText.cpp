#include "app/window/WrappedText.h"

#include <algorithm>

WrappedText::WrappedText(wxWindow* parent, const wxString& text)
    : wxStaticText(parent, wxID_ANY, text, wxDefaultPosition, wxDefaultSize, wxST_NO_AUTORESIZE),
      text(text)
{
    Bind(wxEVT_SIZE, &WrappedText::OnSize, this);
}

void WrappedText::SetLeastWidthTo(const wxString& line)
{
    const int width = GetTextExtent(line).x;
    SetMinSize(wxSize(width, -1));
    Rewrap(width);
}

bool WrappedText::SetFont(const wxFont& font)
{
    if (!wxStaticText::SetFont(font))
        return false;
    Rewrap(std::max(GetSize().x, GetMinSize().x));
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
    InvalidateBestSize();
    const int height = GetBestSize().y;
    if (height == GetMinSize().y)
        return;
    SetMinSize(wxSize(GetMinSize().x, height));
    if (wxWindow* top = wxGetTopLevelParent(this))
        top->CallAfter([top] { top->Layout(); });
}
