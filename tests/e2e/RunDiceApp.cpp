#include "RunDiceApp.h"

#include "app/DiceApp.h"

#include <wx/init.h>
#include <wx/window.h>

int RunDiceApp(const char* program, std::vector<std::string> args,
               const std::function<int()>& body)
{
    std::string name = program;
    std::vector<char*> argv{name.data()};
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(argv.size()) - 1;

    wxApp::SetInstance(new DiceApp);
    if (!wxEntryStart(argc, argv.data()) || !wxTheApp->CallOnInit())
        return 1;
    const int result = body();
    wxTheApp->GetTopWindow()->Destroy();
    wxTheApp->ProcessIdle();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
