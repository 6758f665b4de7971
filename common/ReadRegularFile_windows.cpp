#include "common/ReadRegularFile.h"

#include "common/WindowsText.h"

#include <windows.h>

// The Windows way: a file on a disk, not a folder, a device or a pipe, read as bytes.
bool ReadRegularFile(const std::string& fileName, std::size_t maxBytes, std::string& bytes)
{
    const HANDLE file = CreateFileW(WideText(fileName).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    const bool regular = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) &&
                         static_cast<unsigned long long>(size.QuadPart) <= maxBytes;
    bool complete = regular;
    if (regular) {
        // Up to the size the file had when opened; a file that shrinks meanwhile is cut short.
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        std::size_t length = 0;
        DWORD got = 1;
        while (length < bytes.size() && got > 0) {
            complete = ReadFile(file, &bytes[length], static_cast<DWORD>(bytes.size() - length),
                                &got, nullptr);
            if (!complete)
                break;
            length += got;
        }
        bytes.resize(length);
    }
    CloseHandle(file);
    return complete;
}
