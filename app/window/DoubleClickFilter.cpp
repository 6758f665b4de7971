#include "app/window/DoubleClickFilter.h"

#include <wx/event.h>
#include <wx/window.h>

// The toolkit tells a double-click by the desktop's own double-click time. A press makes its
// click as it is let go on the button, within the release; let go off the button, it makes none,
// and the second half is forgotten once the release is through.
DoubleClickFilter::DoubleClickFilter(wxWindow& button, std::function<bool()> armed)
{
    button.Bind(wxEVT_LEFT_DCLICK, [this, armed](wxMouseEvent& event) {
        secondHalf = armed();
        event.Skip();
    });
    button.Bind(wxEVT_LEFT_UP, [this, &button](wxMouseEvent& event) {
        button.CallAfter([this] { secondHalf = false; });
        event.Skip();
    });
}

bool DoubleClickFilter::IsSecondHalf()
{
    const bool was = secondHalf;
    secondHalf = false;
    return was;
}
