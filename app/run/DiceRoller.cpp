#include "app/run/DiceRoller.h"

#include <algorithm>
#include <cstring>

namespace {

// THRESHOLD[k] is the smallest draw whose face exceeds k + 1; a face is one plus the number of
// thresholds a draw reaches, which is exactly the formula for every draw and needs no division.
struct Thresholds {
    std::int16_t value[5] = {};
    constexpr Thresholds()
    {
        int k = 0;
        for (int r = 0; r < 32768 && k < 5; ++r)
            if (Die::SixSidedFace(r) > k + 1)
                value[k++] = static_cast<std::int16_t>(r);
    }
};
constexpr Thresholds THRESHOLD;

template <typename T> inline T Rotl(T x, int k) { return (x << k) | (x >> (32 - k)); }

std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

DiceRoller::DiceRoller(int dice, std::uint32_t seed, const Die& die)
    : dice(std::clamp(dice, 1, MAX_DICE)), die(die), sixSided(die.IsSixSided()),
      lastDraw(static_cast<std::int16_t>(die.TableEnd() - 1))
{
    std::uint64_t mix = seed;
    for (auto& word : state)
        for (int l = 0; l < LANES / 2; ++l)
            word[l] = static_cast<std::uint32_t>(SplitMix(mix) >> 32);
    for (int l = 0; l < LANES / 2; ++l)
        if ((state[0][l] | state[1][l] | state[2][l] | state[3][l]) == 0)
            state[0][l] = 1; // xoshiro must not start from the all-zero state
}

int DiceRoller::Face(std::uint32_t r)
{
    Draws draws = {};
    draws[0] = static_cast<std::int16_t>(r & 0x7FFF);
    return FacesOf(draws)[0];
}

// The faces of a lane of draws: one plus the number of thresholds each draw reaches.
inline DiceRoller::Draws DiceRoller::FacesOf(Draws draws)
{
    Draws face = Draws{} + 1;
    for (std::int16_t t : THRESHOLD.value)
        face -= draws >= t; // a true comparison is -1 in every lane where it holds
    return face;
}

// One step of the four generators at once. Each 32-bit output is taken as two 16-bit halves of
// which the low 15 bits are kept: eight draws in 16-bit lanes, which is also how they are
// compared, so each vector instruction handles many dice.
inline DiceRoller::Draws DiceRoller::NextDraws()
{
    auto& [s0, s1, s2, s3] = state;
    const Words out = (Rotl(s0 + s3, 7) + s0) & 0x7FFF7FFFu;
    const Words t = s1 << 9;
    s2 ^= s0;
    s3 ^= s1;
    s1 ^= s2;
    s0 ^= s3;
    s2 ^= t;
    s3 = Rotl(s3, 11);
    Draws draws;
    std::memcpy(&draws, &out, sizeof draws);
    return draws;
}

// Whether any lane is true (-1).
inline bool DiceRoller::Any(Draws lanes)
{
    std::uint64_t halves[2];
    std::memcpy(halves, &lanes, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// The next draws that the die's table gives faces for. A lane whose draw is past the table's end
// takes the same lane of the next draws, until every lane has one; the other lanes' draws stay.
inline DiceRoller::Draws DiceRoller::TableDraws()
{
    Draws draws = NextDraws();
    Draws redraw = draws > lastDraw; // -1 where it holds
    while (Any(redraw)) {
        const Draws more = NextDraws();
        draws = (more & redraw) | (draws & ~redraw);
        redraw &= more > lastDraw;
    }
    return draws;
}

// The six-sided die's next LANES rolls, die by die, every lane at once.
template <bool KEEP_FACES> void DiceRoller::RollSixSided()
{
    Draws blockSums = {};
    for (int d = 0; d < dice; ++d) {
        const Draws face = FacesOf(NextDraws());
        blockSums += face;
        if constexpr (KEEP_FACES)
            for (int l = 0; l < LANES; ++l)
                faces[l * dice + d] = static_cast<std::uint8_t>(face[l]);
    }
    for (int l = 0; l < LANES; ++l)
        sums[l] = blockSums[l];
}

// Any other die's next LANES rolls, die by die, each lane's face looked up in the table. The
// lanes' sums are kept apart, so that no lookup waits for another.
template <bool KEEP_FACES> void DiceRoller::RollByTable()
{
    const std::uint8_t* table = die.Table();
    std::int32_t laneSums[LANES] = {};
    for (int d = 0; d < dice; ++d) {
        const Draws draws = TableDraws();
        for (int l = 0; l < LANES; ++l) {
            const std::uint8_t face = table[static_cast<std::uint16_t>(draws[l])];
            laneSums[l] += face;
            if constexpr (KEEP_FACES)
                faces[l * dice + d] = face;
        }
    }
    std::copy_n(laneSums, LANES, sums);
}

// Rolls the next LANES rolls at once. Faces kept or not, each die has a loop of its own: the loop
// that RollMany spends its time in then carries no other work.
template <bool KEEP_FACES> void DiceRoller::RollBlock()
{
    if (KEEP_FACES && faces.size() != static_cast<std::size_t>(LANES * dice))
        faces.resize(LANES * dice);
    if (sixSided)
        RollSixSided<KEEP_FACES>();
    else
        RollByTable<KEEP_FACES>();
    used = 0;
}

int DiceRoller::Roll(std::uint8_t* out)
{
    if (used == LANES)
        RollBlock<true>();
    if (out != nullptr)
        std::copy_n(faces.data() + used * dice, dice, out);
    return static_cast<int>(sums[used++]);
}

void DiceRoller::CountBlock(int* counts)
{
    for (int l = 0; l < LANES; ++l)
        ++counts[sums[l] - dice];
}

void DiceRoller::RollMany(long n, int* counts)
{
    for (; n > 0 && used < LANES; --n)
        ++counts[sums[used++] - dice];
    for (; n >= LANES; n -= LANES) {
        RollBlock<false>();
        CountBlock(counts);
        used = LANES;
    }
    if (n > 0) {
        RollBlock<true>(); // rolls left over for Roll, which may want their faces
        for (; n > 0; --n)
            ++counts[sums[used++] - dice];
    }
}
