#pragma once

#include "app/run/Die.h"

#include <vector>

// The exact chances of every sum of a number of dice of one kind, as this program rolls them:
// face i of the die comes up with the chance w_i / W of its weights (see Die). The default
// six-sided die is not quite fair: of the 32768 draws a face is made from, 5463 give a 1, 5462
// each a 2 to 5 and 5457 a 6. The chances of the sums follow by adding one die at a time (a
// convolution), in doubles: every term is positive, so the rounding errors stay near 1e-14 of
// each chance even at the largest number of dice.
class SumDistribution {
public:
    // Dice outside 1..DiceRoller::MAX_DICE are taken as the nearest count inside.
    explicit SumDistribution(int dice, const Die& die = Die());

    // The same number of fair dice with as many faces.
    SumDistribution FairDice() const;

    int Dice() const { return dice; }
    const Die& GetDie() const { return die; }
    int LowestSum() const { return dice; }
    int HighestSum() const { return die.Faces() * dice; }

    // Cell k holds the chance of the sum Dice() + k, for k = 0 to HighestSum() - LowestSum().
    const std::vector<double>& Chances() const { return chances; }
    // The chance of one sum; 0 for a sum the dice cannot make.
    double Chance(int sum) const;

    // Of the sum, as the die's weights make them exactly.
    double Mean() const { return mean; }
    double StandardDeviation() const { return deviation; }

private:
    int dice;
    Die die;
    std::vector<double> chances;
    double mean = 0;
    double deviation = 0;
};
