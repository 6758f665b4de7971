#include "app/run/DiceRoller.h"
#include "app/run/RunModel.h"
#include "app/save/RunFiles.h"
#include "app/save/TemporaryName.h"
#include "app/theory/TheoryComparison.h"

#include "ProgramRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <linux/fs.h>
#include <set>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace {

const std::uint32_t SEED = 2024;
const int ROLLS = 10001; // one more than the record holds

// A run of two dice, and a fresh folder to save it in.
class SaveTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = std::filesystem::temp_directory_path() / "zobrin-save-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
        run.SetDice(2);
        run.SetRolls(ROLLS);
        run.Start(SEED);
        run.RollUntil(ROLLS);
        run.End();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    void EmptyFolder()
    {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
    }

    std::set<std::filesystem::path> Names(const std::string& sub = "") const
    {
        return {std::filesystem::directory_iterator(folder + sub),
                std::filesystem::directory_iterator()};
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(folder + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string Saved(const std::string& name)
    {
        std::string error;
        EXPECT_TRUE(SaveRun(run, folder + name, error)) << error;
        return Read(name);
    }

    // Saves the run to `name` as the user `uid`, in a process of its own: "" when it is saved,
    // else the message.
    std::string SavedAs(uid_t uid, const std::string& name)
    {
        int result[2];
        if (pipe(result) != 0)
            return "no pipe";
        const pid_t child = fork();
        if (child == 0) {
            std::string error = "could not become user " + std::to_string(uid);
            if (uid == geteuid() || (setgroups(0, nullptr) == 0 && setresgid(uid, uid, uid) == 0 &&
                                     setresuid(uid, uid, uid) == 0))
                error = SaveRun(run, folder + name, error) ? "" : error;
            _exit(write(result[1], error.data(), error.size()) < 0);
        }
        close(result[1]);
        std::string said(4096, '\0');
        const ssize_t length = read(result[0], said.data(), said.size());
        close(result[0]);
        waitpid(child, nullptr, 0);
        return said.substr(0, length < 0 ? 0 : std::size_t(length));
    }

    std::string folder;
    RunModel run;
    const SumDistribution theory{2};
};

// The users the tests that save as another user take: throwaway ones where the tests run as root,
// else the tests' own (and such tests run only their cases that need no other user).
const bool ROOT = geteuid() == 0;
const uid_t SELF = ROOT ? 4242 : geteuid(), OTHER = 4243;
const gid_t GROUP = ROOT ? 4244 : getegid();

TEST_F(SaveTest, FailuresSayWhyAndLeaveNothingBehind)
{
    std::ofstream(folder + "kept.json") << "old";
    std::filesystem::create_directory(folder + "sub.csv");
    std::filesystem::create_symlink("/dev/full", folder + "full.csv");
    const std::pair<std::string, std::string> cases[] = {
        {folder + "kept.json", "File too large"}, // there is room for 4096 bytes only: see below
        {folder + "gone/x.csv", "its folder does not exist"},
        {"/sys/zobrin-test.csv", "its folder may not be written to"}, // not even for root
        {folder + "sub.csv", "it is a folder"},
        {folder + "full.csv", "it is a link to \"/dev/full\", and it is not a plain file"},
        {folder + "x.txt", "the extension \".txt\" is not one Zobrin writes; use .csv or .json"},
        {folder + "sub.csv/x", "its name has no extension; use .csv or .json"},
    };
    const auto before = Names();
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit full{4096, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& [path, reason] : cases) {
        std::string error;
        EXPECT_FALSE(SaveRun(run, path, error)) << path;
        EXPECT_EQ(error, "could not save \"" + path + "\": " + reason);
        EXPECT_EQ(Names(), before) << path;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(Read("kept.json"), "old");
}

// A save stopped by a signal at any point leaves the old file as it was, or the new one whole, and
// nothing else: not even SIGKILL, where the folder's disk can make a file without a name.
TEST_F(SaveTest, AnInterruptedSaveLeavesNothingBehind)
{
    const std::vector<std::string> save = {"100", "1000000", "--seed", "7", "--save", "big.json"};
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(ProgramRun(save, folder).Wait(), 0);
    const auto whole = std::chrono::steady_clock::now() - started; // the run, then the file
    const std::string saved = Read("big.json");
    const int unnamed = open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    close(unnamed);
    const struct {
        int signalNumber;
        double when; // a share of the whole save's time; or a file size limit instead
        rlim_t fileSizeLimit = RLIM_INFINITY;
    } cases[] = {
        {SIGXFSZ, 0, 100 * 1024}, {SIGINT, 0.5},  {SIGTERM, 0.8}, {SIGHUP, 0.9},  {SIGKILL, 0.9},
        {SIGINT, 0.95},           {SIGTERM, 1.0}, {SIGHUP, 0.97}, {SIGKILL, 1.0},
    };
    for (const auto& c : cases) {
        if (c.signalNumber == SIGKILL && unnamed < 0)
            continue; // only a file without a name survives SIGKILL
        EmptyFolder();
        std::ofstream(folder + "big.json") << "old";
        ProgramRun program(save, folder, "/dev/null", c.fileSizeLimit);
        std::this_thread::sleep_for(whole * c.when);
        if (c.fileSizeLimit == RLIM_INFINITY)
            program.Signal(c.signalNumber);
        const int status = program.Wait();
        const std::string where = strsignal(c.signalNumber) + std::string(" at ") +
                                  std::to_string(c.when) + ": exit status " +
                                  std::to_string(status);
        EXPECT_TRUE(status == 0 || status == 128 + c.signalNumber) << where;
        EXPECT_EQ(Names(), std::set<std::filesystem::path>{folder + "big.json"}) << where;
        const std::string now = Read("big.json");
        EXPECT_TRUE(now == saved || (status != 0 && now == "old")) << where;
    }
}

// Where a save has to give its file a temporary name, a signal that ends the program removes it
// first, and the program ends as the signal would have ended it. An ignored one stays ignored.
TEST_F(SaveTest, ASignalThatEndsTheProgramTakesTheTemporaryNameWithIt)
{
    const struct {
        int signalNumber;
        void (*disposition)(int);
        int status; // as a shell gives it
        std::size_t namesLeft;
    } cases[] = {
        {SIGINT, SIG_DFL, 128 + SIGINT, 0},
        {SIGTERM, SIG_DFL, 128 + SIGTERM, 0},
        {SIGHUP, SIG_DFL, 128 + SIGHUP, 0},
        {SIGXFSZ, SIG_DFL, 128 + SIGXFSZ, 0},
        {SIGHUP, SIG_IGN, 3, 1}, // as under nohup: the save goes on
    };
    for (const auto& c : cases) {
        int ready[2], go[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(go), 0);
        const pid_t child = fork();
        if (child == 0) {
            signal(c.signalNumber, c.disposition);
            const int at = open(folder.c_str(), O_PATH | O_DIRECTORY);
            TemporaryName name;
            name.Take(at, [at](const char* n) {
                return close(openat(at, n, O_WRONLY | O_CREAT | O_EXCL, 0600));
            });
            char sign = '!';
            if (write(ready[1], &sign, 1) == 1 && read(go[0], &sign, 1) == 1)
                name.Release(); // as when renamed over its target: the file stays
            _exit(3);
        }
        char sign = 0;
        ASSERT_EQ(read(ready[0], &sign, 1), 1);
        kill(child, c.signalNumber);
        EXPECT_EQ(write(go[1], &sign, 1), 1);
        int raw = 0;
        waitpid(child, &raw, 0);
        for (int end : {ready[0], ready[1], go[0], go[1]})
            close(end);
        EXPECT_EQ(WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : WEXITSTATUS(raw), c.status);
        EXPECT_EQ(Names().size(), c.namesLeft) << strsignal(c.signalNumber);
        EmptyFolder();
    }
}

// A file the user may not write is refused and left as it was. Root may write any file: the file
// that replaces it keeps its owner, its group and its permissions.
TEST_F(SaveTest, ReadOnlyFilesAreRefusedAndOwnersKept)
{
    chmod(folder.c_str(), 0777);
    const struct {
        uid_t owner;
        mode_t mode;
        uid_t saver;
        std::string error;
    } cases[] = {
        {OTHER, 02640, 0, ""},
        {SELF, 0444, SELF, "it is read only"},
        {OTHER, 0644, SELF, "it is read only"},
    };
    for (const auto& c : cases) {
        if (!ROOT && (c.owner != SELF || c.saver != SELF))
            continue;
        const std::string file = folder + "sheet.csv";
        std::ofstream(file) << "old";
        ASSERT_EQ(chown(file.c_str(), c.owner, GROUP), 0);
        ASSERT_EQ(chmod(file.c_str(), c.mode), 0);
        const std::string error = SavedAs(c.saver, "sheet.csv");
        EXPECT_EQ(error, c.error.empty() ? "" : "could not save \"" + file + "\": " + c.error);
        struct stat saved {};
        stat(file.c_str(), &saved);
        EXPECT_EQ(saved.st_uid, c.owner) << error;
        EXPECT_EQ(saved.st_gid, GROUP) << error;
        EXPECT_EQ(saved.st_mode & 07777, c.mode) << error;
        EXPECT_EQ(Read("sheet.csv") == "old", !c.error.empty()) << error;
        EXPECT_EQ(Names().size(), 1u);
    }
}

// Sets or clears the immutable mark (chattr +i) of a file; false where its disk or the user cannot.
bool MarkImmutable(const std::string& file, bool immutable)
{
    const int descriptor = open(file.c_str(), O_RDONLY);
    int flags = 0;
    bool marked = descriptor >= 0 && ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    marked = marked && ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
    close(descriptor);
    return marked;
}

// A save the system refuses says what stands in its way, not only that it was refused; the path
// it names cannot fake a second line or colour the terminal.
TEST_F(SaveTest, MessagesNameWhatStandsInTheWay)
{
    chmod(folder.c_str(), 0777);
    std::filesystem::create_directory(folder + "sticky");
    std::ofstream(folder + "sticky/theirs.csv") << "old";
    std::ofstream(folder + "locked.csv") << "old";
    const bool immutable = MarkImmutable(folder + "locked.csv", true);
    std::filesystem::create_directory(folder + "shut");
    for (const auto& [file, owner, mode] : {std::tuple(std::string("sticky"), OTHER, 01777),
                                            {"sticky/theirs.csv", OTHER, 0666},
                                            {"shut", SELF, 0555}}) {
        const std::string path = folder + file;
        if (chown(path.c_str(), owner, GROUP) != 0 || chmod(path.c_str(), mode_t(mode)) != 0) {
            ASSERT_FALSE(ROOT) << file;
        }
    }
    const struct {
        std::string name, shown;
        uid_t saver;
        bool runs;
        std::string reason;
    } cases[] = {
        {"sticky/theirs.csv", "sticky/theirs.csv", SELF, ROOT,
         "it belongs to another user, and in its folder only a file's owner may replace it"},
        {"locked.csv", "locked.csv", 0, immutable, "it is marked immutable"},
        {"gone\n/x\x1b[2J.csv", "gone\\n/x\\x1b[2J.csv", SELF, true, "its folder does not exist"},
        {"shut/new.csv", "shut/new.csv", SELF, true, "its folder may not be written to"},
    };
    for (const auto& c : cases) {
        if (c.runs) {
            EXPECT_EQ(SavedAs(c.saver, c.name),
                      "could not save \"" + folder + c.shown + "\": " + c.reason);
        }
    }
    MarkImmutable(folder + "locked.csv", false);
    EXPECT_EQ(Read("locked.csv") + Read("sticky/theirs.csv"), "oldold");
    EXPECT_EQ(Names("shut/").size() + Names("sticky/").size(), 1u);
}

// A link is followed to the end of its chain, and the file there replaced in its own folder; one
// that leads nowhere gets the file it names made. The links stay links.
TEST_F(SaveTest, LinksLeadToTheFileReplaced)
{
    std::filesystem::create_directory(folder + "dotfiles");
    std::ofstream(folder + "dotfiles/owned.txt") << "old";
    std::filesystem::create_symlink("../dotfiles/owned.txt", folder + "dotfiles/chain");
    std::filesystem::create_symlink("dotfiles/chain", folder + "link.csv");
    std::filesystem::create_symlink("dotfiles/new.txt", folder + "nowhere.csv");
    const std::string table = Saved("link.csv");
    EXPECT_EQ(table.substr(0, 4), "sum,");
    EXPECT_EQ(Saved("nowhere.csv"), table);
    EXPECT_EQ(Read("dotfiles/new.txt"), table);
    EXPECT_EQ(Read("dotfiles/owned.txt"), table);
    for (const char* link : {"link.csv", "dotfiles/chain", "nowhere.csv"})
        EXPECT_TRUE(std::filesystem::is_symlink(folder + link)) << link;
    EXPECT_EQ(Names().size(), 3u);
    EXPECT_EQ(Names("dotfiles/"), std::set<std::filesystem::path>({folder + "dotfiles/owned.txt",
                                                                   folder + "dotfiles/chain",
                                                                   folder + "dotfiles/new.txt"}));
}

// The temporary name is short, whatever the target's: a name as long as the disk takes is saved.
TEST_F(SaveTest, ANameAsLongAsTheDiskTakesIsSaved)
{
    const long longest = pathconf(folder.c_str(), _PC_NAME_MAX);
    const std::string name = std::string(static_cast<std::size_t>(longest) - 4, 'n') + ".csv";
    EXPECT_EQ(Saved(name).substr(0, 4), "sum,");
    EXPECT_EQ(Names(), std::set<std::filesystem::path>{folder + name});
}

TEST_F(SaveTest, CsvReadsBackAsTheRunsTable)
{
    const mode_t mask = umask(022);
    std::istringstream csv(Saved("table.CSV"));
    umask(mask);
    struct stat file {};
    stat((folder + "table.CSV").c_str(), &file);
    EXPECT_EQ(file.st_mode & 0777, 0644u) << "as any new file, not private as a temporary one";
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "sum,count,relative_frequency,expected_probability");
    std::size_t k = 0;
    for (double sum, count, share, chance; std::getline(csv, line); ++k) {
        ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%lf,%lf", &sum, &count, &share, &chance), 4);
        EXPECT_EQ(line.find('\r'), std::string::npos);
        EXPECT_EQ(sum, 2.0 + k);
        EXPECT_EQ(count, run.Counts()[k]);
        EXPECT_EQ(share, run.Counts()[k] / double(ROLLS));
        EXPECT_EQ(chance, theory.Chances()[k]);
    }
    EXPECT_EQ(k, 11u);
}

TEST_F(SaveTest, JsonReadsBackAsEverythingAboutTheRun)
{
    using Json = nlohmann::ordered_json;
    const std::string text = Saved("run.json");
    EXPECT_EQ(Saved("again.json"), text) << "the same run, the same file";
    const Json json = Json::parse(text);
    std::string fields;
    for (const auto& field : json.items())
        fields += field.key() + " ";
    EXPECT_EQ(fields,
              "dice rolls seed faces weights table mean sd chi_square running_mean first_rolls ");
    EXPECT_EQ(json["seed"], SEED);
    EXPECT_EQ(json["weights"], Json({5463, 5462, 5462, 5462, 5462, 5457}));
    for (std::size_t k = 0; k < 11; ++k)
        EXPECT_EQ(
            json["table"][k],
            Json({{"sum", 2 + k}, {"count", run.Counts()[k]}, {"expected", theory.Chances()[k]}}));
    const TheoryComparison comparison(theory, run.Counts());
    EXPECT_EQ(json["mean"]["observed"], comparison.ObservedMean());
    EXPECT_EQ(json["sd"]["observed"], comparison.ObservedDeviation()); // n as the divisor
    EXPECT_EQ(json["mean"]["expected"], 2 * 114673 / 32768.0); // the faces times their draws
    EXPECT_EQ(json["chi_square"]["df"], 10);
    EXPECT_EQ(json["running_mean"], Json::array());
    ASSERT_EQ(json["first_rolls"].size(), 10000u);
    DiceRoller roller(2, SEED);
    for (const Json& roll : json["first_rolls"]) {
        char faces[2];
        roller.Roll(faces);
        ASSERT_EQ(roll, Json({faces[0] - '0', faces[1] - '0'}));
    }
}

} // namespace
