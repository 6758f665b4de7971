#include "app/save/AtomicFile.h"

#include "app/run/QuotedText.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system follows in one path.
constexpr int MAX_LINKS = 40;

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
        return "its folder may not be written to";
    case EROFS:
        return "its folder is on a disk that is read only";
    case ENOSPC:
    case EDQUOT:
        return "the disk is full";
    case EISDIR:
        return "it is a folder";
    case ELOOP:
        return "its symbolic links lead round in a circle";
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

AtomicFile::AtomicFile(std::string given) : path(std::move(given))
{
    // Numbers in the text read the same in every country.
    text.imbue(std::locale::classic());
    if (!FollowLinks())
        return;
    const std::string folderPath = FolderOf(target);
    name = target.substr(folderPath.size());
    folder = open(folderPath.empty() ? "." : folderPath.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0 && errno == EACCES)
        Refuse("its folder may not be opened");
    else if (folder < 0 || name.empty())
        Fail(folder < 0 ? errno : EISDIR);
    else
        CheckTarget();
}

bool AtomicFile::CheckTarget()
{
    struct stat old;
    if (fstatat(folder, name.c_str(), &old, 0) == 0 && !S_ISREG(old.st_mode))
        return Refuse(S_ISDIR(old.st_mode) ? Reason(EISDIR) : "it is not a plain file");
    const std::string obstacle = Obstacle();
    return obstacle.empty() || Refuse(obstacle);
}

// What keeps this process from replacing the target, as far as the system says: "" when nothing
// known does. A file or a folder marked immutable or append only refuses everyone, root included;
// a folder with the sticky bit (as /tmp) lets only a file's owner, the folder's and root replace
// it; a file the user may not write is not replaced either, as editors refuse it; and a new file
// needs a folder the user may write. Root may write any file, and so replace any.
std::string AtomicFile::Obstacle() const
{
    struct statx place = {};
    if (folder < 0 || statx(folder, "", AT_EMPTY_PATH, STATX_UID | STATX_MODE, &place) != 0)
        return "";
    struct statx file = {};
    const bool exists = statx(folder, name.c_str(), AT_SYMLINK_NOFOLLOW, STATX_UID, &file) == 0;
    const uid_t user = geteuid();
    if (exists && (file.stx_attributes & STATX_ATTR_IMMUTABLE))
        return "it is marked immutable";
    if (exists && (file.stx_attributes & STATX_ATTR_APPEND))
        return "it is marked append only";
    if (place.stx_attributes & STATX_ATTR_IMMUTABLE)
        return "its folder is marked immutable";
    if (place.stx_attributes & STATX_ATTR_APPEND)
        return "its folder is marked append only";
    if (exists && (place.stx_mode & S_ISVTX) && user != 0 && file.stx_uid != user &&
        place.stx_uid != user)
        return "it belongs to another user, and in its folder only a file's owner may replace it";
    if (exists && faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
        return "it is read only";
    if (faccessat(folder, ".", W_OK | X_OK, AT_EACCESS) != 0 && errno == EACCES)
        return Reason(EACCES);
    return "";
}

AtomicFile::~AtomicFile()
{
    Discard();
    if (folder >= 0)
        close(folder);
}

bool AtomicFile::Commit()
{
    if (!error.empty() || !Create())
        return false;
    struct stat old;
    const bool replaces = fstatat(folder, name.c_str(), &old, 0) == 0;
    if (replaces)
        KeepOwner(old);
    if (!WriteText() || fchmod(descriptor, ModeFor(replaces ? &old : nullptr)) != 0 ||
        fsync(descriptor) != 0 || !Name())
        return Fail(errno);
    const int closing = close(descriptor);
    descriptor = -1;
    if (closing != 0 || renameat(folder, temporary.Name(), folder, name.c_str()) != 0)
        return Fail(errno);
    temporary.Release();
    // The rename itself reaches the disk with the folder.
    const int synced = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (synced >= 0) {
        fsync(synced);
        close(synced);
    }
    return true;
}

// A step refused by the system's permissions is told by what stood in its way, where that is known.
bool AtomicFile::Fail(int errorNumber)
{
    const std::string obstacle = errorNumber == EACCES || errorNumber == EPERM ? Obstacle() : "";
    return Refuse(obstacle.empty() ? Reason(errorNumber) : obstacle);
}

bool AtomicFile::Refuse(const std::string& reason)
{
    error =
        Failure(path, target == path ? reason
                                     : "it is a link to " + QuotedText(target) + ", and " + reason);
    Discard();
    return false;
}

// Follows `path` to the end of its chain of symbolic links: the file there is the one replaced, in
// its own folder, and the links stay as they are. A link to nowhere gets the file it names made.
bool AtomicFile::FollowLinks()
{
    target = path;
    struct stat file;
    for (int links = 0; lstat(target.c_str(), &file) == 0 && S_ISLNK(file.st_mode); ++links) {
        std::string next(PATH_MAX, '\0');
        const ssize_t length = readlink(target.c_str(), next.data(), next.size());
        if (links == MAX_LINKS || length <= 0 || std::size_t(length) == next.size())
            return Fail(links == MAX_LINKS ? ELOOP : length < 0 ? errno : ENAMETOOLONG);
        next.resize(std::size_t(length));
        target = next[0] == '/' ? next : FolderOf(target) + next;
    }
    return true;
}

// Makes the new file: without a name where the folder's disk can, else at a temporary name.
bool AtomicFile::Create()
{
    descriptor = openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    unnamed = descriptor >= 0;
    if (!unnamed && (errno == EOPNOTSUPP || errno == EISDIR))
        temporary.Take(folder, [this](const char* at) {
            descriptor = openat(folder, at, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            return descriptor < 0 ? -1 : 0;
        });
    return descriptor >= 0 || Fail(errno);
}

// The new file keeps the owner and the group of the one it replaces, as far as the system lets
// this process give them (root any, others a group of their own). The mode is set after this,
// since a change of owner clears the set-user-ID and set-group-ID bits.
void AtomicFile::KeepOwner(const struct stat& old)
{
    if (fchown(descriptor, old.st_uid, old.st_gid) != 0)
        (void)!fchown(descriptor, static_cast<uid_t>(-1), old.st_gid);
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

// Gives the complete file a temporary name beside its target, if it has none yet: the rename
// over the target needs one.
bool AtomicFile::Name()
{
    if (!unnamed)
        return true;
    const std::string self = "/proc/self/fd/" + std::to_string(descriptor);
    return temporary.Take(folder, [&](const char* at) {
        if (linkat(AT_FDCWD, self.c_str(), folder, at, AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != ENOENT)
            return -1;
        // No /proc: only a process that may read any file may link a descriptor without it.
        return linkat(descriptor, "", folder, at, AT_EMPTY_PATH);
    });
}

void AtomicFile::Discard()
{
    if (descriptor >= 0)
        close(descriptor);
    descriptor = -1;
    temporary.Remove();
}
