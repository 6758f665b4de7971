#include "GtkTyping.h"

#include <wx/string.h>
#include <wx/window.h>

// The one GTK call needed, declared here so the tests do not need GTK's development headers.
extern "C" void gtk_entry_set_text(void* entry, const char* text);

void TypeIntoEntry(wxWindow& entry, const wxString& text)
{
    gtk_entry_set_text(entry.GetHandle(), text.utf8_str());
}
