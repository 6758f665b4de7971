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
    RunFileKind kind;
    const char* extension;
    Writer write;
};

// Kinds without a writer are drawn.
const fileKind KINDS[] = {{RunFileKind::CSV, ".csv", WriteRunCsv},
                          {RunFileKind::JSON, ".json", WriteRunJson},
                          {RunFileKind::PNG, ".png", nullptr},
                          {RunFileKind::SVG, ".svg", nullptr},
                          {RunFileKind::PDF, ".pdf", nullptr}};

// The extension of the file's name, from its last point on, in lower case; "" without one.
std::string LowerExtension(const std::string& path)
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

const fileKind* Find(const std::string& path)
{
    const std::string extension = LowerExtension(path);
    const auto kind = std::find_if(std::begin(KINDS), std::end(KINDS),
                                   [&](const fileKind& k) { return extension == k.extension; });
    return kind == std::end(KINDS) ? nullptr : kind;
}

// "use .csv, .json, .png, .svg or .pdf"
std::string KnownExtensions()
{
    std::string known = "use ";
    const std::size_t count = std::size(KINDS);
    for (std::size_t k = 0; k < count; ++k)
        known += std::string(k == 0 ? "" : k + 1 == count ? " or " : ", ") + KINDS[k].extension;
    return known;
}

} // namespace

std::string ExtensionOf(RunFileKind kind)
{
    for (const fileKind& k : KINDS)
        if (k.kind == kind)
            return k.extension;
    return "";
}

std::optional<RunFileKind> KindOfFile(const std::string& path)
{
    const fileKind* kind = Find(path);
    return kind ? std::optional<RunFileKind>(kind->kind) : std::nullopt;
}

std::string WithKindsExtension(const std::string& path, RunFileKind kind)
{
    return Find(path) ? path : path + ExtensionOf(kind);
}

bool SaveRun(const RunModel& run, const std::string& path, const RunDrawer& draw,
             std::string& error)
{
    const fileKind* kind = Find(path);
    if (!kind) {
        const std::string extension = LowerExtension(path);
        error = AtomicFile::Failure(
            path, (extension.empty()
                       ? std::string("its name has no extension")
                       : "the extension " + QuotedText(extension) + " is not one Zobrin writes") +
                      "; " + KnownExtensions());
        return false;
    }
    // A file that cannot be made is told before anything is drawn for it.
    AtomicFile file(path);
    if (!file.Error().empty()) {
        error = file.Error();
        return false;
    }
    if (kind->write)
        kind->write(run, file.Text());
    else if (!draw || !draw(run, kind->kind, file.Text())) {
        error = AtomicFile::Failure(path, "it could not be drawn");
        return false;
    }
    if (file.Commit())
        return true;
    error = file.Error();
    return false;
}
