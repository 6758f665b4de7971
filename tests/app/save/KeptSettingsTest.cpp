#include "app/save/KeptSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// A settings file in a fresh folder of its own, its folder not made yet.
class KeptSettingsTest : public testing::Test {
protected:
    static std::string MadeFolder()
    {
        std::string pattern = fs::temp_directory_path() / "zobrin-settings-XXXXXX";
        return mkdtemp(pattern.data()) ? pattern : "/nonexistent";
    }
    void TearDown() override { fs::remove_all(folder); }

    void Write(const std::string& bytes)
    {
        fs::create_directories(zobrin);
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string Read() const
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    const std::string folder = MadeFolder();
    const std::string zobrin = folder + "/zobrin";
    const std::string path = zobrin + "/settings";
    std::ostringstream messages;
    KeptSettings settings{path, messages};
};

} // namespace

// A file that says no valid zoom clearly gives the default and stays as it was; a change keeps
// its other lines, and a missing file is made with its folder, for the user alone.
TEST_F(KeptSettingsTest, HostileFilesGiveTheDefaultUntouchedUntilAChange)
{
    const std::string junk = "\xef\xbb\xbf\xc3\x28[[[[\n=\n==\n\\\n[View]\nZoom=0150\n";
    Write(junk);
    EXPECT_EQ(settings.LoadZoom(), std::nullopt);
    EXPECT_EQ(Read(), junk);
    ASSERT_TRUE(settings.SaveZoom(175));
    EXPECT_EQ(Read(), junk.substr(0, junk.size() - 5) + "175\n");
    EXPECT_EQ(settings.LoadZoom(), 175);

    fs::remove_all(zobrin);
    ASSERT_TRUE(settings.SaveZoom(250));
    EXPECT_EQ(settings.LoadZoom(), 250);
    EXPECT_EQ(fs::status(zobrin).permissions(), fs::perms::owner_all);
    EXPECT_EQ(messages.str(), "");
}

// A file that cannot be read is never written over, however often the zoom changes, and the first
// change says so, once, the path quoted so that it cannot break the message's line. (A file of
// mode 000 is one, but not for root, who may read it.)
TEST_F(KeptSettingsTest, AnUnreadableFileIsLeftAloneAndSaidSoOnce)
{
    const struct {
        std::string file;
        std::function<void()> make;
        std::string shown;
    } cases[] = {
        {path, [&] { fs::create_symlink(path, path); }, path}, // a loop of links
        {path, [&] { fs::create_directory(path); }, path},
        {path, [&] { mkfifo(path.c_str(), 0600); }, path}, // no writer: never waited for
        {path, [&] { Write(std::string(70000, '#') + "\n[View]\nZoom=200\n"); }, path},
        {zobrin + "/a\nb", [&] { fs::create_directory(zobrin + "/a\nb"); }, zobrin + "/a\\nb"},
    };
    const auto identity = [](const std::string& file) {
        struct stat info {};
        EXPECT_EQ(lstat(file.c_str(), &info), 0) << file;
        return std::pair(info.st_ino, info.st_mode);
    };
    for (const auto& c : cases) {
        fs::remove_all(zobrin);
        fs::create_directories(zobrin);
        c.make();
        const auto before = identity(c.file);
        std::ostringstream said;
        KeptSettings unreadable(c.file, said);
        EXPECT_EQ(unreadable.LoadZoom(), std::nullopt);
        EXPECT_FALSE(unreadable.SaveZoom(150) || unreadable.SaveZoom(175));
        EXPECT_EQ(identity(c.file), before);
        EXPECT_EQ(said.str(),
                  "zobrin: cannot read \"" + c.shown + "\"; the zoom will not be kept\n");
    }
}

// The window's place is kept beside the zoom, each change keeping the other.
TEST_F(KeptSettingsTest, ThePlaceIsKeptBesideTheZoom)
{
    EXPECT_EQ(settings.LoadPlace(), std::nullopt);
    ASSERT_TRUE(settings.SaveZoom(150));
    ASSERT_TRUE(settings.SavePlace("10,20,900,600"));
    ASSERT_TRUE(settings.SaveZoom(200));
    EXPECT_EQ(settings.LoadPlace(), "10,20,900,600");
    EXPECT_EQ(settings.LoadZoom(), 200);
    EXPECT_EQ(Read(), "[View]\nZoom=200\n[Window]\nPlace=10,20,900,600\n");
}
