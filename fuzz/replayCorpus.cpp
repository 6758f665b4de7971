// Feeds every file of the given folders to the fuzz target once, built with the normal
// compiler, so the tests replay the fuzzing corpus and its crashers under the sanitizers.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int ReplayFolder(const std::filesystem::path& folder)
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++count;
    }
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        // The crashers folder exists only once the fuzzer has found something.
        std::error_code error;
        if (std::filesystem::is_directory(argv[i], error))
            count += ReplayFolder(argv[i]);
    }
    std::cout << "replayed " << count << " inputs\n";
    // A corpus that went missing must not pass as replayed.
    return count > 0 ? 0 : 1;
}
