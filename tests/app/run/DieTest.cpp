#include "app/run/Die.h"
#include "app/run/DiceRoller.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

// The weights of a die whose table is short: 19999 entries, so that 39% of the draws are drawn
// again.
std::vector<int> ManyRedrawn()
{
    std::vector<int> weights(19, 1000); // 19999 in all, in lowest terms
    weights.push_back(999);
    return weights;
}

// Every die's table: the faces in order, each (M / W) x its weight times, M the largest multiple
// of W that fits, then nothing but draws to be drawn again.
TEST(Die, TableGivesEachFaceItsShareOfTheDrawsAndRedrawsTheRest)
{
    struct Case {
        Die die;
        int end;
    } cases[] = {
        {*Die::Loaded(ManyRedrawn()), 19999},
        {*Die::Loaded({1, 1, 1, 1, 1, 5}), 32760},
        {*Die::Fair(20), 32760},
        {*Die::Loaded({1000, 999}), 31984},
        {*Die::Loaded({0, 7, 0}), 32768},
        {*Die::Fair(8), 32768},
        {Die(), 32768},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.die.Name());
        const int total = std::accumulate(c.die.Weights().begin(), c.die.Weights().end(), 0);
        ASSERT_EQ(total, c.die.WeightTotal());
        EXPECT_EQ(c.die.TableEnd(), c.end);
        std::vector<int> entries(static_cast<std::size_t>(c.die.Faces()) + 1, 0);
        int previous = 1;
        for (int r = 0; r < Die::DRAWS; ++r) {
            const int face = c.die.Face(r);
            ASSERT_EQ(face == 0, r >= c.end) << "draw " << r;
            ASSERT_TRUE(face == 0 || face >= previous) << "draw " << r;
            previous = face;
            ++entries[static_cast<std::size_t>(face)];
        }
        for (int f = 1; f <= c.die.Faces(); ++f)
            EXPECT_EQ(entries[f], c.end / total * c.die.Weights()[f - 1]) << "face " << f;
    }
    // The six-sided die's table is the face rule, draw for draw.
    for (int r = 0; r < Die::DRAWS; ++r)
        ASSERT_EQ(Die().Face(r), DiceRoller::Face(static_cast<std::uint32_t>(r))) << r;
    EXPECT_EQ(Die().Weights(), (std::vector<int>{5463, 5462, 5462, 5462, 5462, 5457}));
}

TEST(Die, RefusesFacesOrWeightsOutOfRangeAndTakesWeightsInLowestTerms)
{
    const std::vector<int> refused[] = {
        {}, {1}, std::vector<int>(21, 1), {1, -1}, {1001, 1}, {0, 0, 0},
    };
    for (const std::vector<int>& weights : refused)
        EXPECT_FALSE(Die::Loaded(weights).has_value()) << weights.size() << " weights";
    EXPECT_FALSE(Die::Fair(1).has_value());
    EXPECT_FALSE(Die::Fair(21).has_value());

    EXPECT_EQ(Die::Loaded({2, 2, 4})->Weights(), (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(Die::Loaded({0, 1000})->Weights(), (std::vector<int>{0, 1}));
    EXPECT_EQ(*Die::Loaded({3, 3, 3, 3}), *Die::Fair(4)) << "the same chances, the same die";
    EXPECT_EQ(Die::Loaded(std::vector<int>(20, 1000))->Faces(), 20);
    EXPECT_NE(*Die::Fair(6), Die());
}

TEST(Die, NameSaysWhichDieAndALoadedOnesWeights)
{
    struct Case {
        Die die;
        const char* name;
        const char* three;
        bool fair, loaded;
    } cases[] = {
        {*Die::Loaded({1, 1, 1, 1, 1, 5}), "loaded 6-sided, weights 1, 1, 1, 1, 1, 5",
         "3 loaded 6-sided dice, weights 1, 1, 1, 1, 1, 5", false, true},
        {Die(), "six-sided", "3 six-sided dice", false, false},
        {*Die::Fair(6), "fair 6-sided", "3 fair 6-sided dice", true, false},
        {*Die::Fair(20), "20-sided", "3 20-sided dice", true, false},
        {*Die::Loaded({5, 5}), "2-sided", "3 2-sided dice", true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.die.Name(), c.name);
        EXPECT_EQ(c.die.Counted(3), c.three);
        EXPECT_EQ(c.die.IsFair(), c.fair) << c.name;
        EXPECT_EQ(c.die.IsLoaded(), c.loaded) << c.name;
    }
    EXPECT_EQ(Die().Counted(1), "1 six-sided die");
}

} // namespace
