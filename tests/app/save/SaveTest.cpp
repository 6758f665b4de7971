#include "app/run/DiceRoller.h"
#include "app/run/RunModel.h"
#include "app/save/RunFiles.h"
#include "app/theory/TheoryComparison.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

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

    std::set<std::filesystem::path> Names() const
    {
        return {std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()};
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

    std::string folder;
    RunModel run;
    const SumDistribution theory{2};
};

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
        {folder + "full.csv", "it is not a plain file"},
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
    EXPECT_EQ(Read("kept.json"), "old");
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
    EXPECT_EQ(json["running_mean"], Json::array());
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
        EXPECT_EQ(json["mean"]["expected"], dice.Mean());
        EXPECT_EQ(json["chi_square"]["p"],
                  TheoryComparison(dice, tested, run.Counts()).Test().PValue());
        EXPECT_EQ(json["chi_square"]["tested_against"], c.fair ? "fair" : "die");
        DiceRoller roller(2, SEED, c.die);
        std::uint8_t faces[2];
        for (const Json& roll : json["first_rolls"]) {
            roller.Roll(faces);
            ASSERT_EQ(roll, Json({faces[0], faces[1]}));
        }

        std::istringstream csv(Saved("table.csv"));
        std::string line, last;
        int lines = 0;
        for (; std::getline(csv, line); ++lines)
            last = line;
        EXPECT_EQ(lines, 1 + static_cast<int>(dice.Chances().size()));
        EXPECT_EQ(last.substr(0, last.find(',')), std::to_string(2 * c.die.Faces()));
    }
}

} // namespace
