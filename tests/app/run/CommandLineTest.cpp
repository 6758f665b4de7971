#include "app/run/CommandLine.h"

#include <gtest/gtest.h>

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
        std::optional<Die> die = {};
        bool fair = false;
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
        {{"--save=a.csv", "--save", "b.csv"}, {}, {}, {}, 1, Action::RUN, "b.csv"},
        {{"--save=a.csv", "--", "--seed=3"}, {}, {}, {}, 1, Action::RUN, "a.csv"},
        {{"2", "--weights", "1,1,1,1,1,5", "--test-fair", "--save=a.json"},
         2,
         {},
         {},
         0,
         Action::RUN,
         "a.json",
         Die::Loaded({1, 1, 1, 1, 1, 5}),
         true},
        {{"--die", "20", "3"}, 3, {}, {}, 0, Action::RUN, {}, Die::Fair(20)},
        {{"--die=6", "--test-fair", "--test-fair"}, {}, {}, {}, 1, Action::RUN, {}, Die(), true},
        {{"--weights=1,0,1", "--die", "7", "--weights", "3"}, {}, {}, {}, 3, Action::RUN},
        {{"--weights=0,0", "--weights", "1,,2", "--weights=1001,1", "--weights=,1"},
         {},
         {},
         {},
         5,
         Action::RUN},
        {{"--weights", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21", "--die", "-4"},
         {},
         {},
         {},
         3,
         Action::RUN},
        {{"--die", "4294967300", "--weights=99999999999,1", "--die=12"},
         {},
         {},
         {},
         3,
         Action::RUN,
         {},
         Die::Fair(12)},
        {{"--die", "--save", "a.csv", "--weights"}, {}, {}, {}, 3, Action::RUN, "a.csv"},
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
        EXPECT_EQ(line.die, c.die) << where;
        EXPECT_EQ(line.testAgainstFair, c.fair) << where;
    }
}
