#include "RunDiceApp.h"

#include "app/window/DiceApp.h"

#include <wx/init.h>
#include <wx/window.h>

#include <cstdio>
#include <cstdlib>

int RunDiceApp(const char* program, const std::vector<std::string>& args,
               const std::function<int()>& body)
{
    std::string name = program;
    std::vector<const char*> argv{name.c_str()};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    const CommandLine commandLine = CommandLine::Parse(static_cast<int>(argv.size()), argv.data());

    // Settings of its own, none kept: the user's zoom and window place play no part.
    static std::string settings = std::string(P_tmpdir) + "/zobrin-e2e-XXXXXX";
    if (mkdtemp(settings.data()))
        setenv("XDG_CONFIG_HOME", settings.c_str(), 1);

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
