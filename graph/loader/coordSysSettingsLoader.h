#pragma once
#include "graph/model/coordSysSettings.h"

#include <cstddef>
#include <string>

// Applies a settings document to a graph's settings. The document is XML: the children of a
// "gridProperties" element name settings by their keys and give each a text value, applied in
// document order as each element ends. Loading only stores: it neither recomputes the view nor
// repaints; a caller showing the graph does both afterwards.
//
// A document the parser rejects (not well-formed, or hostile: a runaway entity expansion, for
// instance) makes the load return false; whatever was applied before the error stays.
class coordSysSettingsLoader {
public:
    explicit coordSysSettingsLoader(coordSysSettings& settings) : settings(settings) {}

    // A zero-terminated document.
    bool LoadSettings(const char* text);
    // A document of the given length in bytes; it may hold zero bytes, which the parser rejects.
    bool LoadSettings(const char* text, std::size_t length);
    // The document in a regular file. False, with no setting changed, when the file cannot be
    // opened, is not a regular file (a pipe or a device would block or never end) or is larger
    // than 16 MiB.
    bool LoadSettingsFile(const std::string& fileName);

private:
    coordSysSettings& settings;
};
