#include "app/window/DiceApp.h"

#include "app/run/WindowPlace.h"
#include "app/save/KeptSettings.h"
#include "app/window/DiceFrame.h"
#include "app/window/WindowZoom.h"

#include <wx/clipbrd.h>
#include <wx/display.h>
#include <wx/image.h>
#include <wx/log.h>

#include <iostream>

bool DiceApp::OnInit()
{
    // With the display open, the toolkit's own messages show in message boxes again.
    delete wxLog::SetActiveTarget(nullptr);
    wxInitAllImageHandlers();
    frame = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
    ApplyArguments(*frame, commandLine);
    ApplyZoom(frame->Zoom(), commandLine);
    SetTopWindow(frame);
    frame->Show();
    Place(*frame);
    return true;
}

namespace {

WindowPlace::Rect PlaceOf(const wxRect& r) { return {r.x, r.y, r.width, r.height}; }

} // namespace

// The window opens where it was at its last close, where that still fits the screen it was on;
// else at a size that suits the screen, centred there. It is placed once shown: GTK, given a large
// window before it is shown, lays its parts out squeezed first. At its close its place is kept,
// unless it is maximised or minimised, which the window manager undoes by itself.
void DiceApp::Place(wxTopLevelWindow& window)
{
    KeptSettings settings(KeptSettings::Path(), std::cerr);
    const wxSize least = window.GetMinSize();
    const std::optional<std::string> keptText = settings.LoadPlace();
    const std::optional<WindowPlace::Rect> kept =
        keptText ? WindowPlace::Parse(*keptText) : std::nullopt;
    const int display = kept ? wxDisplay::GetFromPoint(
                                   wxPoint(kept->x + kept->width / 2, kept->y + kept->height / 2))
                             : wxNOT_FOUND;
    if (display != wxNOT_FOUND &&
        WindowPlace::Fits(*kept, PlaceOf(wxDisplay(display).GetClientArea()), least.x, least.y)) {
        window.Move(kept->x, kept->y);
        window.SetClientSize(kept->width, kept->height);
    } else {
        const WindowPlace::Rect place =
            WindowPlace::FirstStart(PlaceOf(wxDisplay(&window).GetClientArea()), least.x, least.y);
        window.SetSize(place.x, place.y, place.width, place.height);
    }
    // The window's corner and the size of its inside: GTK learns of the frame round it later.
    window.Bind(wxEVT_CLOSE_WINDOW, [&window, settings](wxCloseEvent& event) mutable {
        if (!window.IsMaximized() && !window.IsIconized())
            settings.SavePlace(
                WindowPlace::Text(PlaceOf(wxRect(window.GetPosition(), window.GetClientSize()))));
        event.Skip();
    });
}

int DiceApp::OnExit()
{
    wxTheClipboard->Flush();
    return wxApp::OnExit();
}

void DiceApp::ApplyArguments(DiceFrame& frame, const CommandLine& commandLine)
{
    if (commandLine.dice)
        frame.SetNumberOfDice(*commandLine.dice);
    if (commandLine.rolls)
        frame.SetNumberOfRolls(*commandLine.rolls);
    if (commandLine.seed)
        frame.SetSeedSource([next = *commandLine.seed]() mutable { return next++; });
    if (commandLine.die)
        frame.SetDie(*commandLine.die);
    frame.SetTestAgainstFair(commandLine.testAgainstFair);
}

// The zoom the command line names, or else the one kept from the last start. Only a zoom the user
// chooses in the window is kept.
void DiceApp::ApplyZoom(WindowZoom& zoom, const CommandLine& commandLine)
{
    KeptSettings settings(KeptSettings::Path(), std::cerr);
    if (const std::optional<int> percent =
            commandLine.zoom ? commandLine.zoom : settings.LoadZoom())
        zoom.Set(*percent);
    zoom.userChanged = [settings](int percent) mutable { settings.SaveZoom(percent); };
}
