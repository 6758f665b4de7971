#include "app/save/SettingsPlace.h"

#include <cstdlib>
#include <sys/stat.h>

// $XDG_CONFIG_HOME/zobrin/settings, by default ~/.config/zobrin/settings.
std::string SettingsFilePath()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // The folder is named by an absolute path, or not at all.
    if (config && config[0] == '/')
        return std::string(config) + "/zobrin/settings";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config/zobrin/settings";
    return "";
}

void MakeFoldersFor(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
}
