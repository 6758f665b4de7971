#pragma once

#include <wx/event.h>

#include <functional>
#include <string>

class NumberSpin;
class wxSpinEvent;
class wxTextCtrl;
class wxWindow;

// A box where the user types the number of dice or of rolls, and the number in force that it
// feeds. What is typed is checked once the keystroke is through: a whole number from 1 on is
// taken (a larger one than the box allows as its largest); an emptied box is an edit in progress
// while it has the focus; anything else is refused at once with the message "Please enter a valid
// positive integer". An emptied box is refused when it loses the focus or Start is pressed. After
// a refusal the box shows the number in force, selected, and has the focus, so that the next
// keystroke replaces it.
class NumberBox : public wxEvtHandler {
public:
    NumberBox(NumberSpin& box, int most, std::function<int()> inForce,
              std::function<void(int)> take);
    NumberBox(wxTextCtrl& box, int most, std::function<int()> inForce,
              std::function<void(int)> take);
    ~NumberBox() override;

    // Start was pressed: takes the number the box holds, or refuses what it holds. Whether a run
    // may start with it.
    bool TakeForRun();

private:
    NumberBox(wxWindow& box, int most, std::function<int()> inForce, std::function<void(int)> take);
    void OnText(wxCommandEvent& event);
    void OnSpin(wxSpinEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void CheckTyping();
    bool TakeTyped(bool editing);
    void EmptyEditEnded();
    void Refuse();
    std::string Typed() const;
    void Show(int number);

    wxWindow& box;
    NumberSpin* spin = nullptr; // the box, if it is a spin control
    wxTextCtrl* text = nullptr; // the box, if it is a text box
    const int most;
    const std::function<int()> inForce;
    const std::function<void(int)> take;
    // A check of the typed text waits for the keystroke to be through.
    bool checkPending = false;
    // A refusal is on its way or its message is up: what the box reports meanwhile (the message
    // takes the focus, and the spin control then turns its text into a number) is not the user's.
    bool refusing = false;
};
