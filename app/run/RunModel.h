#pragma once

#include "app/run/DiceRun.h"
#include "app/run/RollPace.h"
#include "app/run/RollRecord.h"
#include "app/run/RunningMean.h"

#include <cstdint>
#include <optional>
#include <vector>

class RunView;

// The state of the dice run that the window drives and its results views show: the dice, the die
// and the rolls asked for, what the rolls are tested against, the dice, die, counts, record, seed
// and rolls made of the run started last, its pace, and whether it runs. The window makes the rolls
// and tells the views through the model when to look; each view reads here what it shows.
class RunModel {
public:
    RunModel() = default;
    // The run refers to the counts and the record held here.
    RunModel(const RunModel&) = delete;
    RunModel& operator=(const RunModel&) = delete;

    // The dice and rolls of the next run, as the window's boxes hold them.
    void SetDice(int n) { dice = n; }
    int Dice() const { return dice; }
    void SetRolls(int n) { rolls = n; }
    int Rolls() const { return rolls; }
    // The die of the next run; the six-sided one unless set.
    void SetDie(const Die& next) { die = next; }
    const Die& GetDie() const { return die; }
    // Whether the rolls are tested against fair dice of as many faces as the run's die, rather
    // than against the run's die itself. Its theory is the die's either way.
    void SetTestAgainstFair(bool fair) { testAgainstFair = fair; }
    bool TestsAgainstFair() const { return testAgainstFair; }
    RollPace& Pace() { return pace; }

    // Starts a run of Dice() dice of GetDie() and Rolls() rolls from `seed`: counts at zero,
    // nothing recorded, the pace's first roll due at once.
    void Start(std::uint32_t seed);
    // Makes the next roll and returns its sum.
    int RollOne()
    {
        const int sum = run->RollOne();
        if (run->Made() == runningMean.NextRoll())
            KeepMean();
        return sum;
    }
    // Makes rolls until `n` have been made in all.
    void RollUntil(long n);
    // Asks the run to end: it no longer runs, though the window may be between two rolls.
    void Stop() { running = false; }
    // The run is over: it no longer runs. Its counts, record and running mean stay until the
    // next start, for saving; the running mean's last point is then at the last roll made.
    void End();

    bool Running() const { return running; }
    long Made() const { return run ? run->Made() : 0; }
    std::uint32_t Seed() const { return seed; }
    // Cell k counts the rolls that came to LowestSum() + k: one cell per possible sum, up to
    // HighestSum().
    const std::vector<int>& Counts() const { return counts; }
    // The run's number of dice and its die.
    int RunDice() const { return runDice; }
    const Die& RunDie() const { return runDie; }
    // The run's lowest and highest possible sums.
    int LowestSum() const { return runDice; }
    int HighestSum() const { return runDice * runDie.Faces(); }
    const RollRecord& Record() const { return record; }
    // The mean of the sum over the first rolls, at a few thousand rolls at most (see RunningMean).
    const std::vector<RunningMean::Point>& RunningMeanPoints() const
    {
        return runningMean.Points();
    }

    // Views are told in the order they were added; each outlives the model's telling.
    void AddView(RunView& view) { views.push_back(&view); }
    void TellStarted() const;
    void TellRollMade(double now) const;
    void TellEnded(bool followed) const;

private:
    void KeepMean();

    int dice = 1;
    int rolls = 1500;
    Die die;
    bool testAgainstFair = false;
    RollPace pace;
    bool running = false;
    std::uint32_t seed = 0;
    int runDice = 1;
    Die runDie;
    std::vector<int> counts;
    RollRecord record;
    RunningMean runningMean;
    std::optional<DiceRun> run;
    std::vector<RunView*> views;
};
