#include "app/run/DiceRoller.h"
#include "app/run/RunModel.h"
#include "app/save/RunFiles.h"
#include "app/save/TemporaryName.h"
#include "app/theory/TheoryComparison.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace {

const std::uint32_t SEED = 2024;
const int ROLLS = 10001; // one more than the record holds

// The users that tests of others' files save as: throwaway ones where the tests run as root, else
// the tests' own user, and then only the cases that need no other user run.
const bool ROOT = geteuid() == 0;
const uid_t SELF = ROOT ? 4242 : geteuid(), OTHER = 4243;
const gid_t GROUP = ROOT ? 4244 : getegid();

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
        EXPECT_TRUE(SaveRun(run, folder + name, nullptr, error)) << error;
        return Read(name);
    }

    // Runs `work` in a process of its own while `meanwhile` runs here: the child's exit status, or
    // 128 + the signal that ended it, as a shell gives it.
    static int InChild(const std::function<int()>& work,
                       const std::function<void(pid_t)>& meanwhile)
    {
        const pid_t child = fork();
        if (child == 0)
            _exit(work());
        meanwhile(child);
        int raw = 0;
        waitpid(child, &raw, 0);
        return WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : WEXITSTATUS(raw);
    }

    // Saves the run to `name` as the user `uid` (root, or the tests' own): "" when it is saved,
    // else the message.
    std::string SavedAs(uid_t uid, const std::string& name)
    {
        const uid_t self = geteuid();
        std::string error = "could not become user " + std::to_string(uid);
        if (seteuid(uid) == 0 && SaveRun(run, folder + name, nullptr, error))
            error.clear();
        EXPECT_EQ(seteuid(self), 0);
        return error;
    }

    std::string folder;
    RunModel run;
    const SumDistribution theory{2};
};

TEST_F(SaveTest, FailuresSayWhyAndLeaveNothingBehind)
{
    std::ofstream(folder + "kept.json") << "old";
    std::filesystem::create_directory(folder + "sub.csv");
    std::filesystem::create_symlink("/dev/full", folder + "full.csv");
    const struct {
        std::string path, reason, shown = ""; // as the message shows the path, where it differs
    } cases[] = {
        {folder + "kept.json", "File too large"}, // there is room for 4096 bytes only: see below
        {folder + "gone/x.csv", "its folder does not exist"},
        {"/sys/zobrin-test.csv", "its folder may not be written to"}, // not even for root
        {folder + "sub.csv", "it is a folder"},
        {folder + "full.csv", "it is a link to \"/dev/full\", and it is not a plain file"},
        {folder + "x.txt",
         "the extension \".txt\" is not one Zobrin writes; use .csv, .json, .png, .svg or .pdf"},
        {folder + "sub.csv/x", "its name has no extension; use .csv, .json, .png, .svg or .pdf"},
        {folder + "gone\n\x1b[2J\xc2\x9b\xff/W\xc3\xbcrfel.csv", "its folder does not exist",
         folder + "gone\\n\\x1b[2J\\xc2\\x9b\\xff/W\xc3\xbcrfel.csv"}, // no fake line, no colour
    };
    const auto before = Names();
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit full{4096, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(SaveRun(run, c.path, nullptr, error)) << c.path;
        EXPECT_EQ(error,
                  "could not save \"" + (c.shown.empty() ? c.path : c.shown) + "\": " + c.reason);
        EXPECT_EQ(Names(), before) << c.path;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(Read("kept.json"), "old");
}

// A save stopped by a signal at any point leaves the old file as it was, or the new one whole, and
// nothing else: not even SIGKILL, where the folder's disk can make a file without a name.
TEST_F(SaveTest, AnInterruptedSaveLeavesNothingBehind)
{
    const std::string file = folder + "big.json";
    const auto save = [&file](rlim_t limit) {
        return [&file, limit] {
            const rlimit size{limit, limit};
            const char* const argv[] = {ZOBRIN_PROGRAM, "100",        "1000000", "--seed", "7",
                                        "--save",       file.c_str(), nullptr};
            return setrlimit(RLIMIT_FSIZE, &size) || execv(argv[0], const_cast<char**>(argv));
        };
    };
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(InChild(save(RLIM_INFINITY), [](pid_t) {}), 0);
    const auto whole = std::chrono::steady_clock::now() - started; // the run, then the file
    const std::string saved = Read("big.json");
    const int unnamed = open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    close(unnamed);
    const struct {
        int signalNumber;
        double when; // a share of the whole save's time; SIGXFSZ comes of a file size limit
    } cases[] = {{SIGXFSZ, 0},   {SIGINT, 0.5},  {SIGTERM, 0.8}, {SIGHUP, 0.9}, {SIGKILL, 0.9},
                 {SIGINT, 0.95}, {SIGHUP, 0.97}, {SIGTERM, 1.0}, {SIGKILL, 1.0}};
    for (const auto& c : cases) {
        if (c.signalNumber == SIGKILL && unnamed < 0)
            continue; // only a file without a name survives SIGKILL
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
        std::ofstream(file) << "old";
        const bool limited = c.signalNumber == SIGXFSZ;
        const int status = InChild(save(limited ? 100 * 1024 : RLIM_INFINITY), [&](pid_t child) {
            std::this_thread::sleep_for(whole * c.when);
            kill(child, limited ? 0 : c.signalNumber); // signal 0 sends none
        });
        SCOPED_TRACE(strsignal(c.signalNumber) + (" at " + std::to_string(c.when)));
        EXPECT_TRUE(status == 0 || status == 128 + c.signalNumber) << status;
        EXPECT_EQ(Names().size(), 1u);
        EXPECT_TRUE(Read("big.json") == saved || (status != 0 && Read("big.json") == "old"));
    }
}

// Where a save has to give its file a temporary name, a signal that ends the program removes it
// first, and the program ends as the signal would have ended it.
TEST_F(SaveTest, ASignalThatEndsTheProgramTakesTheTemporaryNameWithIt)
{
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGXFSZ}) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const int status = InChild(
            [&] {
                const int at = open(folder.c_str(), O_PATH | O_DIRECTORY);
                TemporaryName name;
                name.Take(at, [at](const char* n) { return mknodat(at, n, S_IFREG, 0); });
                return int(write(ready[1], "!", 1)) + pause();
            },
            [&](pid_t child) {
                char sign = 0;
                EXPECT_EQ(read(ready[0], &sign, 1), 1);
                kill(child, signalNumber);
            });
        close(ready[0]), close(ready[1]);
        EXPECT_EQ(status, 128 + signalNumber);
        EXPECT_EQ(Names().size(), 0u) << strsignal(signalNumber);
    }
}

// A file the user may not write is refused and stays as it was, as do files the system keeps from
// being replaced, and the message says what stands in the way. Root may write any file: the file
// that replaces it keeps its owner, its group and its permissions.
TEST_F(SaveTest, ReadOnlyFilesAreRefusedAndOwnersKept)
{
    chmod(folder.c_str(), 0777);
    std::filesystem::create_directory(folder + "sticky");
    chmod((folder + "sticky").c_str(), 01777);
    const struct {
        std::string name;
        uid_t owner;
        mode_t mode;
        uid_t saver;
        std::string reason;
        bool immutable = false; // chattr +i
    } cases[] = {
        {"sheet.csv", OTHER, 02640, 0, ""},
        {"mine.csv", SELF, 0444, SELF, "it is read only"},
        {"sticky/theirs.csv", OTHER, 0666, SELF,
         "it belongs to another user, and in its folder only a file's owner may replace it"},
        {"locked.csv", SELF, 0644, 0, "it is marked immutable", true},
    };
    for (const auto& c : cases) {
        const std::string file = folder + c.name;
        std::ofstream(file) << "old";
        const std::string chattr = "chattr +i " + file + " 2>/dev/null";
        if (chown(file.c_str(), c.owner, GROUP) != 0 || chmod(file.c_str(), c.mode) != 0 ||
            (c.saver != SELF && !ROOT) || (c.immutable && std::system(chattr.c_str()) != 0))
            continue; // needs root, or a disk that keeps the mark
        const std::string error = SavedAs(c.saver, c.name);
        if (c.immutable)
            std::system(("chattr -i " + file).c_str());
        EXPECT_EQ(error, c.reason.empty() ? "" : "could not save \"" + file + "\": " + c.reason);
        struct stat now {};
        stat(file.c_str(), &now);
        EXPECT_EQ(std::tuple(now.st_uid, now.st_gid, now.st_mode & 07777, Read(c.name) == "old"),
                  std::tuple(c.owner, GROUP, c.mode, !c.reason.empty()))
            << c.name;
    }
    EXPECT_EQ(Names().size() + Names("sticky/").size(), std::size(cases) + 1);
}

// A link is followed to the end of its chain, and the file there replaced in its own folder. The
// links stay links.
TEST_F(SaveTest, LinksLeadToTheFileReplaced)
{
    std::filesystem::create_directory(folder + "dotfiles");
    std::ofstream(folder + "dotfiles/owned.txt") << "old";
    std::filesystem::create_symlink("owned.txt", folder + "dotfiles/chain");
    std::filesystem::create_symlink("dotfiles/chain", folder + "link.csv");
    Saved("link.csv");
    EXPECT_EQ(Read("dotfiles/owned.txt").substr(0, 4), "sum,");
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "link.csv") &&
                std::filesystem::is_symlink(folder + "dotfiles/chain"));
    EXPECT_EQ(Names().size() + Names("dotfiles/").size(), 4u);
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
    EXPECT_EQ(json["chi_square"]["tested_against"], "die");
    const Json& means = json["running_mean"];
    ASSERT_EQ(means.size(), run.RunningMeanPoints().size());
    EXPECT_EQ(means.back(), Json({{"roll", ROLLS}, {"mean", comparison.ObservedMean()}}));
    ASSERT_EQ(json["first_rolls"].size(), 10000u);
    DiceRoller roller(2, SEED);
    for (const Json& roll : json["first_rolls"]) {
        std::uint8_t faces[2];
        roller.Roll(faces);
        ASSERT_EQ(roll, Json({faces[0], faces[1]}));
    }
}

// Both files follow the run's die: its faces and weights, a row for every sum its dice make, the
// faces rolled (up to 20), and the test against it or against fair dice.
TEST_F(SaveTest, FilesDescribeTheRunsDieAndWhatItsRollsWereTestedAgainst)
{
    using Json = nlohmann::ordered_json;
    struct {
        Die die;
        bool fair;
        std::vector<int> weights;
    } cases[] = {
        {*Die::Loaded({1, 1, 1, 1, 1, 5}), true, {1, 1, 1, 1, 1, 5}},
        {*Die::Fair(20), false, std::vector<int>(20, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.die.Name());
        run.SetDie(c.die);
        run.SetTestAgainstFair(c.fair);
        run.Start(SEED);
        run.RollUntil(ROLLS);
        run.End();
        const Json json = Json::parse(Saved("run.json"));
        const SumDistribution dice(2, c.die), tested = c.fair ? dice.FairDice() : dice;
        EXPECT_EQ(json["faces"], c.die.Faces());
        EXPECT_EQ(json["weights"], Json(c.weights));
        ASSERT_EQ(json["table"].size(), dice.Chances().size());
        EXPECT_EQ(json["table"].back()["sum"], 2 * c.die.Faces());
        EXPECT_EQ(json["table"].back()["expected"], dice.Chances().back());
        EXPECT_EQ(json["chi_square"]["p"],
                  TheoryComparison(dice, tested, run.Counts()).Test().PValue());
        EXPECT_EQ(json["chi_square"]["tested_against"], c.fair ? "fair" : "die");
        DiceRoller roller(2, SEED, c.die);
        std::uint8_t faces[2];
        for (const Json& roll : json["first_rolls"]) {
            roller.Roll(faces);
            ASSERT_EQ(roll, Json({faces[0], faces[1]}));
        }
        const std::string csv = Saved("table.csv");
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'),
                  1 + static_cast<long>(dice.Chances().size()));
    }
}

} // namespace
