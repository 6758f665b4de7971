#include "app/run/CommandLine.h"

#include "app/Version.h"
#include "app/run/RunArguments.h"

#include <cstring>

namespace {

constexpr const char* SEED_OPTION = "--seed";
constexpr const char* SEED_PREFIX = "--seed=";

// A seed is plain decimal digits, no sign and no blanks, at most MAX_SEED.
std::optional<std::uint32_t> ParseSeed(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > CommandLine::MAX_SEED)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

CommandLine CommandLine::Parse(int argc, const char* const* argv)
{
    CommandLine line;
    int position = 0;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0) {
            line.action = Action::HELP;
        } else if (std::strcmp(arg, "--version") == 0) {
            if (line.action != Action::HELP)
                line.action = Action::VERSION;
        } else if (std::strcmp(arg, SEED_OPTION) == 0) {
            line.TakeSeed(i + 1 < argc ? argv[++i] : nullptr);
        } else if (std::strncmp(arg, SEED_PREFIX, std::strlen(SEED_PREFIX)) == 0) {
            line.TakeSeed(arg + std::strlen(SEED_PREFIX));
        } else {
            line.TakeNumber(arg, position++);
        }
    }
    return line;
}

void CommandLine::TakeSeed(const char* text)
{
    const std::string range = "a whole number from 0 to " + std::to_string(MAX_SEED);
    if (text == nullptr) {
        errors.push_back("--seed needs " + range + " after it; it is ignored");
        return;
    }
    if (const std::optional<std::uint32_t> value = ParseSeed(text))
        seed = value;
    else
        errors.push_back("the seed \"" + std::string(text) + "\" is not " + range +
                         "; it is ignored");
}

void CommandLine::TakeNumber(const std::string& text, int position)
{
    int value = 0;
    if (position < 2 && ParseRunArgument(text, value))
        (position == 0 ? dice : rolls) = value;
}

std::string CommandLine::Usage()
{
    return "Usage: zobrin [DICE [ROLLS]] [--seed N]\n"
           "       zobrin --help | --version\n"
           "\n"
           "Rolls DICE six-sided dice (1 to 100, default 1) ROLLS times (1 to 1000000 from here,\n"
           "default 1500) when Start is pressed, and shows how often each sum comes up.\n"
           "\n"
           "  --seed N    the first run uses the seed N (0 to 4294967295) instead of a\n"
           "              random one, each later run the next seed: the same seed gives the same\n"
           "              rolls on any machine\n"
           "  --help      print this text and exit\n"
           "  --version   print the version and exit\n"
           "\n"
           "More dice or rolls than the limits become the limit; an argument that is not a\n"
           "number leaves the default in its place. Zobrin writes no files.\n";
}

std::string CommandLine::Version() { return std::string("zobrin ") + ZOBRIN_VERSION + "\n"; }
