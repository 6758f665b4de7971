// Fuzz target: any bytes as the kept settings file. Reading the zoom must return whatever it is
// given; a change of the zoom must then read back, keep every line that sets nothing, in order,
// and change nothing more when made again.
#include "common/SettingsText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The lines of `bytes` that hold no `=`, without their endings.
std::vector<std::string> LinesSettingNothing(const std::string& bytes)
{
    std::vector<std::string> lines;
    for (std::size_t begin = 0; begin < bytes.size();) {
        std::size_t end = bytes.find('\n', begin);
        end = end == std::string::npos ? bytes.size() : end;
        const std::size_t cr = end > begin && bytes[end - 1] == '\r' ? 1 : 0;
        const std::string line = bytes.substr(begin, end - begin - cr);
        if (line.find('=') == std::string::npos)
            lines.push_back(line);
        begin = end + 1;
    }
    return lines;
}

// Whether every line of `kept` is found in `among`, in the same order.
bool KeptInOrder(const std::vector<std::string>& kept, const std::vector<std::string>& among)
{
    std::size_t found = 0;
    for (std::size_t i = 0; i < among.size() && found < kept.size(); ++i)
        found += among[i] == kept[found] ? 1 : 0;
    return found == kept.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    SettingsText text(bytes);
    text.Value("View", "Zoom");
    text.SetValue("View", "Zoom", "125");
    const std::string changed = text.Bytes();
    text.SetValue("View", "Zoom", "125");
    if (text.Value("View", "Zoom") != "125" || text.Bytes() != changed ||
        !KeptInOrder(LinesSettingNothing(bytes), LinesSettingNothing(changed)))
        std::abort();
    return 0;
}
