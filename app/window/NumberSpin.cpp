#include "app/window/NumberSpin.h"

bool NumberSpin::GTKOutput(wxString* text) const
{
    if (emptyEditEnded && GetTextValue().empty())
        emptyEditEnded();
    return wxSpinCtrl::GTKOutput(text);
}
