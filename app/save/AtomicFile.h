#pragma once

#include <sstream>
#include <string>

// Writes a file whole or not at all. The bytes go to a temporary file beside the target, in the
// same folder and so on the same disk, which Commit writes out, syncs and renames over the
// target in one step: the target is the old file or the new one, never a part of either. When
// any step fails, or the file is never committed, nothing is left behind: no new target and no
// temporary file.
//
// The text is written to Text(); a library that writes files by name writes to TemporaryPath()
// instead. Every failure, of the writing included, is told by Error(), a sentence that names the
// path as the caller gave it and the reason.
class AtomicFile {
public:
    // Makes the temporary file for `path` at once; Error() says why when it cannot.
    explicit AtomicFile(std::string path);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::ostream& Text() { return text; }
    const std::string& TemporaryPath() const { return temporary; }

    // Writes the text to the temporary file, syncs it to the disk and renames it over the target.
    // False when the file could not be made or any of these steps fails.
    bool Commit();

    // Empty while all goes well.
    const std::string& Error() const { return error; }

    // The sentence that tells why `path` could not be saved.
    static std::string Failure(const std::string& path, const std::string& reason);

private:
    bool Fail(int errorNumber);
    bool WriteText();
    void Discard();

    std::string path;
    std::string temporary;
    int descriptor = -1;
    std::ostringstream text;
    std::string error;
};
