#include "app/run/CommandLine.h"

#include "app/Version.h"
#include "app/run/DiceRoller.h"
#include "app/run/QuotedText.h"
#include "app/run/RunArguments.h"
#include "app/run/ZoomLevel.h"

#include <algorithm>
#include <cstring>

namespace {

// The ends of messages about a window's run, which goes on despite them; a run to be saved does
// not, and its messages end before them.
const std::string IGNORED = "; it is ignored";
const std::string LAST_COUNTS = "; only the last one counts";
const std::string* const WINDOW_ONLY[] = {&IGNORED, &LAST_COUNTS};

// The options that take a value, as "--name VALUE" or "--name=VALUE".
const char* const VALUED[] = {"--seed", "--save", "--zoom", "--die", "--weights"};

// The options that name the die: either given after the other is given again.
const char* const DIE_OPTIONS[] = {"--die", "--weights"};

bool StartsWith(const std::string& text, const char* start)
{
    return text.compare(0, std::strlen(start), start) == 0;
}

bool IsOption(const std::string& arg)
{
    return StartsWith(arg, "--") || arg == "-h" || arg == "-v";
}

// Plain decimal digits, no sign and no blanks, at most MAX_SEED: a seed, or a die's faces.
std::optional<std::uint32_t> ParseDigits(const std::string& text)
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

// A loaded die's weights: whole numbers in plain digits, one a face, separated by commas.
std::optional<Die> ParseWeights(const std::string& text)
{
    std::vector<int> weights(1, 0);
    for (char c : text) {
        if (c == ',' && weights.size() < Die::MAX_FACES)
            weights.push_back(0);
        else if (c >= '0' && c <= '9' && weights.back() <= Die::MAX_WEIGHT)
            weights.back() = weights.back() * 10 + (c - '0');
        else
            return std::nullopt;
    }
    if (text.empty() || text.front() == ',' || text.back() == ',' ||
        text.find(",,") != std::string::npos)
        return std::nullopt;
    return Die::Loaded(weights);
}

// The same option, or two that name the die.
bool SameOption(const std::string& a, const std::string& b)
{
    const auto namesDie = [](const std::string& option) {
        return std::find(std::begin(DIE_OPTIONS), std::end(DIE_OPTIONS), option) !=
               std::end(DIE_OPTIONS);
    };
    return a == b || (namesDie(a) && namesDie(b));
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A number of dice or rolls: ParseRunArgument's, with blanks after it taken as those before.
bool ParseNumber(const std::string& text, int& value)
{
    const std::size_t last = text.find_last_not_of(" \t\n\v\f\r");
    return ParseRunArgument(text.substr(0, last == std::string::npos ? 0 : last + 1), value);
}

} // namespace

CommandLine CommandLine::Parse(int argc, const char* const* argv)
{
    CommandLine line;
    std::vector<place> places;
    std::vector<std::string> given; // the options to give once, each time one came
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        std::string option = argv[i];
        std::optional<std::string> value;
        for (const char* valued : VALUED) {
            if (StartsWith(option, (std::string(valued) + "=").c_str())) {
                value = option.substr(std::strlen(valued) + 1);
                option = valued;
            } else if (option == valued && i + 1 < argc && !IsOption(argv[i + 1])) {
                value = argv[++i];
            }
            if (option == valued) {
                line.NoteRepetition(option, given);
                break;
            }
        }
        if (option == "--test-fair")
            line.NoteRepetition(option, given);
        line.Take(option, value, places);
    }
    // After "--" come no more options: the rest keep their places, whatever they look like.
    for (++i; i < argc; ++i)
        places.push_back({argv[i], false});
    line.TakeNumbers(places);
    if (line.savePath)
        line.CheckSavedRun(places);
    return line;
}

// An option given again replaces the value it had; the first repetition is reported.
void CommandLine::NoteRepetition(const std::string& option, std::vector<std::string>& given)
{
    const auto same = [&option](const std::string& earlier) { return SameOption(earlier, option); };
    const auto first = std::find_if(given.begin(), given.end(), same);
    if (std::count_if(given.begin(), given.end(), same) == 1)
        errors.push_back((*first == option ? option : *first + " and " + option) +
                         (*first == option ? " is given more than once" : " are both given") +
                         LAST_COUNTS);
    given.push_back(option);
}

void CommandLine::Take(const std::string& option, const std::optional<std::string>& value,
                       std::vector<place>& places)
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
    } else if (option == "--die") {
        TakeDie(value);
    } else if (option == "--weights") {
        TakeWeights(value);
    } else if (option == "--test-fair") {
        testAgainstFair = true;
    } else {
        const bool unknown = StartsWith(option, "--");
        if (unknown)
            errors.push_back("unknown option " + QuotedText(option));
        places.push_back({option, unknown});
    }
}

void CommandLine::TakeSeed(const std::optional<std::string>& text)
{
    const std::string range = "a whole number from 0 to " + std::to_string(MAX_SEED);
    if (!text) {
        seed.reset();
        errors.push_back("--seed needs " + range + " after it" + IGNORED);
        return;
    }
    seed = ParseDigits(*text);
    if (!seed)
        errors.push_back("the seed " + QuotedText(*text) + " is not " + range + IGNORED);
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
        errors.push_back("the zoom " + QuotedText(text.value_or("")) + " is not one of " +
                         ZoomLevel::StepList() + "; it is ignored");
}

void CommandLine::TakeDie(const std::optional<std::string>& text)
{
    const std::optional<std::uint32_t> faces = ParseDigits(text.value_or(""));
    const bool offered =
        faces && *faces <= static_cast<std::uint32_t>(Die::MAX_FACES) &&
        std::count(std::begin(DIE_FACES), std::end(DIE_FACES), static_cast<int>(*faces)) == 1;
    die.reset();
    if (offered)
        die = *faces == Die::SIX_SIDED_FACES ? Die() : Die::Fair(static_cast<int>(*faces));
    else
        errors.push_back("the die " + QuotedText(text.value_or("")) +
                         " is not one of 4, 6, 8, 10, 12 or 20" + IGNORED);
}

void CommandLine::TakeWeights(const std::optional<std::string>& text)
{
    die = ParseWeights(text.value_or(""));
    if (!die)
        errors.push_back("--weights " + QuotedText(text.value_or("")) + " is not a list of " +
                         std::to_string(Die::MIN_FACES) + " to " + std::to_string(Die::MAX_FACES) +
                         " whole numbers from 0 to " + std::to_string(Die::MAX_WEIGHT) +
                         ", separated by commas and not all 0" + IGNORED);
}

void CommandLine::TakeNumbers(const std::vector<place>& places)
{
    for (std::size_t p = 0; p < places.size() && p < 2; ++p) {
        int value = 0;
        if (ParseNumber(places[p].text, value))
            (p == 0 ? dice : rolls) = value;
    }
}

// A run made to be saved takes its numbers as they are, or not at all, and ignores nothing: any
// error stops it. Unknown options were reported already.
void CommandLine::CheckSavedRun(const std::vector<place>& places)
{
    for (std::string& error : errors)
        for (const std::string* end : WINDOW_ONLY)
            if (EndsWith(error, *end))
                error.resize(error.size() - end->size());
    const struct {
        const char* name;
        int most;
    } numbers[] = {{"number of dice", DiceRoller::MAX_DICE}, {"number of rolls", MAX_ROLLS}};
    for (std::size_t p = 0; p < places.size(); ++p) {
        int value = 0;
        if (places[p].unknownOption)
            continue;
        if (p >= 2)
            errors.push_back(QuotedText(places[p].text) +
                             " is one argument too many: --save takes DICE and ROLLS only");
        else if (!ParseNumber(places[p].text, value) || value < 1 || value > numbers[p].most)
            errors.push_back(std::string("the ") + numbers[p].name + " " +
                             QuotedText(places[p].text) + " is not a whole number from 1 to " +
                             std::to_string(numbers[p].most));
    }
}

std::string CommandLine::Synopsis()
{
    return "Usage: zobrin [DICE [ROLLS]] [--seed N] [--zoom P]\n"
           "              [--die K | --weights W,...] [--test-fair]\n"
           "       zobrin [DICE [ROLLS]] [--seed N] --save FILE\n"
           "              [--die K | --weights W,...] [--test-fair]\n"
           "       zobrin --help | --version\n";
}

std::string CommandLine::Usage()
{
    return Synopsis() +
           "\n"
           "Rolls DICE dice (1 to 100, default 1) ROLLS times (1 to 1000000 from here,\n"
           "default 1500) when Start is pressed, and shows how often each sum comes up. The\n"
           "dice are six-sided unless --die or --weights makes them otherwise.\n"
           "\n"
           "  --seed N       the first run uses the seed N (0 to 4294967295) instead of a\n"
           "                 random one, each later run the next seed: the same seed gives the\n"
           "                 same rolls on any machine\n"
           "  --die K        roll fair dice of K faces: 4, 6, 8, 10, 12 or 20; --die 6 is the\n"
           "                 default six-sided die, whose 6 is a little rarer than its other "
           "faces\n"
           "  --weights W,W,...\n"
           "                 roll loaded dice, one whole-number weight (0 to 1000) a face, 2 to\n"
           "                 20 faces: --weights 1,1,1,1,1,5 makes a 6 five times as likely as\n"
           "                 each other face\n"
           "  --test-fair    test the rolls against fair dice of as many faces, not against the\n"
           "                 die rolled: a loaded die shows in a small p\n"
           "  --save FILE    make the run at once, without a window or a display, and save it\n"
           "                 to FILE: FILE.csv the frequency table, FILE.json everything about\n"
           "                 the run, FILE.png or FILE.svg a picture of its Theory graph,\n"
           "                 FILE.pdf its one-page report; up to 9999999 rolls; exit status 0\n"
           "                 when saved, 2 when not\n"
           "  --zoom P       start with the window's texts at P percent: 100, 125, 150, 175,\n"
           "                 200, 250 or 300; the zoom kept from the last start is left as it is\n"
           "  -h, --help     print this text and exit\n"
           "  -v, --version  print the version and exit\n"
           "  --             no more options: the arguments after it are DICE and ROLLS\n"
           "\n"
           "More dice or rolls than the limits become the limit; an argument that is not a\n"
           "number leaves the default in its place; a bad seed, zoom, die or weights is\n"
           "ignored. With --save all of these are errors instead, as is an option given\n"
           "twice. Blanks around a number are taken, as is a sign.\n"
           "Zobrin writes no files but those saved (--save, or File > Save... in the window)\n"
           "and its settings file, $XDG_CONFIG_HOME/zobrin/settings\n"
           "(~/.config/zobrin/settings), which keeps the zoom last chosen in the window.\n"
           "\n"
           "Twenty worksheets of two dice and 3000 rolls each, seeded 1 to 20:\n"
           "  for n in $(seq 20); do zobrin 2 3000 --seed $n --save sheet-$n.csv; done\n";
}

std::string CommandLine::Version() { return std::string("zobrin ") + ZOBRIN_VERSION + "\n"; }
