#include "app/run/CommandLine.h"
#include "app/run/QuotedText.h"

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

CommandLine Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "zobrin");
    return CommandLine::Parse(static_cast<int>(args.size()), args.data());
}

} // namespace

TEST(CommandLine, OptionsComeOutAndTheOtherArgumentsKeepTheirPlaces)
{
    using Seed = std::optional<std::uint32_t>;
    using Number = std::optional<int>;
    using Action = CommandLine::Action;
    struct Case {
        std::vector<const char*> args;
        Number dice, rolls;
        Seed seed;
        size_t errors;
        Action action;
        std::optional<std::string> save = {}; // with --save, the numbers must be in range
    };
    const Case cases[] = {
        {{"\xff", "5"}, {}, 5, {}, 0, Action::RUN},
        {{"--seed", "7", "3", "200"}, 3, 200, 7u, 0, Action::RUN},
        {{"3", "--seed=9", "200"}, 3, 200, 9u, 0, Action::RUN},
        {{"3", "200", "--seed", "4294967295"}, 3, 200, 4294967295u, 0, Action::RUN},
        {{"--seed=00000000000012"}, {}, {}, 12u, 0, Action::RUN},
        {{"--seed", "5", "--seed=6", "--seed=7"}, {}, {}, 7u, 1, Action::RUN},
        {{"--seed", "5", "--seed", "x"}, {}, {}, {}, 2, Action::RUN},
        {{"--seed", "-1", "4"}, 4, {}, {}, 1, Action::RUN},
        {{"--seed=4294967296", "4"}, 4, {}, {}, 1, Action::RUN},
        {{"--seed=", "--seed= 5", "--seed=+5", "--seed=0x10", "--seed=1.5"},
         {},
         {},
         {},
         6,
         Action::RUN},
        {{"2", "--seed"}, 2, {}, {}, 1, Action::RUN},
        {{"--seed", "--help"}, {}, {}, {}, 1, Action::HELP},
        {{"--seed", "-v", "4"}, 4, {}, {}, 1, Action::VERSION},
        {{"--foo", "3", "-h"}, {}, 3, {}, 1, Action::HELP},
        {{"--seed", "--", "--seed=3", "-h", "2"}, {}, {}, {}, 1, Action::RUN},
        {{"--seedling", "2"}, {}, 2, {}, 1, Action::RUN},
        {{" 3\t", "+200 "}, 3, 200, {}, 0, Action::RUN},
        {{"--SEED=4", "-5", "7"}, {}, -5, {}, 1, Action::RUN},
        {{"1", "2", "3"}, 1, 2, {}, 0, Action::RUN},
        {{"99999999999", ""}, 2147483647, {}, {}, 0, Action::RUN},
        {{"--version", "3", "--help"}, 3, {}, {}, 0, Action::HELP},
        {{"--help", "--version"}, {}, {}, {}, 0, Action::HELP},
        {{"2", "--version"}, 2, {}, {}, 0, Action::VERSION},
        {{"2", "10000000", "--save", "a.csv", "3"}, 2, 10000000, {}, 2, Action::RUN, "a.csv"},
        {{"--frob", "x", "--save=a.json"}, {}, {}, {}, 2, Action::RUN, "a.json"},
        {{"101", "--save", "-h"}, 101, {}, {}, 2, Action::HELP, ""},
        {{"100", "9999999", "--save=a.csv"}, 100, 9999999, {}, 0, Action::RUN, "a.csv"},
        {{"--save=a.csv", "--save", "b.csv", "--zoom=100", "--zoom=125"},
         {},
         {},
         {},
         2,
         Action::RUN,
         "b.csv"},
        {{"--save=a.csv", "--", "--seed=3"}, {}, {}, {}, 1, Action::RUN, "a.csv"},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.args);
        const std::string where = testing::PrintToString(c.args);
        EXPECT_EQ(line.action, c.action) << where;
        EXPECT_EQ(line.dice, c.dice) << where;
        EXPECT_EQ(line.rolls, c.rolls) << where;
        EXPECT_EQ(line.seed, c.seed) << where;
        EXPECT_EQ(line.errors.size(), c.errors) << where;
        EXPECT_EQ(line.savePath, c.save) << where;
    }
}

// What a user sees of the command line from a shell, where the program reads its arguments
// before the toolkit takes "--" out, and where standard output may not take the text.
TEST(CommandLine, TheProgramAnswersAsTheCommandLineSays)
{
    const std::string folder = testing::TempDir() + "zobrin-command-line/";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    const struct {
        std::vector<std::string> args;
        const char* output;
        int status;
        std::string errors, saved; // the first line of standard error; the start of a.json
    } cases[] = {
        {{"--help"},
         "/dev/full",
         1,
         "zobrin: could not write to standard output: No space left on device",
         ""},
        {{"--version"},
         "/dev/full",
         1,
         "zobrin: could not write to standard output: No space left on device",
         ""},
        {{"--save=a.json", "--save", "b.json", "2"},
         "/dev/null",
         2,
         "zobrin: --save is given more than once",
         ""},
        {{"--seed", "3", "--save", "a.json", "--", " 2 ", "+30"},
         "/dev/null",
         0,
         "",
         "{\"dice\":2,\"rolls\":30,\"seed\":3,"},
        {{"--save", "a.json", "--frob\n\x1b[2J"},
         "/dev/null",
         2,
         "zobrin: unknown option \"--frob\\n\\x1b[2J\"",
         ""},
        {{"--save", "a.json", "--", "--seed=3"},
         "/dev/null",
         2,
         "zobrin: the number of dice \"--seed=3\" is not a whole number from 1 to 100",
         ""},
    };
    for (const auto& c : cases) {
        ProgramRun program(c.args, folder, c.output);
        const std::string where = testing::PrintToString(c.args);
        EXPECT_EQ(program.Wait(), c.status) << where;
        EXPECT_EQ(program.Errors().substr(0, program.Errors().find('\n')), c.errors) << where;
        std::ifstream saved(folder + "a.json");
        std::string start(c.saved.size(), '\0');
        saved.read(start.data(), static_cast<std::streamsize>(start.size()));
        EXPECT_EQ(saved ? start : "", c.saved) << where;
        std::filesystem::remove(folder + "a.json");
        EXPECT_TRUE(std::filesystem::is_empty(folder)) << where;
    }
    std::filesystem::remove_all(folder);
}

// What a user typed or named goes into a message quoted, unable to fake a line or move the
// cursor, and still readable: UTF-8 text shows as it is.
TEST(QuotedText, EscapesWhatATerminalWouldObey)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb", "\"a\\nb\""},
        {"\x1b[2J\t\r\x7f\x01", "\"\\x1b[2J\\t\\r\\x7f\\x01\""},
        {"\xc2\x9b\xc2\xa0", "\"\\xc2\\x9b\xc2\xa0\""},            // a C1 control; a no-break space
        {"\xff\xe2\x82", "\"\\xff\\xe2\\x82\""},                   // not UTF-8; cut short
        {"\xc0\xaf\xed\xa0\x80", "\"\\xc0\\xaf\\xed\\xa0\\x80\""}, // overlong; a surrogate
        {"W\xc3\xbcrfel \xf0\x9f\x8e\xb2.csv", "\"W\xc3\xbcrfel \xf0\x9f\x8e\xb2.csv\""},
        {"say \"\\\"", "\"say \\\"\\\\\\\"\""},
    };
    for (const auto& [text, quoted] : cases)
        EXPECT_EQ(QuotedText(text), quoted) << quoted;
}
