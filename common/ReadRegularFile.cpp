#include "common/ReadRegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool ReadRegularFile(const std::string& fileName, std::size_t maxBytes, std::string& bytes)
{
    const int fd = open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                         static_cast<unsigned long long>(info.st_size) <= maxBytes;
    bool complete = regular;
    if (regular) {
        // Up to the size the file had when opened; a file that shrinks meanwhile is cut short.
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t length = 0;
        while (length < bytes.size()) {
            const ssize_t got = read(fd, &bytes[length], bytes.size() - length);
            if (got < 0) {
                complete = false;
                break;
            }
            if (got == 0)
                break;
            length += static_cast<std::size_t>(got);
        }
        bytes.resize(length);
    }
    close(fd);
    return complete;
}
