// The real application started as `zobrin --seed 7 <not text> 200`: the command line is read as
// the process received it, and the seed carries through every run until the program closes.
#include "DiceFrameProbe.h"
#include "RunDiceApp.h"
#include "ToolkitTestSupport.h"

#include "app/run/DiceRun.h"

#include <gtest/gtest.h>
#include <wx/app.h>

#include <string>
#include <vector>

namespace {

DiceFrameProbe Probe()
{
    return DiceFrameProbe(*static_cast<DiceFrame*>(wxTheApp->GetTopWindow()));
}

// The faces of one die rolled 200 times from `seed`, rolled outside any window.
std::string FacesOf(std::uint32_t seed)
{
    std::vector<int> counts;
    RollRecord record;
    DiceRun run(1, 200, seed, counts, record);
    run.RollUntil(200);
    return record.Text();
}

} // namespace

TEST(SeededStart, ArgumentTheToolkitCannotReadKeepsItsPlace)
{
    EXPECT_EQ(Probe().Dice(), 1);
    EXPECT_EQ(Probe().Rolls(), 200);
}

TEST(SeededStart, FirstRunTakesTheSeedAndEachLaterRunTheNext)
{
    const DiceFrameProbe p = Probe();
    p.ClickStart();
    ASSERT_FALSE(p.Running());
    const std::string first = p.RollLog().GetValue().ToStdString();
    // What seed 7 gives on every machine: the generator and the face rule are our own.
    EXPECT_EQ(first.substr(0, 20), "4 4 3 3 2 4 5 5 2 4 ");
    EXPECT_EQ(first, FacesOf(7));

    p.ClickStart();
    EXPECT_EQ(p.RollLog().GetValue().ToStdString(), FacesOf(8));
    p.ClickStart();
    EXPECT_EQ(p.RollLog().GetValue().ToStdString(), FacesOf(9));
}

int main(int argc, char** argv)
{
    const bool listing = OnlyListingTests(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (listing)
        return RUN_ALL_TESTS();
    return RunDiceApp(argv[0], {"--seed", "7", "\xff", "200"}, [] {
        FailOnToolkitAsserts();
        return RUN_ALL_TESTS();
    });
}
