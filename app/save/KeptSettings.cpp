#include "app/save/KeptSettings.h"

#include "app/run/QuotedText.h"
#include "app/run/ZoomLevel.h"
#include "app/save/AtomicFile.h"
#include "app/save/SettingsPlace.h"
#include "common/ReadRegularFile.h"
#include "common/SettingsText.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

// A settings file is a few lines; anything much larger is not one of ours.
constexpr std::size_t MAX_SETTINGS_BYTES = 64 * 1024;
const char* const SECTION = "View";
const char* const ZOOM = "Zoom";
const char* const WINDOW = "Window";
const char* const PLACE = "Place";

} // namespace

std::string KeptSettings::Path() { return SettingsFilePath(); }

std::optional<int> KeptSettings::LoadZoom() const
{
    const std::optional<std::string> zoom = Load(SECTION, ZOOM);
    return zoom ? ZoomLevel::Parse(*zoom) : std::nullopt;
}

bool KeptSettings::SaveZoom(int percent)
{
    return Save(SECTION, ZOOM, std::to_string(percent), "zoom");
}

std::optional<std::string> KeptSettings::LoadPlace() const { return Load(WINDOW, PLACE); }

bool KeptSettings::SavePlace(const std::string& place)
{
    return Save(WINDOW, PLACE, place, "window's place");
}

std::optional<std::string> KeptSettings::Load(const char* section, const char* key) const
{
    std::string bytes;
    if (Read(bytes) != Reading::READ)
        return std::nullopt;
    return SettingsText(bytes).Value(section, key);
}

bool KeptSettings::Save(const char* section, const char* key, const std::string& value,
                        const char* what)
{
    if (path.empty())
        return false;
    std::string bytes;
    const Reading reading = Read(bytes);
    // Never over a file that could not be read: what it holds would be lost.
    if (reading == Reading::UNREADABLE) {
        if (!told)
            *messages << "zobrin: cannot read " << QuotedText(path) << "; the " << what
                      << " will not be kept\n";
        told = true;
        return false;
    }
    if (reading == Reading::MISSING)
        MakeFoldersFor(path);
    SettingsText text(bytes);
    text.SetValue(section, key, value);
    AtomicFile file(path);
    file.Text() << text.Bytes();
    return file.Commit();
}

KeptSettings::Reading KeptSettings::Read(std::string& bytes) const
{
    if (ReadRegularFile(path, MAX_SETTINGS_BYTES, bytes))
        return Reading::READ;
    struct stat info;
    return stat(path.c_str(), &info) != 0 && errno == ENOENT ? Reading::MISSING
                                                             : Reading::UNREADABLE;
}
