#include "app/theory/SumDistribution.h"

#include "app/run/DiceRoller.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The chance of each face, w_i / W: for the six-sided die a whole number of 1/32768, which a
// double holds exactly.
std::vector<double> FaceChances(const Die& die)
{
    std::vector<double> chance;
    for (int w : die.Weights())
        chance.push_back(static_cast<double>(w) / die.WeightTotal());
    return chance;
}

// The chances of the sums of one die more.
std::vector<double> AddDie(const std::vector<double>& sums, const std::vector<double>& face)
{
    std::vector<double> more(sums.size() + face.size() - 1, 0.0);
    for (std::size_t k = 0; k < sums.size(); ++k)
        for (std::size_t f = 0; f < face.size(); ++f)
            more[k + f] += sums[k] * face[f];
    return more;
}

// Mean and variance of one die, each one division of whole numbers: the mean is the sum of
// w_i x i over W, the variance the sum of w_i x i^2 x W less the square of that sum, over W^2.
struct dieMoments {
    double mean = 0;
    double variance = 0;
};

dieMoments OneDie(const Die& die)
{
    std::int64_t faces = 0, squares = 0;
    for (std::size_t f = 0; f < die.Weights().size(); ++f) {
        const std::int64_t face = static_cast<std::int64_t>(f) + 1;
        faces += die.Weights()[f] * face;
        squares += die.Weights()[f] * face * face;
    }
    const std::int64_t total = die.WeightTotal();
    return {static_cast<double>(faces) / static_cast<double>(total),
            static_cast<double>(squares * total - faces * faces) /
                static_cast<double>(total * total)};
}

} // namespace

SumDistribution::SumDistribution(int dice, const Die& die)
    : dice(std::clamp(dice, 1, DiceRoller::MAX_DICE)), die(die), chances{1.0}
{
    const std::vector<double> face = FaceChances(die);
    for (int d = 0; d < this->dice; ++d)
        chances = AddDie(chances, face);
    // The dice are independent: means and variances add up die by die.
    const dieMoments one = OneDie(die);
    mean = this->dice * one.mean;
    deviation = std::sqrt(this->dice * one.variance);
}

SumDistribution SumDistribution::FairDice() const
{
    return SumDistribution(dice, *Die::Fair(die.Faces()));
}

double SumDistribution::Chance(int sum) const
{
    if (sum < LowestSum() || sum > HighestSum())
        return 0.0;
    return chances[static_cast<std::size_t>(sum - LowestSum())];
}
