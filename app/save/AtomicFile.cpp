#include "app/save/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder that holds `path`, as a prefix of it: "" for a path without one.
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string Reason(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return "its folder does not exist";
    case ENOTDIR:
        return "a part of its folder is not a folder";
    case EACCES:
    case EPERM:
        return "its folder may not be written to";
    case EROFS:
        return "its folder is on a disk that is read only";
    case ENOSPC:
    case EDQUOT:
        return "the disk is full";
    case EISDIR:
        return "it is a folder";
    default:
        return std::strerror(errorNumber);
    }
}

// The permissions a new file gets: those of the file it replaces, or what the user's umask
// leaves of read and write for all.
mode_t ModeFor(const struct stat* replaced)
{
    if (replaced)
        return replaced->st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

AtomicFile::AtomicFile(std::string target) : path(std::move(target))
{
    // Numbers in the text read the same in every country.
    text.imbue(std::locale::classic());
    struct stat old;
    if (stat(path.c_str(), &old) == 0 && !S_ISREG(old.st_mode)) {
        error = Failure(path, S_ISDIR(old.st_mode) ? Reason(EISDIR) : "it is not a plain file");
        return;
    }
    const std::string name = path.substr(FolderOf(path).size());
    std::string pattern = FolderOf(path) + "." + name + ".XXXXXX";
    descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        Fail(errno);
        return;
    }
    temporary = pattern;
}

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Commit()
{
    if (descriptor < 0)
        return false;
    struct stat old;
    const bool replaces = stat(path.c_str(), &old) == 0;
    if (!WriteText() || fchmod(descriptor, ModeFor(replaces ? &old : nullptr)) != 0 ||
        fsync(descriptor) != 0)
        return Fail(errno);
    const int closing = close(descriptor);
    descriptor = -1;
    if (closing != 0 || rename(temporary.c_str(), path.c_str()) != 0)
        return Fail(errno);
    temporary.clear();
    // The rename itself reaches the disk with the folder.
    const int folder = open((FolderOf(path) + ".").c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
}

std::string AtomicFile::Failure(const std::string& path, const std::string& reason)
{
    return "could not save \"" + path + "\": " + reason;
}

bool AtomicFile::Fail(int errorNumber)
{
    error = Failure(path, Reason(errorNumber));
    Discard();
    return false;
}

// Writes every byte of the text, however many calls it takes; false with errno set if one fails.
bool AtomicFile::WriteText()
{
    const std::string bytes = text.str();
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0)
            errno = EIO;
        if (n == 0 || (n < 0 && errno != EINTR))
            return false;
    }
    return true;
}

void AtomicFile::Discard()
{
    if (descriptor >= 0)
        close(descriptor);
    descriptor = -1;
    if (!temporary.empty())
        unlink(temporary.c_str());
    temporary.clear();
}
