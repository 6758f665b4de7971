#include "app/run/Die.h"
#include "app/run/DiceRoller.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// Every die's table gives each face (M / W) x its weight of the draws below M, the largest
// multiple of W that fits, and no face at or past M; the six-sided one's is the face rule.
TEST(Die, TableGivesEachFaceItsShareOfTheDrawsAndRedrawsTheRest)
{
    const std::pair<Die, int> cases[] = {{*Die::Loaded({1000, 999}), 31984},
                                         {*Die::Loaded({1, 1, 1, 1, 1, 5}), 32760},
                                         {*Die::Fair(20), 32760},
                                         {*Die::Loaded({0, 7, 0}), 32768},
                                         {Die(), 32768}};
    for (const auto& [die, end] : cases) {
        SCOPED_TRACE(die.Name());
        EXPECT_EQ(die.TableEnd(), end);
        std::vector<int> entries(static_cast<std::size_t>(die.Faces()) + 1, 0);
        for (int r = 0; r < Die::DRAWS; ++r) {
            ASSERT_EQ(die.Face(r) == 0, r >= end) << "draw " << r;
            ++entries[static_cast<std::size_t>(die.Face(r))];
        }
        for (int f = 1; f <= die.Faces(); ++f)
            EXPECT_EQ(entries[f], end / die.WeightTotal() * die.Weights()[f - 1]) << "face " << f;
    }
    for (int r = 0; r < Die::DRAWS; ++r)
        ASSERT_EQ(Die().Face(r), DiceRoller::Face(static_cast<std::uint32_t>(r))) << r;
}

TEST(Die, RefusesBadWeightsTakesTheRestInLowestTermsAndNamesThem)
{
    const std::vector<int> refused[] = {{},      {1},       std::vector<int>(21, 1),
                                        {1, -1}, {1001, 1}, {0, 0}};
    for (const std::vector<int>& weights : refused)
        EXPECT_FALSE(Die::Loaded(weights).has_value()) << weights.size() << " weights";
    EXPECT_FALSE(Die::Fair(1).has_value() || Die::Fair(21).has_value());

    const std::pair<std::optional<Die>, const char*> named[] = {
        {Die::Loaded({2, 2, 2, 2, 2, 10}), "3 loaded 6-sided dice, weights 1, 1, 1, 1, 1, 5"},
        {Die(), "3 six-sided dice"},
        {Die::Fair(6), "3 fair 6-sided dice"},
        {Die::Loaded({5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}),
         "3 20-sided dice"}};
    for (const auto& [die, name] : named)
        EXPECT_EQ(die->Counted(3), name);
    EXPECT_EQ(Die::Loaded({1, 3})->Name(), "loaded 2-sided, weights 1, 3");
    EXPECT_EQ(Die().Counted(1), "1 six-sided die");
}

} // namespace
