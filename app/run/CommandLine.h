#pragma once

#include "app/run/Die.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The program's command line, read as the process received it: the options come out first, and
// what remains gives the number of dice and then the number of rolls.
//
//   --seed N, --seed=N       the first run's seed; each later run takes the next one
//   --save FILE, --save=FILE make the run without a window and save it to FILE
//   --zoom P, --zoom=P       start the window at P% (one of ZoomLevel's steps)
//   --die K, --die=K         a fair die of K faces (one of DIE_FACES; 6 is the default die)
//   --weights W,W,...        a loaded die: a whole-number weight (0 to 1000) for each face
//   --test-fair              test the rolls against fair dice rather than against the die
//   -h, --help               print the usage and stop
//   -v, --version            print the version and stop
//   --                       no more options: every argument after it is a number's
//
// Any other argument keeps its place among the numbers, whatever it looks like: one that is not
// a number leaves the default in its place, and one that starts with "--" is also noted in
// `errors` as an unknown option. Blanks around a number are taken, as is a sign before it. An
// option that takes a value and is followed by another option lacks its value. A bad seed,
// zoom, die or weights is noted in `errors` and ignored; an option given again replaces its value,
// and that is noted too (--die and --weights both name the die: either after the other is the
// die given again). With --save the numbers must be whole numbers within the limits, two at
// most, and every note in `errors` is an error.
struct CommandLine {
    enum class Action { RUN, HELP, VERSION };

    // Seeds are what the generator takes: 32 bits. The seed after the largest is 0.
    static constexpr std::uint32_t MAX_SEED = 4294967295u;
    // The most rolls of a run: as many as the rolls box's seven digits hold.
    static constexpr int MAX_ROLLS = 9999999;
    // The faces a fair die may have on the command line.
    static constexpr int DIE_FACES[] = {4, 6, 8, 10, 12, 20};

    static CommandLine Parse(int argc, const char* const* argv);

    // The texts printed for --help and --version, and the lines of the usage that follow the
    // errors in a command line.
    static std::string Usage();
    static std::string Version();
    static std::string Synopsis();

    Action action = Action::RUN;
    // The numbers as given (saturated to 32 bits); the window applies its own limits.
    std::optional<int> dice;
    std::optional<int> rolls;
    std::optional<std::uint32_t> seed;
    // The zoom to start the window at, a ZoomLevel step.
    std::optional<int> zoom;
    // The die to roll, and whether its rolls are tested against fair dice.
    std::optional<Die> die;
    bool testAgainstFair = false;
    // Where to save a run made without a window; empty when --save lacked its file.
    std::optional<std::string> savePath;
    // One line each, without the program's name, for standard error.
    std::vector<std::string> errors;

private:
    // An argument in the numbers' places; an unknown option there was reported already.
    struct place {
        std::string text;
        bool unknownOption;
    };

    void NoteRepetition(const std::string& option, std::vector<std::string>& given);
    void Take(const std::string& option, const std::optional<std::string>& value,
              std::vector<place>& places);
    void TakeSeed(const std::optional<std::string>& text);
    void TakeSavePath(const std::optional<std::string>& text);
    void TakeZoom(const std::optional<std::string>& text);
    void TakeDie(const std::optional<std::string>& text);
    void TakeWeights(const std::optional<std::string>& text);
    void TakeNumbers(const std::vector<place>& places);
    void CheckSavedRun(const std::vector<place>& places);
};
