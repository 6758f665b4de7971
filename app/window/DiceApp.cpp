#include "app/window/DiceApp.h"

#include "app/window/DiceFrame.h"

#include <wx/clipbrd.h>
#include <wx/image.h>
#include <wx/log.h>

bool DiceApp::OnInit()
{
    // With the display open, the toolkit's own messages show in message boxes again.
    delete wxLog::SetActiveTarget(nullptr);
    wxInitAllImageHandlers();
    frame = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
    ApplyArguments(*frame, commandLine);
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
}
