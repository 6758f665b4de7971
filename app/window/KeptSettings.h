#pragma once

#include <optional>
#include <string>

// The settings Zobrin keeps from one start to the next: for now the zoom the user chose last. They
// live in $XDG_CONFIG_HOME/zobrin/settings (by default ~/.config/zobrin/settings), a file in the
// toolkit's configuration format. A file that is missing, unreadable, not a regular file, too
// large, or without a valid zoom gives the defaults, and is left as it is until the user changes
// a setting: reading never writes.
class KeptSettings {
public:
    // The settings file's path; empty when neither $XDG_CONFIG_HOME nor $HOME names a folder.
    static std::string Path();

    // The zoom kept in the file at `path`, or nothing.
    static std::optional<int> LoadZoom(const std::string& path);
    // Writes the file at `path` afresh, whole or not at all, keeping `percent` as the zoom; its
    // folder is made when missing. False when it could not be written.
    static bool SaveZoom(const std::string& path, int percent);
};
