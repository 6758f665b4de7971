#pragma once

class wxString;
class wxWindow;

// Replaces the text of a GTK entry (a spin control's or a text control's) the way a user does,
// by selecting it all and typing over it: the entry is first empty, then holds the new text, and
// reports each change, with none of the checks that setting the control's value through the
// toolkit would make. An entry that limits its length keeps only what fits.
void TypeIntoEntry(wxWindow& entry, const wxString& text);

// What the entry shows, and the most characters it takes (0 for no limit).
wxString EntryText(wxWindow& entry);
int EntryMaxLength(wxWindow& entry);
