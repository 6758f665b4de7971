#include "app/save/TemporaryName.h"

#include "app/run/EntropySeed.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int ENDING[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};
constexpr int ENDINGS = sizeof ENDING / sizeof ENDING[0];

// What the handler needs, where it can reach it without allocating or locking.
volatile sig_atomic_t guardedFolder = -1;
char guardedName[16];
struct sigaction previous[ENDINGS];
bool installed[ENDINGS];

extern "C" void RemoveAndEnd(int signalNumber)
{
    if (guardedFolder >= 0)
        unlinkat(guardedFolder, guardedName, 0);
    signal(signalNumber, SIG_DFL);
    raise(signalNumber); // delivered as the handler returns, at the default action
}

// Holds the ending signals back, while the name and the handlers change together; returns the
// signals held before, for Restore.
sigset_t Hold()
{
    sigset_t held, before;
    sigemptyset(&held);
    for (int signalNumber : ENDING)
        sigaddset(&held, signalNumber);
    pthread_sigmask(SIG_BLOCK, &held, &before);
    return before;
}

void Restore(const sigset_t& before) { pthread_sigmask(SIG_SETMASK, &before, nullptr); }

void Guard(int folder, const char (&name)[16])
{
    std::memcpy(guardedName, name, sizeof guardedName);
    guardedFolder = folder;
    struct sigaction remove {};
    remove.sa_handler = RemoveAndEnd;
    sigemptyset(&remove.sa_mask);
    for (int signalNumber : ENDING)
        sigaddset(&remove.sa_mask, signalNumber);
    for (int s = 0; s < ENDINGS; ++s) {
        sigaction(ENDING[s], nullptr, &previous[s]);
        installed[s] = !(previous[s].sa_flags & SA_SIGINFO) && previous[s].sa_handler == SIG_DFL &&
                       sigaction(ENDING[s], &remove, nullptr) == 0;
    }
}

void Unguard()
{
    for (int s = 0; s < ENDINGS; ++s)
        if (installed[s])
            sigaction(ENDING[s], &previous[s], nullptr);
    guardedFolder = -1;
}

// ".zobrin-" and six of a-z and 0-9.
void Fresh(char (&name)[16])
{
    std::strcpy(name, ".zobrin-");
    const char* const SYMBOLS = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uint32_t bits = EntropySeed();
    for (std::size_t c = std::strlen(name); c < 14; ++c, bits /= 36)
        name[c] = SYMBOLS[bits % 36];
    name[14] = '\0';
}

} // namespace

bool TemporaryName::Take(int folderDescriptor, const std::function<int(const char*)>& make)
{
    Remove();
    for (int attempt = 0; attempt < 100; ++attempt) {
        Fresh(name);
        const sigset_t before = Hold();
        const bool made = make(name) == 0;
        const int error = errno;
        if (made) {
            folder = folderDescriptor;
            Guard(folder, name);
        }
        Restore(before);
        errno = error;
        if (made || error != EEXIST)
            return made;
    }
    return false; // errno is EEXIST
}

void TemporaryName::Release() { Let(false); }

void TemporaryName::Remove() { Let(true); }

void TemporaryName::Let(bool remove)
{
    if (folder < 0)
        return;
    const sigset_t before = Hold();
    if (remove)
        unlinkat(folder, name, 0);
    Unguard();
    Restore(before);
    folder = -1;
}
