#pragma once

#include <optional>
#include <ostream>
#include <string>

// The settings Zobrin keeps from one start to the next: the zoom the user chose last, the setting
// Zoom of the section [View], and the window's place at its last close, the setting Place of the
// section [Window]. They live in $XDG_CONFIG_HOME/zobrin/settings (by default
// ~/.config/zobrin/settings), read as SettingsText reads it. A file that is missing, or says no
// valid setting clearly, gives the defaults and is left as it is until the user changes a setting:
// reading never writes. A change rewrites that setting's line only, keeping every other line, and
// writes the file whole or not at all. A file that cannot be read (not a regular file, too large,
// or refused) is never written over: the first change says so on the messages' stream.
class KeptSettings {
public:
    // The settings kept in the file at `path`, none when it is empty; what the user should know
    // goes to `messages`.
    KeptSettings(std::string path, std::ostream& messages)
        : path(std::move(path)), messages(&messages)
    {
    }

    // The settings file's path (SettingsFilePath, on Windows %APPDATA%\Zobrin\settings); empty
    // when the system names no folder for it.
    static std::string Path();

    // The zoom kept in the file, or nothing.
    std::optional<int> LoadZoom() const;
    // Keeps `percent` as the zoom in the file as it is now, made with its folder when missing.
    // False when it was not kept.
    bool SaveZoom(int percent);
    // The window's place kept in the file, as WindowPlace reads it, or nothing.
    std::optional<std::string> LoadPlace() const;
    // Keeps the window's place (WindowPlace's text) the same way as the zoom.
    bool SavePlace(const std::string& place);

private:
    enum class Reading { READ, MISSING, UNREADABLE };
    Reading Read(std::string& bytes) const;
    std::optional<std::string> Load(const char* section, const char* key) const;
    bool Save(const char* section, const char* key, const std::string& value, const char* what);

    std::string path;
    std::ostream* messages;
    bool told = false;
};
