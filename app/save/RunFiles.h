#pragma once

#include <string>

class RunModel;

// Saves the run last made to `path`, in the kind of file its extension names (in any case):
// .csv, the frequency table (RunCsv.h); .json, everything about the run (RunJson.h). The file is
// written whole or not at all (AtomicFile). False, with a sentence in `error` that names the path
// and the reason, when it could not be saved: an unknown extension included.
bool SaveRun(const RunModel& run, const std::string& path, std::string& error);
