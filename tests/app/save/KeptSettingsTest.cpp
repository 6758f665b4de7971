#include "app/save/KeptSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

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
    std::ostringstream messages;
    KeptSettings settings{path, messages};
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
    EXPECT_EQ(messages.str(), "");
}

// A file that cannot be read is never written over, however often the zoom changes, and the first
// change says so, once, the path quoted so that it cannot break the message's line. (A file of
// mode 000 is one, but not for root, who may read it.)
TEST_F(KeptSettingsTest, AnUnreadableFileIsLeftAloneAndSaidSoOnce)
{
    const std::string zobrin = folder + "/zobrin";
    const struct {
        std::string file;
        std::function<int()> make;
        std::string shown;
    } cases[] = {
        {path, [&] { return symlink(path.c_str(), path.c_str()); }, path}, // a loop of links
        {path, [&] { return mkdir(path.c_str(), 0700); }, path},
        {path, [&] { return mkfifo(path.c_str(), 0600); }, path}, // no writer: never waited for
        {path, [&] { return Write(std::string(70000, '#') + "\n[View]\nZoom=200\n"), 0; }, path},
        {zobrin + "/a\nb", [&] { return mkdir((zobrin + "/a\nb").c_str(), 0700); },
         zobrin + "/a\\nb"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(zobrin);
        std::filesystem::create_directories(zobrin);
        ASSERT_EQ(c.make(), 0) << c.file;
        struct stat before {};
        lstat(c.file.c_str(), &before);
        std::ostringstream said;
        KeptSettings unreadable(c.file, said);
        EXPECT_EQ(unreadable.LoadZoom(), std::nullopt);
        EXPECT_FALSE(unreadable.SaveZoom(150));
        EXPECT_FALSE(unreadable.SaveZoom(175));
        struct stat after {};
        lstat(c.file.c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino) << c.file;
        EXPECT_EQ(after.st_mode, before.st_mode) << c.file;
        EXPECT_EQ(said.str(),
                  "zobrin: cannot read \"" + c.shown + "\"; the zoom will not be kept\n");
    }
}
