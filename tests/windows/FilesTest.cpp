#include "app/save/AtomicFile.h"
#include "app/save/KeptSettings.h"
#include "app/save/SettingsPlace.h"
#include "common/ReadRegularFile.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// A fresh folder of files, gone again after the test, read-only files and all.
class FilesTest : public testing::Test {
protected:
    FilesTest()
    {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~FilesTest() override
    {
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(folder);
    }

    std::string At(const std::string& name) const { return (folder / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            names.insert(fs::relative(entry.path(), folder).generic_string());
        return names;
    }
    // Saves `bytes` to `path`; the error, "" when saved.
    static std::string Save(const std::string& path, const std::string& bytes)
    {
        AtomicFile file(path);
        file.Text() << bytes;
        return file.Commit() ? "" : file.Error();
    }

    const fs::path folder =
        fs::temp_directory_path() / ("zobrin-test-" + std::to_string(GetCurrentProcessId()));
};

// Another program's hold on a file that shares nothing with the others.
class Held {
public:
    explicit Held(const std::string& path)
        : handle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~Held() { CloseHandle(handle); }
    bool Holds() const { return handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle;
};

} // namespace

// The bytes arrive as given, line ends included, over a file that was longer, and the target is
// the folder's only file afterwards.
TEST_F(FilesTest, SavedWholeAsBytesWithNothingBeside)
{
    Write("run.json", std::string(100000, 'x'));
    const std::string text = std::string("{\n  \"dice\": 3\r\n}\n\0end", 23);
    EXPECT_EQ(Save(At("run.json"), text), "");
    EXPECT_EQ(Read("run.json"), text);
    EXPECT_EQ(Names(), std::set<std::string>{"run.json"});
    EXPECT_EQ(Save(At("new.csv"), "sum\n"), "");
    EXPECT_EQ(Read("new.csv"), "sum\n");
}

// Each refusal names the path and the reason, leaves the target as it was and nothing beside it:
// the one held open is refused at the very last step, the rename, with the file written.
TEST_F(FilesTest, RefusalsSayWhyAndLeaveNothingBehind)
{
    struct refusal {
        const char* name;
        const char* reason;
        bool held;
        std::function<void(const std::string&)> prepare;
    };
    const refusal REFUSALS[] = {
        {"run.json", "another program has it open", true, {}},
        {"readonly.json", "it is read only", false,
         [](const std::string& path) {
             SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
         }},
        {"folder.json", "it is a folder", false,
         [](const std::string& path) {
             fs::remove(path);
             fs::create_directory(path);
         }},
        {"missing\\run.json", "its folder does not exist", false, {}},
    };
    const std::string old = "old contents\n";
    for (const refusal& r : REFUSALS) {
        SCOPED_TRACE(r.name);
        const std::string path = At(r.name);
        Write(r.name, old);
        if (r.prepare)
            r.prepare(path);
        const std::set<std::string> before = Names();
        std::optional<Held> hold;
        if (r.held) {
            ASSERT_TRUE(hold.emplace(path).Holds());
        }
        EXPECT_EQ(Save(path, "new contents\n"), AtomicFile::Failure(path, r.reason));
        hold.reset();
        EXPECT_EQ(Names(), before);
        if (fs::is_regular_file(path)) {
            EXPECT_EQ(Read(r.name), old);
        }
    }
}

// The settings live in %APPDATA%\Zobrin\settings, made with their folder on the first change;
// without %APPDATA% there is no place for them and nothing is kept.
TEST_F(FilesTest, SettingsKeptUnderAppData)
{
    const char* before = std::getenv("APPDATA");
    const std::string restore = before ? before : "";
    _putenv_s("APPDATA", folder.string().c_str());
    const std::string path = SettingsFilePath();
    EXPECT_EQ(path, At("Zobrin\\settings"));
    std::ostringstream messages;
    ASSERT_TRUE(KeptSettings(path, messages).SaveZoom(150));
    EXPECT_EQ(Read("Zobrin/settings"), "[View]\nZoom=150\n");
    EXPECT_EQ(KeptSettings(path, messages).LoadZoom(), 150);
    _putenv_s("APPDATA", "");
    EXPECT_EQ(SettingsFilePath(), "");
    EXPECT_FALSE(KeptSettings(SettingsFilePath(), messages).SaveZoom(200));
    _putenv_s("APPDATA", restore.c_str());
    EXPECT_EQ(messages.str(), "");
}

// A file on the disk comes whole, every byte as it is; a folder, a device, a missing file and a
// file over the limit are refused.
TEST_F(FilesTest, OnlyFilesOnTheDiskAreReadWithinTheLimit)
{
    const std::string bytes("a\r\nb\x1a\0c\n", 8);
    Write("settings", bytes);
    std::string read;
    ASSERT_TRUE(ReadRegularFile(At("settings"), 8, read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(ReadRegularFile(At("settings"), 7, read));
    for (const std::string& refused : {folder.string(), std::string("NUL"), At("missing")})
        EXPECT_FALSE(ReadRegularFile(refused, 1000, read)) << refused;
}
