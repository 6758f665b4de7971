#include "app/save/KeptSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

// A settings file in a fresh folder of its own, its folder not made yet.
class KeptSettingsTest : public testing::Test {
protected:
    static std::string MadeFolder()
    {
        std::string pattern = std::filesystem::temp_directory_path() / "zobrin-settings-XXXXXX";
        return mkdtemp(pattern.data()) ? pattern : "/nonexistent";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void Write(const std::string& bytes)
    {
        std::filesystem::create_directories(folder + "/zobrin");
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Read() const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    const std::string folder = MadeFolder();
    const std::string path = folder + "/zobrin/settings";
    KeptSettings settings{path};
};

} // namespace

// A file that says no valid zoom clearly gives the default and stays as it was; a change keeps
// its other lines, and a missing file is made with its folder, for the user alone.
TEST_F(KeptSettingsTest, HostileFilesGiveTheDefaultUntouchedUntilAChange)
{
    const std::string hostile[] = {
        std::string("[View]\nZoom=150\0\xff\xfe", 16),
        "[View]\nZoom=110\n",
        "[View]\nZoom=1e9999\n",
        "[View]\nZoom=300\n[View]\nZoom=150\n",
        "[View\nZoom=150",
        "\xef\xbb\xbf\xc3\x28[[[[\n=\n==\n\\\n",
        std::string(200000, '['),
    };
    for (const std::string& bytes : hostile) {
        Write(bytes);
        EXPECT_EQ(settings.LoadZoom(), std::nullopt) << bytes.substr(0, 20);
        EXPECT_EQ(Read(), bytes);
    }
    Write(hostile[5]);
    ASSERT_TRUE(settings.SaveZoom(175));
    EXPECT_EQ(Read(), hostile[5] + "[View]\nZoom=175\n");
    EXPECT_EQ(settings.LoadZoom(), 175);

    std::filesystem::remove_all(folder + "/zobrin");
    ASSERT_TRUE(settings.SaveZoom(250));
    EXPECT_EQ(settings.LoadZoom(), 250);
    struct stat made {};
    ASSERT_EQ(stat((folder + "/zobrin").c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0700u);
}
