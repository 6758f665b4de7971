#include "app/window/KeptSettings.h"

#include "app/run/ZoomLevel.h"
#include "app/save/AtomicFile.h"
#include "common/ReadRegularFile.h"

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/sstream.h>

#include <cstdlib>

namespace {

// A settings file is a few lines; anything much larger is not one of ours.
constexpr std::size_t MAX_SETTINGS_BYTES = 64 * 1024;
const char* const ZOOM_KEY = "/View/Zoom";

} // namespace

std::string KeptSettings::Path()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // The folder is named by an absolute path, or not at all.
    if (config && config[0] == '/')
        return std::string(config) + "/zobrin/settings";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config/zobrin/settings";
    return "";
}

std::optional<int> KeptSettings::LoadZoom(const std::string& path)
{
    std::string bytes;
    // A NUL byte makes it no text file, whatever a reader that stops there would make of it.
    if (path.empty() || !ReadRegularFile(path, MAX_SETTINGS_BYTES, bytes) ||
        bytes.find('\0') != std::string::npos)
        return std::nullopt;
    // What the toolkit cannot make sense of is left out, quietly: the defaults stand in for it.
    wxLogNull quiet;
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    const wxFileConfig settings(stream);
    wxString zoom;
    if (!settings.Read(ZOOM_KEY, &zoom))
        return std::nullopt;
    return ZoomLevel::Parse(zoom.ToStdString());
}

bool KeptSettings::SaveZoom(const std::string& path, int percent)
{
    if (path.empty())
        return false;
    wxLogNull quiet;
    const wxFileName name(wxString::FromUTF8(path));
    if (!wxFileName::Mkdir(name.GetPath(), 0700, wxPATH_MKDIR_FULL))
        return false;
    wxMemoryInputStream nothing("", 0);
    wxFileConfig settings(nothing);
    settings.Write(ZOOM_KEY, percent);
    wxStringOutputStream text;
    settings.Save(text);
    AtomicFile file(path);
    file.Text() << text.GetString().utf8_str();
    return file.Commit();
}
