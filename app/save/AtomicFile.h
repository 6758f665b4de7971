#pragma once

#include "app/run/QuotedText.h"

#include <sstream>
#include <string>
#ifndef _WIN32
#include "app/save/TemporaryName.h"

#include <sys/stat.h>
#endif

// Writes a file whole or not at all. Commit writes the text to a new file in the target's folder,
// and so on the same disk, syncs it and renames it over the target in one step: the target is the
// old file or the new one, never a part of either. A symbolic link is followed: the file it
// points to is replaced, in its own folder, and the link stays. A file the user may not write is
// refused; one replaced keeps its owner, group and permissions as far as the system allows. Where
// the folder's disk allows it (Linux), the new file has no name at all until it is complete, so
// even a program killed while saving leaves nothing behind; elsewhere it has a short temporary
// name, removed again when the save fails, the file is never committed, or a signal ends the
// program during the save (TemporaryName). On Windows the new file has a temporary name from the
// start, marked to go when it is closed until it has replaced the target, so that a program ended
// during the save leaves nothing behind there either.
//
// The text is written to Text(). Every failure, of the writing included, is told by Error(), a
// sentence that names the path as the caller gave it (control characters escaped) and the reason:
// what stood in the way where the system says, an immutable file or a sticky folder included.
class AtomicFile {
public:
    // Finds the target's folder at once; Error() says why when it cannot.
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::ostream& Text() { return text; }

    // Writes the text to a new file, syncs it to the disk and renames it over the target. False
    // when the target cannot be replaced or any of these steps fails.
    bool Commit();

    // Empty while all goes well.
    const std::string& Error() const { return error; }

    // The sentence that tells why `path` could not be saved.
    static std::string Failure(const std::string& path, const std::string& reason)
    {
        return "could not save " + QuotedText(path) + ": " + reason;
    }

private:
    bool Refuse(const std::string& reason);
    bool FollowLinks();
    bool CheckTarget();
    bool Create();
    bool WriteText();
    void Discard();
#ifdef _WIN32
    // The Windows way, in AtomicFile_windows.cpp.
    bool Fail(unsigned long systemError);
    bool Rename();
    void* handle = nullptr; // the new file's, while it lives
#else
    bool Fail(int errorNumber);
    std::string Obstacle() const;
    void KeepOwner(const struct stat& old);
    bool Name();

    int folder = -1; // the target's folder, open while the file lives
    int descriptor = -1;
    bool unnamed = false; // the new file has no name yet
    TemporaryName temporary;
#endif

    std::string path;   // as the caller gave it
    std::string target; // the file replaced: `path`, or where its chain of links ends
    std::string name;   // the target's name in its folder
    std::ostringstream text;
    std::string error;
};
