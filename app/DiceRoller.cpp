#include "app/DiceRoller.h"

#include <algorithm>

namespace {

constexpr int FaceByFormula(int r) { return 1 + static_cast<int>(r * 5.999 / 32767); }

// THRESHOLD[k] is the smallest draw whose face exceeds k + 1; a face is one plus the number of
// thresholds a draw reaches, which is exactly the formula for every draw and needs no division.
struct Thresholds {
    std::uint32_t value[5] = {};
    constexpr Thresholds()
    {
        int k = 0;
        for (int r = 0; r < 32768 && k < 5; ++r)
            if (FaceByFormula(r) > k + 1)
                value[k++] = static_cast<std::uint32_t>(r);
    }
};
constexpr Thresholds THRESHOLD;

inline std::uint32_t Rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

DiceRoller::DiceRoller(int dice, std::uint32_t seed)
    : dice(std::clamp(dice, 1, MAX_DICE))
{
    std::uint64_t mix = seed;
    for (auto& word : state)
        for (auto& lane : word)
            lane = static_cast<std::uint32_t>(SplitMix(mix) >> 32);
    for (int l = 0; l < LANES / 2; ++l)
        if ((state[0][l] | state[1][l] | state[2][l] | state[3][l]) == 0)
            state[0][l] = 1;   // xoshiro must not start from the all-zero state
}

int DiceRoller::Face(std::uint32_t r)
{
    int face = 1;
    for (std::uint32_t t : THRESHOLD.value)
        face += r >= t;
    return face;
}

// One step of each of the eight generators: sixteen 15-bit draws.
void DiceRoller::NextDraws(std::uint32_t* draws)
{
    auto& [s0, s1, s2, s3] = state;
    for (int l = 0; l < LANES / 2; ++l) {
        const std::uint32_t out = Rotl(s0[l] + s3[l], 7) + s0[l];
        const std::uint32_t t = s1[l] << 9;
        s2[l] ^= s0[l];
        s3[l] ^= s1[l];
        s1[l] ^= s2[l];
        s0[l] ^= s3[l];
        s2[l] ^= t;
        s3[l] = Rotl(s3[l], 11);
        draws[l] = out & 0x7FFF;
        draws[l + LANES / 2] = out >> 17;
    }
}

// Rolls the next LANES rolls at once, die by die.
void DiceRoller::NextBlock(bool keepFaces)
{
    alignas(32) std::uint32_t draws[LANES];
    std::fill(sums, sums + LANES, 0u);
    if (keepFaces && faces.size() != static_cast<std::size_t>(LANES * dice))
        faces.resize(LANES * dice);
    for (int d = 0; d < dice; ++d) {
        NextDraws(draws);
        for (int l = 0; l < LANES; ++l) {
            std::uint32_t face = 1;
            for (std::uint32_t t : THRESHOLD.value)
                face += draws[l] >= t;
            draws[l] = face;
            sums[l] += face;
        }
        if (keepFaces)
            for (int l = 0; l < LANES; ++l)
                faces[l * dice + d] = static_cast<char>('0' + draws[l]);
    }
    used = 0;
}

int DiceRoller::Roll(char* out)
{
    if (used == LANES)
        NextBlock(true);
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
        NextBlock(false);
        CountBlock(counts);
        used = LANES;
    }
    if (n > 0) {
        NextBlock(true);   // rolls left over for Roll, which may want their faces
        for (; n > 0; --n)
            ++counts[sums[used++] - dice];
    }
}
