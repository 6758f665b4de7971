// Zobrin on Windows is a window program, which Windows starts without a console. Its command line
// still answers where it was typed: before main runs, standard output and standard error that lead
// nowhere are tied to the console of the program that started Zobrin (a command prompt), if it has
// one. Streams redirected to a file or a pipe stay as they are.
#include <windows.h>

#include <cstdio>

namespace {

bool LeadsSomewhere(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle && handle != INVALID_HANDLE_VALUE;
}

struct ParentConsole {
    ParentConsole()
    {
        const bool output = LeadsSomewhere(STD_OUTPUT_HANDLE);
        const bool errors = LeadsSomewhere(STD_ERROR_HANDLE);
        if ((output && errors) || !AttachConsole(ATTACH_PARENT_PROCESS))
            return;
        if (!output)
            (void)!std::freopen("CONOUT$", "w", stdout);
        if (!errors)
            (void)!std::freopen("CONOUT$", "w", stderr);
    }
};

const ParentConsole parentConsole;

} // namespace
