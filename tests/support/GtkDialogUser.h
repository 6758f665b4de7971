#pragma once

#include <wx/timer.h>
#include <wx/uiaction.h>

#include <string>
#include <vector>

// A user at one of GTK's own dialogs (the file chooser, the print dialog, About), which run in
// event loops of their own: made before the dialog is asked for, it waits for a window of that
// title on the screen, then types `text` over what is selected there, if any, and presses the
// keys, a moment apart. A dialog still open three seconds after the last key is cancelled.
// Without keys, the user only looks at the dialog, for those three seconds.
class GtkDialogUser {
public:
    GtkDialogUser(std::string title, std::string text, std::vector<int> keys);

    // Whether the dialog came and went, closed by the keys or, without keys, by the user.
    bool Closed() const { return seen && !Showing(); }
    bool Answered() const { return Closed() && (keys.empty() || !leftOpen); }

private:
    bool Showing() const;
    void Act();

    std::string title, text;
    std::vector<int> keys;
    bool seen = false, leftOpen = false;
    std::size_t next = 0;
    int idle = 0;
    wxTimer poll;
    wxUIActionSimulator sim;
};
