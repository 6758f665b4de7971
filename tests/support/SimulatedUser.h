#pragma once

#include <wx/modalhook.h>
#include <wx/string.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <functional>
#include <string>
#include <vector>

class wxWindow;

// A user at the keyboard and the mouse: every key and click travels through the display server
// to the window under the pointer or with the focus, as real input does.
class SimulatedUser {
public:
    // Clicks the middle of a control; whether it then has the focus.
    bool Click(wxWindow& control);
    // Clicks the middle of a control and returns at once.
    void Tap(wxWindow& control);
    // Clicks a box a quarter of the way in, on its text and clear of any buttons on its right.
    bool ClickIntoText(wxWindow& box);
    // Two clicks on the middle of a control, `gapMs` apart.
    void ClickTwice(wxWindow& control, int gapMs);
    // Clicks into a box, then presses each of `keys` in turn; see Key.
    bool TypeKeys(wxWindow& box, const std::vector<int>& keys);
    // Clicks into a box, selects all of its text (Ctrl+A) and types `text` over it.
    bool TypeOverAll(wxWindow& box, const char* text);
    // Presses a key: a character, a WXK_ code, or either plus CTRL for Ctrl held.
    void Key(int key);

    static constexpr int CTRL = 0x10000;

private:
    bool ClickAt(wxWindow& control, const wxPoint& where);
    void PressAt(wxWindow& control, const wxPoint& where);

    wxUIActionSimulator sim;
};

// Lets every modal message box show on the screen, taking the focus as it does for a user, and
// answers each with the Return key. Remembers what each one said.
class MessageBoxAnswerer : public wxModalDialogHook {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer() override;

    // "title: message" of each box shown so far.
    std::vector<std::string> shown;

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override;

private:
    void Answer();

    wxDialog* open = nullptr;
    bool returnPressed = false;
    wxTimer poll;
    int polls = 0;
    wxUIActionSimulator sim;
};
