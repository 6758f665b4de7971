#include "SaveFolder.h"

#include "app/save/AtomicFile.h"

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using AtomicFileTest = SaveFolder;

mode_t ModeOf(const std::string& path)
{
    struct stat s;
    return stat(path.c_str(), &s) == 0 ? s.st_mode & 07777 : 0;
}

// Files may grow to `bytes` while it lives, as on a disk that has no more room.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : ignored(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, ignored);
    }

private:
    void (*ignored)(int);
    rlimit old;
};

TEST_F(AtomicFileTest, WritesTheWholeFileOnCommitAndNothingWithout)
{
    const mode_t mask = umask(022);
    {
        AtomicFile uncommitted(folder + "never.csv");
        uncommitted.Text() << "lost";
    }
    AtomicFile fresh(folder + "fresh.csv");
    fresh.Text() << "sum,count\n2,1\n";
    EXPECT_TRUE(fresh.Commit()) << fresh.Error();

    std::ofstream(folder + "kept.csv") << "old text, longer than the new";
    chmod((folder + "kept.csv").c_str(), 0600);
    AtomicFile byName(folder + "kept.csv");
    std::FILE* other = std::fopen(byName.TemporaryPath().c_str(), "w");
    std::fputs("new", other);
    std::fclose(other);
    EXPECT_TRUE(byName.Commit()) << byName.Error();
    umask(mask);

    EXPECT_EQ(Names(), (std::set<std::string>{"fresh.csv", "kept.csv"}));
    EXPECT_EQ(Read(folder + "fresh.csv"), "sum,count\n2,1\n");
    EXPECT_EQ(ModeOf(folder + "fresh.csv"), 0644u);
    EXPECT_EQ(Read(folder + "kept.csv"), "new");
    EXPECT_EQ(ModeOf(folder + "kept.csv"), 0600u);
}

TEST_F(AtomicFileTest, FailuresSayWhyAndLeaveNothingBehind)
{
    std::ofstream(folder + "kept.csv") << "old";
    std::ofstream(folder + "plain") << "a file";
    std::filesystem::create_directory(folder + "sub.csv");
    struct Case {
        std::string path;
        std::size_t bytes;
        std::string reason;
    };
    const Case cases[] = {
        {folder + "kept.csv", 100000, "File too large"},
        {folder + "gone/x.csv", 1, "its folder does not exist"},
        {folder + "plain/x.csv", 1, "a part of its folder is not a folder"},
        {folder + "sub.csv", 1, "it is a folder"},
        {"/dev/full", 1, "it is not a plain file"},
        // sysfs takes no new files, not even from root.
        {"/sys/zobrin-save-test.csv", 1, "its folder may not be written to"},
    };
    const std::set<std::string> before = Names();
    const FileSizeLimit limit(4096);
    for (const Case& c : cases) {
        AtomicFile file(c.path);
        file.Text() << std::string(c.bytes, 'x');
        EXPECT_FALSE(file.Commit()) << c.path;
        EXPECT_EQ(file.Error(), "could not save \"" + c.path + "\": " + c.reason);
        EXPECT_EQ(Names(), before) << c.path;
    }
    EXPECT_EQ(Read(folder + "kept.csv"), "old");
}

} // namespace
