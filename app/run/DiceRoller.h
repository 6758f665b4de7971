#pragma once

#include "app/run/Die.h"

#include <cstdint>
#include <vector>

// Rolls a fixed number of dice of one kind, one roll or many at a time.
//
// Draws come from four interleaved xoshiro128++ generators, each 32-bit output giving two 15-bit
// draws uniform on 0..32767, and rolls are made eight at a time, one vector lane each, so one
// instruction works on eight dice. The die's table turns each draw into a face (see Die). The
// six-sided die's table is the rule 1 + trunc(r * 5.999 / 32767) for the draw r, which needs no
// lookup: each draw is compared with a few thresholds, all lanes at once. Other dice look their
// faces up lane by lane; a lane whose draw must be drawn again takes the same lane of the next
// draws, and so on until every lane has its face: each lane's face is then its first draw that
// gives one. Whichever mix of Roll and RollMany a caller uses, the same seed and die give the
// same sequence of rolls.
class DiceRoller {
public:
    static constexpr int LANES = 8; // rolls made together
    static constexpr int MAX_DICE = 100;

    // Dice outside 1..MAX_DICE are taken as the nearest count inside.
    DiceRoller(int dice, std::uint32_t seed, const Die& die = Die());

    // The face that the draw r (0..32767) gives on the six-sided die, worked out as the rolls
    // work out theirs.
    static int Face(std::uint32_t r);

    // Makes one roll and returns its sum; if faces is not null, writes the faces there, one
    // number (1 to the die's faces) a die.
    int Roll(std::uint8_t* faces);

    // Makes n rolls and adds one to counts[sum - dice] for each.
    void RollMany(long n, int* counts);

    int Dice() const { return dice; }
    const Die& GetDie() const { return die; }

private:
    // The lanes as the compiler's vector types (GCC and Clang): the work of a block is written
    // once for all its rolls and compiles to SSE2 instructions, which every x86-64 has.
    typedef std::uint32_t Words __attribute__((vector_size(16)));
    typedef std::int16_t Draws __attribute__((vector_size(16)));

    Draws NextDraws();
    static Draws FacesOf(Draws draws);
    static bool Any(Draws lanes);
    Draws TableDraws();
    template <bool KEEP_FACES> void RollSixSided();
    template <bool KEEP_FACES> void RollByTable();
    template <bool KEEP_FACES> void RollBlock();
    void CountBlock(int* counts);

    int dice;
    Die die;
    bool sixSided;         // the die is the six-sided one, whose faces need no table
    std::int16_t lastDraw; // the last draw the die's table gives a face for
    Words state[4];
    std::int32_t sums[LANES];
    // LANES x dice faces of the current block. Every block that Roll can hand out from was
    // rolled with its faces kept; only the blocks that RollMany uses up whole skip them.
    std::vector<std::uint8_t> faces;
    int used = LANES; // rolls of the current block already handed out
};
