#include "app/save/SettingsPlace.h"

#include "common/WindowsText.h"

#include <windows.h>

#include <cwchar>

// %APPDATA%\Zobrin\settings, where Windows keeps the settings that roam with the user.
std::string SettingsFilePath()
{
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (!appData || !appData[0])
        return "";
    return NarrowText(appData) + "\\Zobrin\\settings";
}

// Folders made under %APPDATA% are the user's alone already.
void MakeFoldersFor(const std::string& path)
{
    for (std::size_t slash = path.find_first_of("/\\", 3); slash != std::string::npos;
         slash = path.find_first_of("/\\", slash + 1))
        CreateDirectoryW(WideText(path.substr(0, slash)).c_str(), nullptr);
}
