#include "graph/window/pointTooltip.h"

#include <wx/display.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

// Below and to the right of the pointer's tip, clear of the pointer's own picture.
const wxSize POINTER_OFFSET(12, 18);
constexpr int PADDING = 4;

} // namespace

pointTooltip::pointTooltip(wxWindow* owner) : wxPopupWindow(owner, wxBORDER_SIMPLE)
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK));
    label = new wxStaticText(this, wxID_ANY, wxEmptyString);
    label->SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(label, 0, wxALL, PADDING);
    SetSizer(sizer);
}

// Kept on the display the pointer is on: near its right or bottom edge the tooltip moves in.
void pointTooltip::ShowAt(const wxString& text, const wxPoint& pointer)
{
    if (text != label->GetLabel()) {
        label->SetLabel(text);
        Fit();
    }
    const int display = std::max(0, wxDisplay::GetFromPoint(pointer));
    const wxRect screen = wxDisplay(unsigned(display)).GetGeometry();
    wxPoint place = pointer + POINTER_OFFSET;
    place.x = std::max(screen.x, std::min(place.x, screen.GetRight() + 1 - GetSize().x));
    place.y = std::max(screen.y, std::min(place.y, screen.GetBottom() + 1 - GetSize().y));
    Move(place);
    if (!IsShown())
        Show();
}

wxString pointTooltip::GetShownText() const { return IsShown() ? label->GetLabel() : wxString(); }
