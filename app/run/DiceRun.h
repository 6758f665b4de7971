#pragma once

#include "app/run/DiceRoller.h"
#include "app/run/RollRecord.h"

#include <cstdint>
#include <vector>

// The rolling and counting of one run, apart from any window: rolls the dice, counts each sum
// in `counts` (cell k for the sum dice + k) and records the first rolls' faces in `record`.
class DiceRun {
public:
    // Zeroes `counts` to one cell per possible sum and empties `record` for a run of `rolls`
    // rolls of `die`. Dice outside 1..DiceRoller::MAX_DICE are taken as the nearest count
    // inside.
    DiceRun(int dice, long rolls, std::uint32_t seed, std::vector<int>& counts, RollRecord& record,
            const Die& die = Die());

    // The possible sums of `dice` dice of `faces` faces: dice to faces x dice.
    static int RowCount(int dice, int faces = Die::SIX_SIDED_FACES)
    {
        return (faces - 1) * dice + 1;
    }

    // Makes the next roll and returns its sum.
    int RollOne();

    // Makes rolls until `n` have been made in all.
    void RollUntil(long n);

    long Made() const { return made; }
    int Dice() const { return dice; }
    const Die& GetDie() const { return roller.GetDie(); }

private:
    DiceRoller roller;
    int dice; // as the roller took it: 1 to DiceRoller::MAX_DICE
    std::vector<int>& counts;
    RollRecord& record;
    long made = 0;
};
