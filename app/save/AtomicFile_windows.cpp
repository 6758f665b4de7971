// AtomicFile the Windows way: the new file gets a temporary name beside its target at once, is
// marked to be deleted as its handle closes, so that nothing is left behind by a save that fails
// or a program ended during it, and once written and flushed to the disk is unmarked and renamed
// over the target through its handle, in one step.
#include "app/save/AtomicFile.h"

#include "app/run/QuotedText.h"
#include "common/WindowsText.h"

#include <windows.h>

#include <vector>

namespace {

// The folder that holds `path`, as a prefix of it: "" for a path without one.
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\:");
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string SystemMessage(DWORD systemError)
{
    char* message = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, systemError, 0, reinterpret_cast<char*>(&message), 0, nullptr);
    std::string text = length ? std::string(message, length) : "";
    LocalFree(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.'))
        text.pop_back();
    return text.empty() ? "Windows error " + std::to_string(systemError) : text;
}

std::string Reason(DWORD systemError)
{
    switch (systemError) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
    case ERROR_INVALID_DRIVE:
        return "its folder does not exist";
    case ERROR_ACCESS_DENIED:
        return "its folder may not be written to";
    case ERROR_WRITE_PROTECT:
        return "its folder is on a disk that is read only";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "the disk is full";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "another program has it open";
    default:
        return SystemMessage(systemError);
    }
}

// Marks the open file to be deleted as its handle closes, or takes the mark off.
bool MarkForDeletion(HANDLE file, bool deleted)
{
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = deleted;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// Windows refuses to replace a file that another program has open without letting others delete
// it, and says only that access is denied: whether that is why shows when the file is opened so.
bool HeldOpen(const std::wstring& path)
{
    const HANDLE file =
        CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
}

} // namespace

AtomicFile::AtomicFile(std::string given) : path(std::move(given))
{
    // Numbers in the text read the same in every country.
    text.imbue(std::locale::classic());
    if (FollowLinks())
        CheckTarget();
}

AtomicFile::~AtomicFile() { Discard(); }

// A link (a symbolic link or a junction on the way) leads to the file that is replaced.
bool AtomicFile::FollowLinks()
{
    target = path;
    const DWORD attributes = GetFileAttributesW(WideText(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return true;
    const HANDLE file = CreateFileW(WideText(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Fail(GetLastError());
    std::vector<wchar_t> final(32768);
    const DWORD length = GetFinalPathNameByHandleW(file, final.data(), DWORD(final.size()), 0);
    CloseHandle(file);
    if (length == 0 || length >= final.size())
        return Fail(GetLastError());
    target = NarrowText(std::wstring(final.data(), length));
    return true;
}

bool AtomicFile::CheckTarget()
{
    name = target.substr(FolderOf(target).size());
    const DWORD attributes = GetFileAttributesW(WideText(target).c_str());
    if (name.empty() ||
        (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)))
        return Refuse("it is a folder");
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return Refuse("it is read only");
    return true;
}

bool AtomicFile::Commit()
{
    if (!error.empty() || !Create())
        return false;
    if (!WriteText() || !FlushFileBuffers(handle) || !Rename())
        return Fail(GetLastError());
    CloseHandle(handle);
    handle = nullptr;
    return true;
}

bool AtomicFile::Fail(unsigned long systemError) { return Refuse(Reason(systemError)); }

bool AtomicFile::Refuse(const std::string& reason)
{
    error =
        Failure(path, target == path ? reason
                                     : "it is a link to " + QuotedText(target) + ", and " + reason);
    Discard();
    return false;
}

// Makes the new file beside the target, at a name the system chooses, marked for deletion.
bool AtomicFile::Create()
{
    const std::string folder = FolderOf(target);
    wchar_t temporary[MAX_PATH + 1];
    if (!GetTempFileNameW(WideText(folder.empty() ? "." : folder).c_str(), L"zob", 0, temporary))
        return Fail(GetLastError());
    handle = CreateFileW(temporary, GENERIC_WRITE | DELETE, 0, nullptr, TRUNCATE_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD systemError = GetLastError();
        handle = nullptr;
        DeleteFileW(temporary);
        return Fail(systemError);
    }
    return MarkForDeletion(handle, true) || Fail(GetLastError());
}

// Writes every byte of the text, however many calls it takes.
bool AtomicFile::WriteText()
{
    const std::string bytes = text.str();
    for (std::size_t done = 0; done < bytes.size();) {
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                       &written, nullptr))
            return false;
        done += written;
    }
    return true;
}

// Takes the deletion mark off and renames the file over the target; a failure puts the mark back.
bool AtomicFile::Rename()
{
    wchar_t full[32768];
    const std::wstring wideTarget = WideText(target);
    const DWORD length = GetFullPathNameW(wideTarget.c_str(), 32768, full, nullptr);
    if (length == 0 || length >= 32768)
        return false;
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + length * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->FileNameLength = length * sizeof(wchar_t);
    std::copy(full, full + length + 1, rename->FileName);
    if (!MarkForDeletion(handle, false))
        return false;
    if (SetFileInformationByHandle(handle, FileRenameInfo, rename, DWORD(buffer.size())))
        return true;
    DWORD systemError = GetLastError();
    if (systemError == ERROR_ACCESS_DENIED && HeldOpen(wideTarget))
        systemError = ERROR_SHARING_VIOLATION;
    MarkForDeletion(handle, true);
    SetLastError(systemError);
    return false;
}

// Closing the file deletes it while it is still marked.
void AtomicFile::Discard()
{
    if (handle)
        CloseHandle(handle);
    handle = nullptr;
}
