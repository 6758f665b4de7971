#include "app/window/DiceApp.h"

#include "app/save/KeptSettings.h"
#include "app/window/DiceFrame.h"
#include "app/window/WindowZoom.h"

#include <wx/clipbrd.h>
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
    return true;
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
