// Times the non-progressive run's hot loop outside any window: rolling, the face rule, the
// record of the first rolls and the counting, against the same loop on the C library's rand.
// Other dice than the six-sided one are set against the rand loop of as many six-sided dice and
// against the six-sided figure. Each loop must count every roll of the dice asked, or the
// benchmark fails.
#include "app/run/DiceRun.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

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

long OurRun(int dice, long rolls, const Die& die, std::vector<int>& counts, RollRecord& record)
{
    DiceRun run(dice, rolls, 1234, counts, record, die);
    run.RollUntil(rolls);
    return counts[0];
}

// How long `run` takes, in seconds.
double Seconds(const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Whether the counts hold `rolls` rolls of `dice` dice of `faces` faces; says so on stderr if
// not.
bool Counted(const std::vector<int>& counts, int dice, int faces, long rolls, const char* loop)
{
    long counted = 0;
    for (int count : counts)
        counted += count;
    if (counts.size() == static_cast<std::size_t>(DiceRun::RowCount(dice, faces)) &&
        counted == rolls)
        return true;
    std::fprintf(
        stderr,
        "run_core_bench: the %s loop counted %ld rolls in %zu sums, not %ld rolls of %d dice\n",
        loop, counted, counts.size(), rolls, dice);
    return false;
}

// One line of the benchmark: so many dice of one die, and the rand() loop it is set against.
struct Line {
    int dice;
    const char* die; // as the line names it; empty for the six-sided die
    Die rolled;
    double best = 1e30; // seconds
};

} // namespace

int main()
{
    const long rolls = 9999999;
    volatile long sink = 0;
    std::vector<Line> lines{{100, "", Die()},
                            {100, "faces=20 ", *Die::Fair(20)},
                            {100, "weights=1,1,1,1,1,5 ", *Die::Loaded({1, 1, 1, 1, 1, 5})},
                            {1, "", Die()}};
    std::vector<int> counts;
    RollRecord record;
    bool counted = true;
    // The lines take turns, so that a busy spell of the machine falls on every die alike.
    for (int round = 0; round < 5; ++round)
        for (Line& line : lines) {
            const double seconds = Seconds(
                [&] { sink = sink + OurRun(line.dice, rolls, line.rolled, counts, record); });
            line.best = std::min(line.best, seconds);
            counted =
                Counted(counts, line.dice, line.rolled.Faces(), rolls, "program's") && counted;
        }
    const auto nsPerDie = [&](int dice, double seconds) { return seconds * 1e9 / (dice * rolls); };
    double sixSided = 0, baseline = 0;
    for (const Line& line : lines) {
        const double ours = nsPerDie(line.dice, line.best);
        if (line.rolled.IsSixSided()) {
            std::string baselineRecord;
            baseline =
                nsPerDie(line.dice, Seconds([&] {
                             sink = sink + BaselineRun(line.dice, rolls, counts, baselineRecord);
                         }));
            counted = Counted(counts, line.dice, 6, rolls, "rand()") && counted;
            sixSided = ours;
        }
        std::printf("run-core dice=%d %srolls=%ld ns_per_die=%.3f baseline_rand_ns_per_die=%.2f "
                    "speedup=%.1f",
                    line.dice, line.die, rolls, ours, baseline, baseline / ours);
        if (!line.rolled.IsSixSided())
            std::printf(" vs_six_sided=%.2f", ours / sixSided);
        std::printf("\n");
    }
    return counted ? 0 : 1;
}
