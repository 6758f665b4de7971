#pragma once

#include <string>

// Where the system keeps a user's settings: the path of Zobrin's settings file there, empty when
// the system names no such folder, and the making of the folders that lead to it.
std::string SettingsFilePath();

// Makes the folders that lead to `path`, each for the user alone, as far as it can.
void MakeFoldersFor(const std::string& path);
