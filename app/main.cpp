// The program's entry point. The command line is read here, as the process received it: the
// toolkit would drop arguments it cannot convert to text and take out options of its own. Only
// then does the toolkit start, and only for the window: --help, --version and --save need no
// display.
#include "app/export/DrawnRunFiles.h"
#include "app/run/CommandLine.h"
#include "app/run/RunModel.h"
#include "app/save/HeadlessRun.h"
#include "app/save/RunFiles.h"
#include "app/window/DiceApp.h"

#include <wx/init.h>
#include <wx/log.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

// The exit status of a run to be saved whose command line is wrong or whose file was not saved.
constexpr int EXIT_NOT_SAVED = 2;

// --save: the run is made and saved without a window; a picture is of its Theory graph.
int SaveWithoutWindow(const CommandLine& commandLine)
{
    if (!commandLine.errors.empty())
        return EXIT_NOT_SAVED;
    RunModel run;
    MakeHeadlessRun(run, commandLine);
    std::string error;
    if (SaveRun(run, *commandLine.savePath, DrawnRunFiles(RunPicture::Graph::THEORY), error))
        return EXIT_SUCCESS;
    std::cerr << "zobrin: " << error << '\n';
    return EXIT_NOT_SAVED;
}

// Prints `text`, the program's whole work, on standard output. When it cannot be written there
// whole (a full disk, a closed descriptor), the work is not done: that is said and is a failure.
int Print(const std::string& text)
{
    errno = 0;
    const bool written = std::fputs(text.c_str(), stdout) >= 0;
    if (std::fflush(stdout) == 0 && written && !std::ferror(stdout))
        return EXIT_SUCCESS;
    const int reason = errno;
    std::cerr << "zobrin: could not write to standard output"
              << (reason ? std::string(": ") + std::strerror(reason) : "") << '\n';
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine commandLine = CommandLine::Parse(argc, argv);
    for (const std::string& error : commandLine.errors)
        std::cerr << "zobrin: " << error << '\n';
    if (!commandLine.errors.empty() && commandLine.action != CommandLine::Action::HELP)
        std::cerr << CommandLine::Synopsis();
    if (commandLine.action == CommandLine::Action::HELP)
        return Print(CommandLine::Usage());
    if (commandLine.action == CommandLine::Action::VERSION)
        return Print(CommandLine::Version());
    if (commandLine.savePath)
        return SaveWithoutWindow(commandLine);

    // The toolkit gets the program's name only: every argument has been read above. Until the
    // window is up, the toolkit's messages go to standard error: where it cannot open the
    // display, the message box it would show for that fails too.
    char* toolkitArgv[] = {argv[0], nullptr};
    int toolkitArgc = 1;
    wxApp::SetInstance(new DiceApp(commandLine));
    wxLog::DisableTimestamp();
    delete wxLog::SetActiveTarget(new wxLogStderr);
    return wxEntry(toolkitArgc, toolkitArgv) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
