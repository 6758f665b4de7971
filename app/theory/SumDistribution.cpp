#include "app/theory/SumDistribution.h"

#include "app/run/DiceRoller.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The chance of each face: a whole number of 1/DRAWS, which a double holds exactly.
std::array<double, 6> FaceChances()
{
    const std::array<int, 6> draws = SumDistribution::FaceDraws();
    std::array<double, 6> chance{};
    for (std::size_t f = 0; f < draws.size(); ++f)
        chance[f] = static_cast<double>(draws[f]) / SumDistribution::DRAWS;
    return chance;
}

// The chances of the sums of one die more.
std::vector<double> AddDie(const std::vector<double>& sums, const std::array<double, 6>& face)
{
    std::vector<double> more(sums.size() + 5, 0.0);
    for (std::size_t k = 0; k < sums.size(); ++k)
        for (std::size_t f = 0; f < face.size(); ++f)
            more[k + f] += sums[k] * face[f];
    return more;
}

// Mean and variance of one die.
struct dieMoments {
    double mean = 0;
    double variance = 0;
};

dieMoments OneDie(const std::array<double, 6>& face)
{
    dieMoments m;
    double meanSquare = 0;
    for (std::size_t f = 0; f < face.size(); ++f) {
        m.mean += face[f] * static_cast<double>(f + 1);
        meanSquare += face[f] * static_cast<double>((f + 1) * (f + 1));
    }
    m.variance = meanSquare - m.mean * m.mean;
    return m;
}

} // namespace

SumDistribution::SumDistribution(int dice)
    : dice(std::clamp(dice, 1, DiceRoller::MAX_DICE)), chances{1.0}
{
    const std::array<double, 6> face = FaceChances();
    for (int d = 0; d < this->dice; ++d)
        chances = AddDie(chances, face);
    // The dice are independent: means and variances add up die by die.
    const dieMoments die = OneDie(face);
    mean = this->dice * die.mean;
    deviation = std::sqrt(this->dice * die.variance);
}

std::array<int, 6> SumDistribution::FaceDraws()
{
    std::array<int, 6> draws{};
    for (std::uint32_t r = 0; r < DRAWS; ++r)
        ++draws[static_cast<std::size_t>(DiceRoller::Face(r) - 1)];
    return draws;
}

double SumDistribution::Chance(int sum) const
{
    if (sum < LowestSum() || sum > HighestSum())
        return 0.0;
    return chances[static_cast<std::size_t>(sum - LowestSum())];
}
