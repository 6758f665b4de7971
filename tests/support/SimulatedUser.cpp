#include "SimulatedUser.h"

#include "ToolkitTestSupport.h"

#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>
#include <wx/window.h>

// Declared here so the tests do not need GTK's development headers.
const int GTK_RESPONSE_OK = -5;
extern "C" {
int gtk_widget_get_mapped(void* widget);
void gtk_dialog_response(void* dialog, int response);
}

bool SimulatedUser::Click(wxWindow& control)
{
    return ClickAt(control, wxPoint(control.GetSize().x / 2, control.GetSize().y / 2));
}

bool SimulatedUser::ClickIntoText(wxWindow& box)
{
    return ClickAt(box, wxPoint(box.GetSize().x / 4, box.GetSize().y / 2));
}

void SimulatedUser::Tap(wxWindow& control)
{
    PressAt(control, wxPoint(control.GetSize().x / 2, control.GetSize().y / 2));
}

bool SimulatedUser::ClickAt(wxWindow& control, const wxPoint& where)
{
    PressAt(control, where);
    return WaitFor([&] { return wxWindow::FindFocus() == &control; }, 5);
}

// GTK takes a press only where it has seen the pointer arrive, so the pointer moves first and
// the press follows once its motion is through.
void SimulatedUser::PressAt(wxWindow& control, const wxPoint& where)
{
    sim.MouseMove(control.GetScreenRect().GetPosition() + where);
    LetEventsThrough(0.05);
    sim.MouseDown();
    LetEventsThrough(0.05);
    sim.MouseUp();
}

void SimulatedUser::ClickTwice(wxWindow& control, int gapMs)
{
    sim.MouseMove(control.GetScreenRect().GetPosition() + control.GetSize() / 2);
    LetEventsThrough(0.05);
    sim.MouseClick();
    wxMilliSleep(gapMs);
    sim.MouseClick();
}

bool SimulatedUser::TypeKeys(wxWindow& box, const std::vector<int>& keys)
{
    if (!ClickIntoText(box))
        return false;
    for (int key : keys)
        Key(key);
    return true;
}

bool SimulatedUser::TypeOverAll(wxWindow& box, const char* text)
{
    if (!ClickIntoText(box))
        return false;
    Key('a' | CTRL);
    sim.Text(text);
    return true;
}

void SimulatedUser::Key(int key)
{
    sim.Char(key & ~CTRL, (key & CTRL) ? wxMOD_CONTROL : wxMOD_NONE);
}

MessageBoxAnswerer::MessageBoxAnswerer()
{
    poll.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Answer(); });
    Register();
}

MessageBoxAnswerer::~MessageBoxAnswerer() { Unregister(); }

int MessageBoxAnswerer::Enter(wxDialog* dialog)
{
    if (auto* box = dynamic_cast<wxMessageDialog*>(dialog))
        shown.push_back((box->GetTitle() + ": " + box->GetMessage()).utf8_string());
    open = dialog;
    returnPressed = false;
    polls = 0;
    poll.Start(20);
    return wxID_NONE; // the box shows as usual
}

void MessageBoxAnswerer::Exit(wxDialog*)
{
    poll.Stop();
    open = nullptr;
}

// The timer runs inside the box's own event loop. Return is pressed once the box is on the
// screen; a box still open five seconds later is closed directly, and says so, so that a test
// never hangs on it.
void MessageBoxAnswerer::Answer()
{
    void* handle = open ? open->GetHandle() : nullptr;
    if (!returnPressed && handle && gtk_widget_get_mapped(handle)) {
        sim.Char(WXK_RETURN);
        returnPressed = true;
    } else if (++polls == 250 && handle) {
        shown.back() += " (not answered by its key)";
        gtk_dialog_response(handle, GTK_RESPONSE_OK);
    }
}
