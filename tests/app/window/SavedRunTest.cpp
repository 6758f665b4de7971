#include "DiceFrameFixture.h"

#include "app/theory/Percentage.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace diceframetest;

namespace {

// The program saves, without a display, the run the window shows for the same seed.
TEST_F(DiceFrameTest, ARunSavedWithoutADisplayHasTheNumbersTheWindowShows)
{
    RunWith(3, 2000, false);
    const std::string csv = std::filesystem::temp_directory_path() /
                            ("zobrin-window-" + std::to_string(getpid()) + ".csv");
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " ZOBRIN_PROGRAM
                                " 3 2000 --seed " +
                                std::to_string(SEED) + " --save " + csv;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(csv);
    std::remove(csv.c_str());
    std::string line;
    std::getline(in, line);
    PelkoGrid& grid = Probe().Grid();
    int row = 0;
    for (char sum[16], count[16]; std::getline(in, line); ++row) {
        double share = 0;
        ASSERT_EQ(std::sscanf(line.c_str(), "%15[^,],%15[^,],%lf", sum, count, &share), 3) << line;
        EXPECT_EQ(grid.GetCellValue(row, 0), sum);
        EXPECT_EQ(grid.GetCellValue(row, 1), count);
        EXPECT_EQ(grid.GetCellValue(row, 2), wxString::Format(PERCENTAGE_FORMAT, share * 100));
    }
    EXPECT_EQ(row, grid.GetNumberRows());
    EXPECT_EQ(row, 16);
}

} // namespace
