#pragma once
#include <wx/popupwin.h>

class wxStaticText;

// The tooltip of a graph's marked points: a small window of its own, shown the moment it is
// asked for (the desktop's own tooltips come only after a delay of the desktop's choosing).
// It takes no focus and sits beside the pointer, not under it, so that it never takes the
// pointer from the graph.
class pointTooltip : public wxPopupWindow {
public:
    explicit pointTooltip(wxWindow* owner);

    // Shows the text beside the pointer's screen position, at once.
    void ShowAt(const wxString& text, const wxPoint& pointer);
    // The text on show; empty while hidden.
    wxString GetShownText() const;

private:
    wxStaticText* label = nullptr;
};
