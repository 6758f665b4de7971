#pragma once

class RunModel;
struct CommandLine;

// Makes the run that `zobrin [DICE [ROLLS]] [--seed N] --save FILE` asks for, without a window:
// the command line's dice and rolls (the window's defaults where it gives none), from its seed or
// else a fresh one from the system's entropy, all at once as the window's final run makes them.
void MakeHeadlessRun(RunModel& run, const CommandLine& line);
