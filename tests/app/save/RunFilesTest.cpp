#include "SaveFolder.h"

#include "app/run/DiceRoller.h"
#include "app/run/RunModel.h"
#include "app/save/RunFiles.h"
#include "app/theory/TheoryComparison.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

const std::uint32_t SEED = 2024;

class RunFilesTest : public SaveFolder {
protected:
    // Makes a run as the window's final run makes it, and saves it as `name` in the folder.
    std::string MakeAndSave(int dice, int rolls, const std::string& name)
    {
        run.SetDice(dice);
        run.SetRolls(rolls);
        run.Start(SEED);
        run.RollUntil(rolls);
        run.End();
        std::string error;
        EXPECT_TRUE(SaveRun(run, folder + name, error)) << error;
        return Read(folder + name);
    }

    RunModel run;
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

TEST_F(RunFilesTest, CsvReadsBackAsTheRunsTable)
{
    for (auto [dice, rolls] : {std::pair{100, 3}, std::pair{2, 3000}}) {
        const std::string text = MakeAndSave(dice, rolls, "table.csv");
        EXPECT_EQ(text.back(), '\n');
        EXPECT_EQ(text.find('\r'), std::string::npos);
        const std::vector<std::string> lines = Split(text, '\n');
        ASSERT_EQ(lines.size(), 5u * dice + 2);
        EXPECT_EQ(lines[0], "sum,count,relative_frequency,expected_probability");
        const SumDistribution theory(dice);
        for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
            const std::vector<std::string> cells = Split(lines[k + 1], ',');
            ASSERT_EQ(cells.size(), 4u) << lines[k + 1];
            EXPECT_EQ(std::stoi(cells[0]), dice + static_cast<int>(k));
            EXPECT_EQ(std::stoi(cells[1]), run.Counts()[k]);
            EXPECT_EQ(std::strtod(cells[2].c_str(), nullptr),
                      static_cast<double>(run.Counts()[k]) / rolls);
            EXPECT_EQ(std::strtod(cells[3].c_str(), nullptr), theory.Chances()[k]) << cells[3];
        }
    }
}

TEST_F(RunFilesTest, JsonReadsBackAsEverythingAboutTheRun)
{
    using Json = nlohmann::ordered_json;
    for (auto [dice, rolls] : {std::pair{2, 10001}, std::pair{100, 7}}) {
        const std::string text = MakeAndSave(dice, rolls, "run.json");
        EXPECT_EQ(MakeAndSave(dice, rolls, "again.json"), text) << "the same run, the same file";
        const Json json = Json::parse(text);
        std::vector<std::string> fields;
        for (const auto& field : json.items())
            fields.push_back(field.key());
        EXPECT_EQ(fields, (std::vector<std::string>{"dice", "rolls", "seed", "faces", "weights",
                                                    "table", "mean", "sd", "chi_square",
                                                    "running_mean", "first_rolls"}));
        EXPECT_EQ(json["dice"], dice);
        EXPECT_EQ(json["rolls"], rolls);
        EXPECT_EQ(json["seed"], SEED);
        EXPECT_EQ(json["faces"], 6);
        EXPECT_EQ(json["weights"], Json({5463, 5462, 5462, 5462, 5462, 5457}));

        const SumDistribution theory(dice);
        const TheoryComparison comparison(theory, run.Counts());
        ASSERT_EQ(json["table"].size(), theory.Chances().size());
        for (std::size_t k = 0; k < theory.Chances().size(); ++k)
            EXPECT_EQ(json["table"][k], Json({{"sum", dice + static_cast<int>(k)},
                                              {"count", run.Counts()[k]},
                                              {"expected", theory.Chances()[k]}}));
        EXPECT_EQ(json["mean"],
                  Json({{"observed", comparison.ObservedMean()}, {"expected", theory.Mean()}}));
        EXPECT_EQ(json["sd"], Json({{"observed", comparison.ObservedDeviation()},
                                    {"expected", theory.StandardDeviation()}}));
        const ChiSquareTest& test = comparison.Test();
        EXPECT_EQ(json["chi_square"],
                  test.Possible()
                      ? Json({{"statistic", test.Statistic()},
                              {"df", test.DegreesOfFreedom()},
                              {"p", test.PValue()}})
                      : Json({{"statistic", nullptr}, {"df", nullptr}, {"p", nullptr}}));
        EXPECT_EQ(json["running_mean"], Json::array());

        const Json& firstRolls = json["first_rolls"];
        ASSERT_EQ(firstRolls.size(), std::min(rolls, 10000));
        DiceRoller roller(dice, SEED);
        for (const Json& roll : firstRolls) {
            std::vector<char> faces(dice);
            roller.Roll(faces.data());
            Json expected = Json::array();
            for (char face : faces)
                expected.push_back(face - '0');
            ASSERT_EQ(roll, expected);
        }
    }
}

TEST_F(RunFilesTest, TheExtensionChoosesTheKindAndAnUnknownOneIsRefused)
{
    EXPECT_EQ(Split(MakeAndSave(1, 10, "upper.CSV"), '\n').size(), 7u);
    const std::string use = "; use .csv or .json";
    const std::pair<std::string, std::string> refused[] = {
        {"table.txt", "the extension \".txt\" is not one Zobrin writes" + use},
        {"table", "its name has no extension" + use},
        {"folder.csv/table", "its name has no extension" + use},
    };
    for (const auto& [name, reason] : refused) {
        std::string error;
        EXPECT_FALSE(SaveRun(run, folder + name, error));
        EXPECT_EQ(error, "could not save \"" + folder + name + "\": " + reason);
    }
    EXPECT_EQ(Names(), std::set<std::string>{"upper.CSV"});
}

} // namespace
