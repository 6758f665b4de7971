#pragma once

class wxMenuBar;
class wxWindow;

// The main window's menu bar: File, Edit, View and Help, each command under the shortcut a
// desktop user expects. The window handles the commands, which carry the toolkit's own
// identifiers (wxID_SAVE, wxID_EXIT, wxID_COPY, wxID_ZOOM_IN, ...). The commands that act on a
// run's results start greyed out.
wxMenuBar* MakeMainMenu();
// Makes the commands that act on the results of a run (Save, Print) available, or greys them out.
void EnableResultCommands(wxMenuBar& menu, bool enable);

// Help > About: the program's name, version, one-line description and licence.
void ShowAboutBox(wxWindow* parent);
