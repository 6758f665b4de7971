#pragma once

#include <functional>
#include <string>
#include <vector>

// Starts the real application as from the command line, with `args` after the program name
// read as the program reads them, runs `body` while its window is up, then closes it and shuts the
// toolkit down. Returns what `body` returned, or 1 when the application could not start.
int RunDiceApp(const char* program, const std::vector<std::string>& args,
               const std::function<int()>& body);
