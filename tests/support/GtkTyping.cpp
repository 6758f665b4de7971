#include "GtkTyping.h"

#include <wx/string.h>
#include <wx/window.h>

// The GTK calls needed, declared here so the tests do not need GTK's development headers.
extern "C" {
void gtk_entry_set_text(void* entry, const char* text);
const char* gtk_entry_get_text(void* entry);
int gtk_entry_get_max_length(void* entry);
}

void TypeIntoEntry(wxWindow& entry, const wxString& text)
{
    // Each call changes the entry from or to the empty text, so each reports exactly one change.
    if (*gtk_entry_get_text(entry.GetHandle()) != '\0')
        gtk_entry_set_text(entry.GetHandle(), "");
    if (!text.empty())
        gtk_entry_set_text(entry.GetHandle(), text.utf8_str());
}

wxString EntryText(wxWindow& entry)
{
    return wxString::FromUTF8(gtk_entry_get_text(entry.GetHandle()));
}

int EntryMaxLength(wxWindow& entry) { return gtk_entry_get_max_length(entry.GetHandle()); }
