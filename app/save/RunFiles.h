#pragma once

#include <optional>
#include <string>

class RunModel;

// The kinds of file a run is saved as, each named by its extension, in any case.
enum class RunFileKind { CSV, JSON };

// ".csv", ".json".
std::string ExtensionOf(RunFileKind kind);
// The kind the extension of the file's name names; none for another extension or none.
std::optional<RunFileKind> KindOfFile(const std::string& path);
// The file a name chosen for a kind of file stands for: the name itself when its extension
// names a kind, else the name with the kind's extension added ("sheet" saved as CSV is
// "sheet.csv", "week 3.1" is "week 3.1.csv").
std::string WithKindsExtension(const std::string& path, RunFileKind kind);

// Saves the run last made to `path`, in the kind of file its extension names (in any case):
// .csv, the frequency table (RunCsv.h); .json, everything about the run (RunJson.h). The file is
// written whole or not at all (AtomicFile). False, with a sentence in `error` that names the path
// and the reason, when it could not be saved: an unknown extension included.
bool SaveRun(const RunModel& run, const std::string& path, std::string& error);
