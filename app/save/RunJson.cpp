#include "app/save/RunJson.h"

#include "app/run/RunModel.h"
#include "app/theory/TheoryComparison.h"

#include <nlohmann/json.hpp>

namespace {

// Keeps the fields in the order they are written.
using Json = nlohmann::ordered_json;

Json Table(const SumDistribution& theory, const std::vector<int>& counts)
{
    Json table = Json::array();
    for (std::size_t k = 0; k < theory.Chances().size(); ++k)
        table.push_back({{"sum", theory.LowestSum() + static_cast<int>(k)},
                         {"count", k < counts.size() ? counts[k] : 0},
                         {"expected", theory.Chances()[k]}});
    return table;
}

// An observed value beside the expected one; null when nothing was observed.
Json Compared(bool observed, double value, double expected)
{
    return {{"observed", observed ? Json(value) : Json()}, {"expected", expected}};
}

Json ChiSquare(const ChiSquareTest& test, bool againstFair)
{
    Json json = {{"statistic", nullptr}, {"df", nullptr}, {"p", nullptr}};
    if (test.Possible())
        json = {
            {"statistic", test.Statistic()}, {"df", test.DegreesOfFreedom()}, {"p", test.PValue()}};
    json["tested_against"] = againstFair ? "fair" : "die";
    return json;
}

// The faces of the recorded rolls, each roll its list of faces.
Json FirstRolls(const RollRecord& record, int dice)
{
    Json rolls = Json::array();
    const std::vector<std::uint8_t>& faces = record.Faces();
    for (auto roll = faces.begin(); faces.end() - roll >= dice; roll += dice)
        rolls.push_back(Json(std::vector<int>(roll, roll + dice)));
    return rolls;
}

Json RunningMeanPoints(const std::vector<RunningMean::Point>& points)
{
    Json list = Json::array();
    for (const RunningMean::Point& point : points)
        list.push_back({{"roll", point.roll}, {"mean", point.mean}});
    return list;
}

} // namespace

void WriteRunJson(const RunModel& run, std::ostream& out)
{
    const SumDistribution theory(run.RunDice(), run.RunDie());
    const SumDistribution tested = run.TestsAgainstFair() ? theory.FairDice() : theory;
    const TheoryComparison comparison(theory, tested, run.Counts());
    const bool rolled = comparison.Rolls() > 0;
    Json json;
    json["dice"] = theory.Dice();
    json["rolls"] = run.Made();
    json["seed"] = run.Seed();
    json["faces"] = run.RunDie().Faces();
    json["weights"] = run.RunDie().Weights();
    json["table"] = Table(theory, run.Counts());
    json["mean"] = Compared(rolled, comparison.ObservedMean(), theory.Mean());
    json["sd"] = Compared(rolled, comparison.ObservedDeviation(), theory.StandardDeviation());
    json["chi_square"] = ChiSquare(comparison.Test(), run.TestsAgainstFair());
    json["running_mean"] = RunningMeanPoints(run.RunningMeanPoints());
    json["first_rolls"] = FirstRolls(run.Record(), theory.Dice());
    out << json.dump() << '\n';
}
