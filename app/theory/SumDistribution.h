#pragma once

#include <array>
#include <vector>

// The exact chances of every sum of a number of dice rolled by this program. Its dice are not
// quite fair: of the 32768 draws a face is made from, 5463 give a 1, 5462 each a 2 to 5 and
// 5457 a 6. The chances of the sums follow by adding one die at a time (a convolution), in
// doubles: every term is positive, so the rounding errors stay near 1e-14 of each chance even at
// the largest number of dice.
class SumDistribution {
public:
    // The draws a face is made from, all equally likely.
    static constexpr int DRAWS = 32768;
    // How many of them give each face, 1 to 6, through the rule the rolls use.
    static std::array<int, 6> FaceDraws();

    // Dice outside 1..DiceRoller::MAX_DICE are taken as the nearest count inside.
    explicit SumDistribution(int dice);

    int Dice() const { return dice; }
    int LowestSum() const { return dice; }
    int HighestSum() const { return 6 * dice; }

    // Cell k holds the chance of the sum Dice() + k, for k = 0 to 5 x Dice().
    const std::vector<double>& Chances() const { return chances; }
    // The chance of one sum; 0 for a sum the dice cannot make.
    double Chance(int sum) const;

    // Of the sum, as the face rule makes them exactly.
    double Mean() const { return mean; }
    double StandardDeviation() const { return deviation; }

private:
    int dice;
    std::vector<double> chances;
    double mean = 0;
    double deviation = 0;
};
