#pragma once

#include <wx/timer.h>
#include <wx/uiaction.h>

#include <functional>
#include <string>
#include <vector>

// A user at one of GTK's own dialogs (the file chooser, the print dialog, About), which the
// toolkit runs in an event loop of their own: made before the dialog is asked for, it waits for a
// window of that title on the screen, then types `text` over what is selected there, if any, and
// presses the keys, a moment apart, as a user would. A dialog still open three seconds after the
// last key is cancelled, and says so, so that a test never hangs on it.
class GtkDialogUser {
public:
    GtkDialogUser(std::string title, std::string text, std::vector<int> keys);

    bool Seen() const { return dialog != nullptr; }
    bool LeftOpen() const { return leftOpen; }
    // Told the dialog's GTK window when it is first seen, to look into it while it is open.
    std::function<void(void* dialog)> seen;

    // The visible top window of that title, or none.
    static void* ShownWindow(const std::string& title);

private:
    void Act();

    std::string title;
    std::string text;
    std::vector<int> keys;
    void* dialog = nullptr;
    bool leftOpen = false;
    std::size_t next = 0;
    int idle = 0;
    wxTimer poll;
    wxUIActionSimulator sim;
};
