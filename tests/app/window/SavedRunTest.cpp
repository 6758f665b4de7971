#include "DiceFrameFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace diceframetest;

namespace {

// The program saves, without a display, the run the window shows for the same seed.
TEST_F(DiceFrameTest, ARunSavedWithoutADisplayHasTheNumbersTheWindowShows)
{
    RunWith(3, 2000, false);
    const std::string csv = std::filesystem::temp_directory_path() / "zobrin-window-test.csv";
    const std::string save = " 3 2000 --seed " + std::to_string(SEED) + " --save " + csv;
    ASSERT_EQ(std::system(("env -u DISPLAY " ZOBRIN_PROGRAM + save).c_str()), 0) << save;
    std::ifstream in(csv);
    std::filesystem::remove(csv);
    std::string line;
    int row = 0;
    for (std::getline(in, line); std::getline(in, line); ++row) {
        const wxString window =
            Probe().Grid().GetCellValue(row, 0) + "," + Probe().Grid().GetCellValue(row, 1) + ",";
        EXPECT_TRUE(wxString(line).StartsWith(window)) << line << " against " << window;
    }
    EXPECT_EQ(Probe().Grid().GetNumberRows(), row);
}

} // namespace
