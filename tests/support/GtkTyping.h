#pragma once

class wxString;
class wxWindow;

// Replaces the text of a GTK entry (a spin control's or a text control's) the way typing does:
// the entry changes and reports the change, with none of the checks that setting the control's
// value through the toolkit would make.
void TypeIntoEntry(wxWindow& entry, const wxString& text);
