// Fuzz target: any bytes as a settings document. The loader must return, without a sanitizer
// report, whatever it is given.
#include "graph/coordSysSettingsLoader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    coordSysSettings settings;
    coordSysSettingsLoader(settings).LoadSettings(reinterpret_cast<const char*>(data), size);
    return 0;
}
