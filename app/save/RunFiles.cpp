#include "app/save/RunFiles.h"

#include "app/run/QuotedText.h"
#include "app/save/AtomicFile.h"
#include "app/save/RunCsv.h"
#include "app/save/RunJson.h"

#include <algorithm>
#include <cctype>

namespace {

using Writer = void (*)(const RunModel&, std::ostream&);

struct fileKind {
    const char* extension;
    Writer write;
};

const fileKind KINDS[] = {{".csv", WriteRunCsv}, {".json", WriteRunJson}};

// The extension of the file's name, from its last point on, in lower case; "" without one.
std::string ExtensionOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t point = path.rfind('.');
    if (point == std::string::npos || (slash != std::string::npos && point < slash))
        return "";
    std::string extension = path.substr(point);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

bool SaveRun(const RunModel& run, const std::string& path, std::string& error)
{
    const std::string extension = ExtensionOf(path);
    const auto kind = std::find_if(std::begin(KINDS), std::end(KINDS),
                                   [&](const fileKind& k) { return extension == k.extension; });
    if (kind == std::end(KINDS)) {
        error = AtomicFile::Failure(
            path, (extension.empty()
                       ? std::string("its name has no extension")
                       : "the extension " + QuotedText(extension) + " is not one Zobrin writes") +
                      "; use .csv or .json");
        return false;
    }
    AtomicFile file(path);
    kind->write(run, file.Text());
    if (file.Commit())
        return true;
    error = file.Error();
    return false;
}
