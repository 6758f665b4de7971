#include "GtkTyping.h"

#include <wx/window.h>

// The GTK calls needed, declared here so the tests do not need GTK's development headers.
extern "C" {
int gtk_entry_get_max_length(void* entry);
unsigned short gtk_entry_get_text_length(void* entry);
int gtk_editable_get_selection_bounds(void* editable, int* start, int* end);
}

int EntryMaxLength(wxWindow& entry) { return gtk_entry_get_max_length(entry.GetHandle()); }

bool EntryAllSelected(wxWindow& entry)
{
    int start = 0, end = 0;
    return gtk_editable_get_selection_bounds(entry.GetHandle(), &start, &end) && start == 0 &&
           end == gtk_entry_get_text_length(entry.GetHandle()) && end > 0;
}
