#include "app/DiceApp.h"

#include "app/DiceFrame.h"
#include "app/RunArguments.h"

#include <wx/image.h>

#include <vector>

bool DiceApp::OnInit()
{
    wxInitAllImageHandlers();
    frame = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
    std::vector<wxString> args(argv.GetArguments().begin(), argv.GetArguments().end());
    ApplyArguments(*frame, argc, args.data());
    SetTopWindow(frame);
    frame->Show();
    return true;
}

void DiceApp::ApplyArguments(DiceFrame& frame, int argc, const wxString* argv)
{
    int value = 0;
    if (argc >= 2 && ParseRunArgument(argv[1].ToStdString(), value))
        frame.SetNumberOfDice(value);
    if (argc >= 3 && ParseRunArgument(argv[2].ToStdString(), value))
        frame.SetNumberOfRolls(value);
}
