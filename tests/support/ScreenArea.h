#pragma once
#include <wx/gdicmn.h>
#include <wx/image.h>

// What the display shows in a rectangle of the screen, every window on it included (the
// toolkit's screen DC leaves out popup windows).
wxImage ScreenArea(const wxRect& area);
