#include "app/run/DiceRun.h"

DiceRun::DiceRun(int dice, long rolls, std::uint32_t seed, std::vector<int>& counts,
                 RollRecord& record, const Die& die)
    : roller(dice, seed, die), dice(roller.Dice()), counts(counts), record(record)
{
    counts.assign(RowCount(this->dice, die.Faces()), 0);
    record.Start(rolls, this->dice, die.Faces());
}

int DiceRun::RollOne()
{
    std::uint8_t faces[DiceRoller::MAX_DICE];
    const bool recorded = RollRecord::Records(made);
    const int sum = roller.Roll(recorded ? faces : nullptr);
    if (recorded)
        record.Add(made, faces, dice);
    ++counts[sum - dice];
    ++made;
    return sum;
}

void DiceRun::RollUntil(long n)
{
    while (made < n && RollRecord::Records(made))
        RollOne();
    if (made < n) {
        roller.RollMany(n - made, counts.data());
        made = n;
    }
}
