#pragma once

#include <wx/event.h>

#include <functional>

class wxWindow;

// Tells a button's click that is the second half of a mouse double-click, for a button whose
// double-click counts as one click: the second press of a double-click on Start while the run
// its first click started goes on is no Stop. Only the mouse makes double-clicks: the second
// half is known from the second press until it is let go, so a key on the button (Space, or
// Return for the window's default button) always makes a click of its own.
class DoubleClickFilter : public wxEvtHandler {
public:
    // `armed` says whether a double-click now has a second half to pass over.
    DoubleClickFilter(wxWindow& button, std::function<bool()> armed);

    // Whether the click the button just made is a double-click's second half.
    bool IsSecondHalf();

private:
    void OnDoubleClick(wxMouseEvent& event);
    void OnRelease(wxMouseEvent& event);

    const std::function<bool()> armed;
    bool secondHalf = false;
};
