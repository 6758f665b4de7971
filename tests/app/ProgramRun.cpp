#include "ProgramRun.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// In the child between fork and exec: only calls that are safe there.
[[noreturn]] void Become(const std::vector<const char*>& argv, const std::string& folder,
                         const std::string& output, rlim_t fileSizeLimit, int errorEnd)
{
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGXFSZ, SIGPIPE})
        signal(signalNumber, SIG_DFL);
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const rlimit limit{fileSizeLimit, RLIM_INFINITY};
    if (out < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(errorEnd, STDERR_FILENO) < 0 ||
        chdir(folder.c_str()) != 0 ||
        (fileSizeLimit != RLIM_INFINITY && setrlimit(RLIMIT_FSIZE, &limit) != 0))
        _exit(127);
    execv(argv[0], const_cast<char* const*>(argv.data()));
    _exit(127);
}

} // namespace

ProgramRun::ProgramRun(const std::vector<std::string>& args, const std::string& folder,
                       const std::string& output, rlim_t fileSizeLimit)
{
    std::vector<const char*> argv{ZOBRIN_PROGRAM};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    argv.push_back(nullptr);
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return;
    child = fork();
    if (child == 0)
        Become(argv, folder, output, fileSizeLimit, ends[1]);
    close(ends[1]);
    errorPipe = ends[0];
}

ProgramRun::~ProgramRun()
{
    if (child > 0 && status < 0)
        Signal(SIGKILL);
    Wait();
}

void ProgramRun::Signal(int signalNumber)
{
    if (child > 0 && status < 0)
        kill(child, signalNumber);
}

int ProgramRun::Wait()
{
    if (errorPipe >= 0) {
        char buffer[4096];
        for (ssize_t n; (n = read(errorPipe, buffer, sizeof buffer)) != 0;)
            if (n > 0)
                errors.append(buffer, static_cast<std::size_t>(n));
            else if (errno != EINTR)
                break;
        close(errorPipe);
        errorPipe = -1;
    }
    int raw = 0;
    if (child > 0 && status < 0 && waitpid(child, &raw, 0) == child)
        status = WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : WEXITSTATUS(raw);
    return status;
}
