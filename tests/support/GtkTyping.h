#pragma once

class wxWindow;

// The most characters a GTK entry (a spin control's or a text control's) takes; 0 for no limit.
int EntryMaxLength(wxWindow& entry);
// Whether the whole of an entry's text is selected, and it has some.
bool EntryAllSelected(wxWindow& entry);
