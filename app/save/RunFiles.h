#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

class RunModel;

// The kinds of file a run is saved as, each named by its extension, in any case.
enum class RunFileKind { CSV, JSON, PNG, SVG, PDF };

// Writes a file of one of the kinds that are drawn (PNG and SVG, the pictures of a graph, and PDF,
// the report) about the run; false when it could not be drawn. The toolkit's side draws them.
using RunDrawer = std::function<bool(const RunModel& run, RunFileKind kind, std::ostream& out)>;

// ".csv", ".json", ".png", ".svg", ".pdf".
std::string ExtensionOf(RunFileKind kind);
// The kind the extension of the file's name names; none for another extension or none.
std::optional<RunFileKind> KindOfFile(const std::string& path);
// The file a name chosen for a kind of file stands for: the name itself when its extension
// names a kind, else the name with the kind's extension added ("sheet" saved as CSV is
// "sheet.csv", "week 3.1" is "week 3.1.csv").
std::string WithKindsExtension(const std::string& path, RunFileKind kind);

// Saves the run last made to `path`, in the kind of file its extension names (in any case):
// .csv, the frequency table (RunCsv.h); .json, everything about the run (RunJson.h); .png and
// .svg, a picture of one of its graphs, and .pdf, its one-page report, which `draw` draws. The file
// is written whole or not at all (AtomicFile). False, with a sentence in `error` that names the
// path and the reason, when it could not be saved: an unknown extension included.
bool SaveRun(const RunModel& run, const std::string& path, const RunDrawer& draw,
             std::string& error);
