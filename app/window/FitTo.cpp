#include "app/window/FitTo.h"

#include <wx/sizer.h>
#include <wx/window.h>

void FitTo(wxWindow* window, wxSizer* sizer)
{
    window->SetAutoLayout(true);
    window->SetSizer(sizer);
    sizer->Fit(window);
    sizer->SetSizeHints(window);
}
