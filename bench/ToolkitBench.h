#pragma once

#include <functional>

// Starts the toolkit with the program's arguments, runs `measure` inside it and shuts it down:
// the frame of every benchmark that times real windows. `measure` answers whether every
// measurement did the work its line names. Returns the program's exit code: 1 when one did not.
int RunInToolkit(int argc, char** argv, const std::function<bool()>& measure);
