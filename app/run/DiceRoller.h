#pragma once

#include <cstdint>
#include <vector>

// Rolls a fixed number of six-sided dice, one roll or many at a time.
//
// The faces follow the rule 1 + trunc(r * 5.999 / 32767) for a draw r uniform on 0..32767, so
// face 6 comes from slightly fewer draws than the others. Draws come from four interleaved
// xoshiro128++ generators, each 32-bit output giving two 15-bit draws, and rolls are made
// eight at a time, one vector lane each, so one instruction works on eight dice. Whichever mix of
// Roll and RollMany a caller uses, the same seed gives the same sequence of rolls.
class DiceRoller {
public:
    static constexpr int LANES = 8; // rolls made together
    static constexpr int MAX_DICE = 100;

    // Dice outside 1..MAX_DICE are taken as the nearest count inside.
    DiceRoller(int dice, std::uint32_t seed);

    // The face that the draw r (0..32767) gives, worked out as the rolls work out theirs.
    static int Face(std::uint32_t r);

    // Makes one roll and returns its sum; if faces is not null, writes the faces there as the
    // digits '1' to '6' (one char per die, no terminator).
    int Roll(char* faces);

    // Makes n rolls and adds one to counts[sum - dice] for each.
    void RollMany(long n, int* counts);

    int Dice() const { return dice; }

private:
    // The lanes as the compiler's vector types (GCC and Clang): the work of a block is written
    // once for all its rolls and compiles to SSE2 instructions, which every x86-64 has.
    typedef std::uint32_t Words __attribute__((vector_size(16)));
    typedef std::int16_t Draws __attribute__((vector_size(16)));

    Draws NextDraws();
    static Draws FacesOf(Draws draws);
    void NextBlock(bool keepFaces);
    void CountBlock(int* counts);

    int dice;
    Words state[4];
    std::int32_t sums[LANES];
    // LANES x dice digits of the current block. Every block that Roll can hand out from was
    // rolled with its faces kept; only the blocks that RollMany uses up whole skip them.
    std::vector<char> faces;
    int used = LANES; // rolls of the current block already handed out
};
