#include "app/run/CommandLine.h"

#include "app/Version.h"
#include "app/run/DiceRoller.h"
#include "app/run/RunArguments.h"
#include "app/run/ZoomLevel.h"

#include <cstring>

namespace {

// The end of the message of a bad seed in a window's run, which goes on without it.
const std::string IGNORED = "; it is ignored";

// The options that take a value, as "--name VALUE" or "--name=VALUE".
const char* const VALUED[] = {"--seed", "--save", "--zoom"};

bool StartsWith(const std::string& text, const char* start)
{
    return text.compare(0, std::strlen(start), start) == 0;
}

bool IsOption(const std::string& arg)
{
    return StartsWith(arg, "--") || arg == "-h" || arg == "-v";
}

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

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

} // namespace

CommandLine CommandLine::Parse(int argc, const char* const* argv)
{
    CommandLine line;
    std::vector<std::string> places; // the arguments in the numbers' places
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        std::optional<std::string> value;
        for (const char* valued : VALUED) {
            if (StartsWith(option, (std::string(valued) + "=").c_str())) {
                value = option.substr(std::strlen(valued) + 1);
                option = valued;
                break;
            }
            if (option == valued) {
                if (i + 1 < argc && !IsOption(argv[i + 1]))
                    value = argv[++i];
                break;
            }
        }
        line.Take(option, value, places);
    }
    line.TakeNumbers(places);
    if (line.savePath)
        line.CheckSavedRun(places);
    return line;
}

void CommandLine::Take(const std::string& option, const std::optional<std::string>& value,
                       std::vector<std::string>& places)
{
    if (option == "--help" || option == "-h") {
        action = Action::HELP;
    } else if (option == "--version" || option == "-v") {
        if (action != Action::HELP)
            action = Action::VERSION;
    } else if (option == "--seed") {
        TakeSeed(value);
    } else if (option == "--save") {
        TakeSavePath(value);
    } else if (option == "--zoom") {
        TakeZoom(value);
    } else {
        if (StartsWith(option, "--"))
            errors.push_back("unknown option " + Quoted(option));
        places.push_back(option);
    }
}

void CommandLine::TakeSeed(const std::optional<std::string>& text)
{
    const std::string range = "a whole number from 0 to " + std::to_string(MAX_SEED);
    if (!text) {
        errors.push_back("--seed needs " + range + " after it" + IGNORED);
        return;
    }
    if (const std::optional<std::uint32_t> value = ParseSeed(*text))
        seed = value;
    else
        errors.push_back("the seed " + Quoted(*text) + " is not " + range + IGNORED);
}

void CommandLine::TakeSavePath(const std::optional<std::string>& text)
{
    savePath = text.value_or("");
    if (savePath->empty())
        errors.push_back("--save needs a file after it");
}

void CommandLine::TakeZoom(const std::optional<std::string>& text)
{
    zoom = ZoomLevel::Parse(text.value_or(""));
    if (!zoom)
        errors.push_back("the zoom " + Quoted(text.value_or("")) + " is not one of " +
                         ZoomLevel::StepList() + "; it is ignored");
}

void CommandLine::TakeNumbers(const std::vector<std::string>& places)
{
    for (std::size_t p = 0; p < places.size() && p < 2; ++p) {
        int value = 0;
        if (ParseRunArgument(places[p], value))
            (p == 0 ? dice : rolls) = value;
    }
}

// A run made to be saved takes its numbers as they are, or not at all, and ignores nothing: any
// error stops it. Unknown options were reported already.
void CommandLine::CheckSavedRun(const std::vector<std::string>& places)
{
    for (std::string& error : errors)
        if (error.size() > IGNORED.size() &&
            error.compare(error.size() - IGNORED.size(), IGNORED.size(), IGNORED) == 0)
            error.resize(error.size() - IGNORED.size());
    const struct {
        const char* name;
        int most;
    } numbers[] = {{"number of dice", DiceRoller::MAX_DICE}, {"number of rolls", MAX_ROLLS}};
    for (std::size_t p = 0; p < places.size(); ++p) {
        int value = 0;
        if (StartsWith(places[p], "--"))
            continue;
        if (p >= 2)
            errors.push_back(Quoted(places[p]) +
                             " is one argument too many: --save takes DICE and ROLLS only");
        else if (!ParseRunArgument(places[p], value) || value < 1 || value > numbers[p].most)
            errors.push_back(std::string("the ") + numbers[p].name + " " + Quoted(places[p]) +
                             " is not a whole number from 1 to " + std::to_string(numbers[p].most));
    }
}

std::string CommandLine::Synopsis()
{
    return "Usage: zobrin [DICE [ROLLS]] [--seed N] [--zoom P]\n"
           "       zobrin [DICE [ROLLS]] [--seed N] --save FILE\n"
           "       zobrin --help | --version\n";
}

std::string CommandLine::Usage()
{
    return Synopsis() +
           "\n"
           "Rolls DICE six-sided dice (1 to 100, default 1) ROLLS times (1 to 1000000 from here,\n"
           "default 1500) when Start is pressed, and shows how often each sum comes up.\n"
           "\n"
           "  --seed N       the first run uses the seed N (0 to 4294967295) instead of a\n"
           "                 random one, each later run the next seed: the same seed gives the\n"
           "                 same rolls on any machine\n"
           "  --save FILE    make the run at once, without a window or a display, and save it\n"
           "                 to FILE: FILE.csv the frequency table, FILE.json everything about\n"
           "                 the run; up to 9999999 rolls; exit status 0 when saved, 2 when not\n"
           "  --zoom P       start with the window's texts at P percent: 100, 125, 150, 175,\n"
           "                 200, 250 or 300; the zoom kept from the last start is left as it is\n"
           "  -h, --help     print this text and exit\n"
           "  -v, --version  print the version and exit\n"
           "\n"
           "More dice or rolls than the limits become the limit; an argument that is not a\n"
           "number leaves the default in its place. With --save both are errors instead.\n"
           "Zobrin writes no files but the one that --save names and its settings file,\n"
           "$XDG_CONFIG_HOME/zobrin/settings (~/.config/zobrin/settings), which keeps the\n"
           "zoom last chosen in the window.\n"
           "\n"
           "Twenty worksheets of two dice and 3000 rolls each, seeded 1 to 20:\n"
           "  for n in $(seq 20); do zobrin 2 3000 --seed $n --save sheet-$n.csv; done\n";
}

std::string CommandLine::Version() { return std::string("zobrin ") + ZOBRIN_VERSION + "\n"; }
