#pragma once

#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <vector>

// The program itself, started as a shell starts it: in `folder`, with the catchable signals at
// their default actions, standard output going to `output` (a file or a device), files no larger
// than `fileSizeLimit` bytes, and standard error kept for Errors().
class ProgramRun {
public:
    ProgramRun(const std::vector<std::string>& args, const std::string& folder,
               const std::string& output = "/dev/null", rlim_t fileSizeLimit = RLIM_INFINITY);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    void Signal(int signalNumber);
    // Waits for the program to end: its exit status, or 128 + the signal that ended it, as a
    // shell reports it.
    int Wait();
    // What the program wrote on standard error, once it has ended.
    const std::string& Errors() const { return errors; }

private:
    pid_t child = -1;
    int errorPipe = -1;
    int status = -1;
    std::string errors;
};
