#include "app/window/NumberBox.h"

#include "app/run/TypedNumber.h"
#include "app/window/NumberSpin.h"

#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

NumberBox::NumberBox(wxWindow& box, int most, std::function<int()> inForce,
                     std::function<void(int)> take)
    : box(box), most(most), inForce(std::move(inForce)), take(std::move(take))
{
    box.Bind(wxEVT_TEXT, &NumberBox::OnText, this);
}

// The spin control makes a number of its text as an edit ends, before the toolkit reports that it
// lost the focus, so it says itself when an edit ends with its text empty. Its arrows set its
// number directly.
NumberBox::NumberBox(NumberSpin& box, int most, std::function<int()> inForce,
                     std::function<void(int)> take)
    : NumberBox(static_cast<wxWindow&>(box), most, std::move(inForce), std::move(take))
{
    spin = &box;
    box.Bind(wxEVT_SPINCTRL, &NumberBox::OnSpin, this);
    box.WhenEmptyEditEnds([this] { EmptyEditEnded(); });
}

NumberBox::NumberBox(wxTextCtrl& box, int most, std::function<int()> inForce,
                     std::function<void(int)> take)
    : NumberBox(static_cast<wxWindow&>(box), most, std::move(inForce), std::move(take))
{
    text = &box;
    box.Bind(wxEVT_KILL_FOCUS, &NumberBox::OnKillFocus, this);
}

// The box outlives this; its events stop reaching here with it (a handler unbinds itself as it
// goes), and so must its call at the end of an edit.
NumberBox::~NumberBox()
{
    if (spin)
        spin->WhenEmptyEditEnds(nullptr);
}

bool NumberBox::TakeForRun()
{
    checkPending = false;
    return !refusing && TakeTyped(false);
}

// Typing over a selection reports the emptied box first and the new text after it, both within
// one keystroke, so the text is checked once the keystroke is through.
void NumberBox::OnText(wxCommandEvent& event)
{
    event.Skip();
    if (refusing || checkPending)
        return;
    checkPending = true;
    CallAfter(&NumberBox::CheckTyping);
}

void NumberBox::CheckTyping()
{
    if (!checkPending || refusing)
        return; // Start checked the text already, or it is being refused
    checkPending = false;
    TakeTyped(true);
}

// Takes the box's number, refuses its text, or waits for the edit to go on; whether it took it.
bool NumberBox::TakeTyped(bool editing)
{
    const TypedNumber typed = TypedNumber::Judge(Typed(), most, editing);
    if (typed.verdict == TypedNumber::REFUSE)
        Refuse();
    if (typed.verdict != TypedNumber::TAKE)
        return false;
    take(typed.number);
    if (typed.capped)
        Show(typed.number);
    return true;
}

void NumberBox::OnSpin(wxSpinEvent& event)
{
    if (!refusing)
        take(event.GetPosition());
}

void NumberBox::OnKillFocus(wxFocusEvent& event)
{
    event.Skip();
    if (Typed().empty())
        EmptyEditEnded();
}

// The edit ended with the box empty. The message follows once the focus has moved and the spin
// control has written its number over the empty text, which is not the user's.
void NumberBox::EmptyEditEnded()
{
    if (refusing || wxGetTopLevelParent(&box)->IsBeingDeleted())
        return;
    refusing = true;
    checkPending = false;
    CallAfter(&NumberBox::Refuse);
}

// The message takes the focus; then the box shows the number still in force, selected, with the
// focus, so that the next keystroke replaces it.
void NumberBox::Refuse()
{
    refusing = true;
    wxMessageBox(wxGetTranslation("Please enter a valid positive integer"),
                 wxGetTranslation("Invalid Entry"), wxOK | wxICON_EXCLAMATION);
    Show(inForce());
    box.SetFocus();
    if (spin)
        spin->SetSelection(-1, -1);
    else
        text->SetSelection(-1, -1);
    refusing = false;
}

// The typed text is read rather than the spin control's value, which keeps its last number
// while the text is not one.
std::string NumberBox::Typed() const
{
    return (spin ? spin->GetTextValue() : text->GetValue()).utf8_string();
}

// Shows a number without reporting it as typed: the spin control reports nothing the program
// sets, and the text box is changed without its event.
void NumberBox::Show(int number)
{
    if (spin)
        spin->SetValue(number);
    else
        text->ChangeValue(wxString::Format(wxGetTranslation("%d"), number));
}
