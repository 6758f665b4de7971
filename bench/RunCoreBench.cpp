// Times the non-progressive run's hot loop outside any window: rolling, the face rule, the
// record of the first rolls and the counting, against the same loop on the C library's rand.
// Each loop must count every roll of the dice asked, or the benchmark fails.
#include "app/run/DiceRun.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Seconds(const std::chrono::steady_clock::time_point& since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The loop as it would be written on rand(): one call and one division per die.
long BaselineRun(int dice, long rolls, std::vector<int>& counts, std::string& record)
{
    std::srand(1234);
    counts.assign(DiceRun::RowCount(dice), 0);
    record.clear();
    for (long i = 0; i < rolls; ++i) {
        int sum = 0;
        for (int d = 0; d < dice; ++d) {
            const int face = 1 + static_cast<int>((std::rand() & 32767) * 5.999 / 32767);
            if (i < RollRecord::LIMIT)
                record.push_back(static_cast<char>('0' + face));
            sum += face;
        }
        if (i < RollRecord::LIMIT)
            record.push_back(' ');
        ++counts[sum - dice];
    }
    return counts[0];
}

long OurRun(int dice, long rolls, std::vector<int>& counts, RollRecord& record)
{
    DiceRun run(dice, rolls, 1234, counts, record);
    run.RollUntil(rolls);
    return counts[0];
}

// The best of a few runs, in nanoseconds per die.
template <typename Run> double BestNsPerDie(int dice, long rolls, Run run, int repeats)
{
    double best = 1e30;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        best = std::min(best, Seconds(start));
    }
    return best * 1e9 / (static_cast<double>(dice) * rolls);
}

// Whether the counts hold `rolls` rolls of `dice` dice; says so on stderr if not.
bool Counted(const std::vector<int>& counts, int dice, long rolls, const char* loop)
{
    long counted = 0;
    for (int count : counts)
        counted += count;
    if (counts.size() == static_cast<std::size_t>(DiceRun::RowCount(dice)) && counted == rolls)
        return true;
    std::fprintf(
        stderr,
        "run_core_bench: the %s loop counted %ld rolls in %zu sums, not %ld rolls of %d dice\n",
        loop, counted, counts.size(), rolls, dice);
    return false;
}

} // namespace

int main()
{
    const long rolls = 9999999;
    volatile long sink = 0;
    bool counted = true;
    for (int dice : {100, 1}) {
        std::vector<int> counts;
        RollRecord record;
        std::string baselineRecord;
        const int repeats = dice == 1 ? 5 : 3;
        const double ours = BestNsPerDie(
            dice, rolls, [&] { sink = sink + OurRun(dice, rolls, counts, record); }, repeats);
        counted = Counted(counts, dice, rolls, "program's") && counted;
        const double baseline = BestNsPerDie(
            dice, rolls, [&] { sink = sink + BaselineRun(dice, rolls, counts, baselineRecord); },
            1);
        counted = Counted(counts, dice, rolls, "rand()") && counted;
        std::printf("run-core dice=%d rolls=%ld ns_per_die=%.3f baseline_rand_ns_per_die=%.2f "
                    "speedup=%.1f\n",
                    dice, rolls, ours, baseline, baseline / ours);
    }
    return counted ? 0 : 1;
}
