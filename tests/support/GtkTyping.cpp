#include "GtkTyping.h"

#include <wx/window.h>

// The GTK call needed, declared here so the tests do not need GTK's development headers.
extern "C" int gtk_entry_get_max_length(void* entry);

int EntryMaxLength(wxWindow& entry) { return gtk_entry_get_max_length(entry.GetHandle()); }
