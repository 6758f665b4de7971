#include "app/window/DoubleClickFilter.h"

#include <wx/window.h>

// The button's events stop reaching here once this is gone: a handler unbinds itself as it goes.
DoubleClickFilter::DoubleClickFilter(wxWindow& button, std::function<bool()> armed)
    : armed(std::move(armed))
{
    button.Bind(wxEVT_LEFT_DCLICK, &DoubleClickFilter::OnDoubleClick, this);
    button.Bind(wxEVT_LEFT_UP, &DoubleClickFilter::OnRelease, this);
}

bool DoubleClickFilter::IsSecondHalf()
{
    const bool was = secondHalf;
    secondHalf = false;
    return was;
}

// The toolkit tells a double-click by the desktop's own double-click time.
void DoubleClickFilter::OnDoubleClick(wxMouseEvent& event)
{
    secondHalf = armed();
    event.Skip();
}

// A press makes its click as it is let go on the button, within the release; let go off the
// button, it makes none, and the second half is forgotten once the release is through.
void DoubleClickFilter::OnRelease(wxMouseEvent& event)
{
    CallAfter([this] { secondHalf = false; });
    event.Skip();
}
