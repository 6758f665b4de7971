#include "RunDiceApp.h"

#include "app/window/DiceApp.h"

#include <wx/init.h>
#include <wx/window.h>

int RunDiceApp(const char* program, const std::vector<std::string>& args,
               const std::function<int()>& body)
{
    std::string name = program;
    std::vector<const char*> argv{name.c_str()};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    const CommandLine commandLine = CommandLine::Parse(static_cast<int>(argv.size()), argv.data());

    // As the program's own start does: the toolkit sees the program's name only.
    char* toolkitArgv[] = {name.data(), nullptr};
    int toolkitArgc = 1;
    wxApp::SetInstance(new DiceApp(commandLine));
    if (!wxEntryStart(toolkitArgc, toolkitArgv) || !wxTheApp->CallOnInit())
        return 1;
    const int result = body();
    wxTheApp->GetTopWindow()->Destroy();
    wxTheApp->ProcessIdle();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
