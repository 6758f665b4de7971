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
    PlaceAtFirstStart(*frame);
    return true;
}

// The window opens at a size that suits the screen it is on, centred there. It is placed once
// shown: GTK, given a large window before it is shown, lays its parts out squeezed first.
void DiceApp::PlaceAtFirstStart(wxTopLevelWindow& window)
{
    const wxRect area = wxDisplay(&window).GetClientArea();
    const wxSize least = window.GetMinSize();
    const WindowPlace::Rect place =
        WindowPlace::FirstStart({area.x, area.y, area.width, area.height}, least.x, least.y);
    window.SetSize(place.x, place.y, place.width, place.height);
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
