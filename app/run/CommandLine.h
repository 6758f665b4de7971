#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The program's command line, read as the process received it: the options come out first, and
// what remains gives the number of dice and then the number of rolls.
//
//   --seed N, --seed=N   the first run's seed; each later run takes the next one
//   --help               print the usage and stop
//   --version            print the version and stop
//
// Any other argument keeps its place among the numbers, whatever it looks like: one that is not
// a number leaves the default in its place. A bad seed is noted in `errors` and ignored.
struct CommandLine {
    enum class Action { RUN, HELP, VERSION };

    // Seeds are what the generator takes: 32 bits. The seed after the largest is 0.
    static constexpr std::uint32_t MAX_SEED = 4294967295u;

    static CommandLine Parse(int argc, const char* const* argv);

    // The texts printed for --help and --version.
    static std::string Usage();
    static std::string Version();

    Action action = Action::RUN;
    // The numbers as given (saturated to 32 bits); the window applies its own limits.
    std::optional<int> dice;
    std::optional<int> rolls;
    std::optional<std::uint32_t> seed;
    // One line each, without the program's name, for standard error.
    std::vector<std::string> errors;

private:
    void TakeSeed(const char* text);
    void TakeNumber(const std::string& text, int position);
};
