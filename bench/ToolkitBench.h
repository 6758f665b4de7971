#pragma once

#include <functional>

// Starts the toolkit with the program's arguments, runs `measure` inside it and shuts it down:
// the frame of every benchmark that times real windows. Returns the program's exit code.
int RunInToolkit(int argc, char** argv, const std::function<void()>& measure);
