#include "app/run/Die.h"

#include <algorithm>
#include <numeric>

namespace {

// The draws that give each face of the default die.
const std::vector<int>& SixSidedWeights()
{
    static const std::vector<int> weights = [] {
        std::vector<int> draws(Die::SIX_SIDED_FACES, 0);
        for (int r = 0; r < Die::DRAWS; ++r)
            ++draws[static_cast<std::size_t>(Die::SixSidedFace(r) - 1)];
        return draws;
    }();
    return weights;
}

} // namespace

Die::Die() : Die(SixSidedWeights()) {}

Die::Die(std::vector<int> faceWeights)
    : weights(std::move(faceWeights)), total(std::accumulate(weights.begin(), weights.end(), 0)),
      table(DRAWS, 0)
{
    // Each unit of weight takes as many entries as every other: DRAWS / total of them.
    const int entries = DRAWS / total;
    auto at = table.begin();
    for (std::size_t f = 0; f < weights.size(); ++f)
        at = std::fill_n(at, entries * weights[f], static_cast<std::uint8_t>(f + 1));
}

std::optional<Die> Die::Fair(int faces)
{
    if (faces < MIN_FACES || faces > MAX_FACES)
        return std::nullopt;
    return Die(std::vector<int>(static_cast<std::size_t>(faces), 1));
}

std::optional<Die> Die::Loaded(const std::vector<int>& weights)
{
    const int faces = static_cast<int>(weights.size());
    if (faces < MIN_FACES || faces > MAX_FACES)
        return std::nullopt;
    if (std::any_of(weights.begin(), weights.end(), [](int w) { return w < 0 || w > MAX_WEIGHT; }))
        return std::nullopt;
    int common = 0;
    for (int w : weights)
        common = std::gcd(common, w);
    if (common == 0)
        return std::nullopt; // all 0
    std::vector<int> lowest(weights);
    for (int& w : lowest)
        w /= common;
    return Die(std::move(lowest));
}

bool Die::IsSixSided() const { return weights == SixSidedWeights(); }

bool Die::IsFair() const
{
    return std::all_of(weights.begin(), weights.end(), [this](int w) { return w == weights[0]; });
}

std::string Die::Kind() const
{
    const std::string sided = std::to_string(Faces()) + "-sided";
    if (IsSixSided())
        return "six-sided";
    if (IsFair())
        return Faces() == SIX_SIDED_FACES ? "fair " + sided : sided;
    return "loaded " + sided;
}

// A loaded die's text goes on with its weights.
std::string Die::WithWeights(const std::string& text) const
{
    if (!IsLoaded())
        return text;
    std::string listed = text + ", weights ";
    for (std::size_t f = 0; f < weights.size(); ++f)
        listed += (f == 0 ? "" : ", ") + std::to_string(weights[f]);
    return listed;
}

std::string Die::Name() const { return WithWeights(Kind()); }

std::string Die::Counted(int dice) const
{
    return WithWeights(std::to_string(dice) + " " + Kind() + (dice == 1 ? " die" : " dice"));
}
