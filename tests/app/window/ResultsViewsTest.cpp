#include "DiceFrameFixture.h"

#include <expat.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/mstream.h>
#include <wx/stattext.h>

#include <cstring>
#include <set>

using namespace diceframetest;

namespace {

using Table = std::vector<std::vector<wxString>>;

// The table's three columns, row by row.
Table TableText(PelkoGrid& grid)
{
    Table rows;
    for (int row = 0; row < grid.GetNumberRows(); ++row)
        rows.push_back(
            {grid.GetCellValue(row, 0), grid.GetCellValue(row, 1), grid.GetCellValue(row, 2)});
    return rows;
}

// The rows of the sums that came up.
Table RowsRolled(PelkoGrid& grid)
{
    Table rows;
    for (const auto& row : TableText(grid))
        if (row[1] != "0")
            rows.push_back(row);
    return rows;
}

// 2 dice, 10 rolls with the test seed: the faces 63 12 35 12 16 65 33 66 55 56.
const Table TWO_DICE_TEN_ROLLS = {
    {"2", "0", "0%"},   {"3", "2", "20%"},  {"4", "0", "0%"},   {"5", "0", "0%"},
    {"6", "1", "10%"},  {"7", "1", "10%"},  {"8", "1", "10%"},  {"9", "1", "10%"},
    {"10", "1", "10%"}, {"11", "2", "20%"}, {"12", "1", "10%"},
};

// The most separate stretches of column green (0, 255, 0) on any one row of a picture.
int MostGreenRunsInARow(const wxImage& picture)
{
    int most = 0;
    for (int y = 0; y < picture.GetHeight(); ++y) {
        int runs = 0;
        bool inGreen = false;
        for (int x = 0; x < picture.GetWidth(); ++x) {
            const bool green = picture.GetRed(x, y) == 0 && picture.GetGreen(x, y) == 255 &&
                               picture.GetBlue(x, y) == 0;
            runs += green && !inGreen;
            inGreen = green;
        }
        most = std::max(most, runs);
    }
    return most;
}

// How many rectangles an SVG text fills with column green; -1 if it is not well-formed XML.
int GreenRectangles(const std::string& svg)
{
    struct Walk {
        std::vector<bool> greenGroups;
        int rectangles = 0;
    } walk;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &walk);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
            auto& w = *static_cast<Walk*>(data);
            bool green = !w.greenGroups.empty() && w.greenGroups.back();
            for (; *attributes; attributes += 2)
                if (std::strcmp(attributes[0], "style") == 0)
                    green = green || std::strstr(attributes[1], "fill:#00FF00") != nullptr;
            if (std::strcmp(name, "rect") == 0)
                w.rectangles += green;
            w.greenGroups.push_back(green);
        },
        [](void* data, const XML_Char*) { static_cast<Walk*>(data)->greenGroups.pop_back(); });
    const bool wellFormed =
        XML_Parse(parser, svg.data(), static_cast<int>(svg.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return wellFormed ? walk.rectangles : -1;
}

class ResultsViewsTest : public DiceFrameTest {};

} // namespace

TEST_F(ResultsViewsTest, TableStartsWithSixEmptyRowsUnderItsLabels)
{
    PelkoGrid& grid = Probe().Grid();
    ASSERT_EQ(grid.GetNumberRows(), 6);
    ASSERT_EQ(grid.GetNumberCols(), 3);
    EXPECT_EQ(grid.GetColLabelValue(0), "Sum of Dice");
    EXPECT_EQ(grid.GetColLabelValue(1), "Frequency");
    EXPECT_EQ(grid.GetColLabelValue(2), "Relative Frequency");
    EXPECT_FALSE(grid.IsEditable());
    EXPECT_FALSE(grid.CanDragRowSize(0));
    EXPECT_EQ(grid.GetRowLabelSize(), 2);
    EXPECT_FALSE(grid.drawCellHighlight);
    for (const auto& row : TableText(grid))
        EXPECT_EQ(row, (std::vector<wxString>{"", "", ""}));
}

TEST_F(ResultsViewsTest, TableAndColumnsShowEveryPossibleSumInBothModes)
{
    // Counts from a separate model of the generator with the test seed. A progressive run's top
    // is 6 x (whole tallest percentage / 5) + 6; the final fill's is the tallest x 1.2.
    struct Case {
        int dice, rolls;
        Table table;
        std::vector<double> heights;
        double top[2];
    };
    const Case cases[] = {
        {1,
         1,
         {{"1", "0", "0%"},
          {"2", "0", "0%"},
          {"3", "0", "0%"},
          {"4", "0", "0%"},
          {"5", "0", "0%"},
          {"6", "1", "100%"}},
         {0, 0, 0, 0, 0, 100},
         {126, 120}},
        {1,
         6000,
         {{"1", "964", "16.07%"},
          {"2", "1044", "17.4%"},
          {"3", "1000", "16.67%"},
          {"4", "1025", "17.08%"},
          {"5", "973", "16.22%"},
          {"6", "994", "16.57%"}},
         {16.0667, 17.4, 16.6667, 17.0833, 16.2167, 16.5667},
         {24, 20.88}},
        {2, 10, TWO_DICE_TEN_ROLLS, {0, 20, 0, 0, 10, 10, 10, 10, 10, 20, 10}, {30, 24}},
    };
    for (bool progressive : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.dice << " dice, " << c.rolls << " rolls, "
                                            << (progressive ? "progressive" : "at the end"));
            RunWith(c.dice, c.rolls, progressive);
            EXPECT_EQ(TableText(Probe().Grid()), c.table);

            const dataSeries& series = Probe().Series();
            ASSERT_EQ(series.runs.size(), 1u);
            ASSERT_EQ(series.runs[0].size(), c.heights.size());
            for (std::size_t k = 0; k < c.heights.size(); ++k) {
                EXPECT_EQ(series.runs[0][k].x, c.dice + static_cast<double>(k));
                EXPECT_NEAR(series.runs[0][k].y, c.heights[k], 1e-4);
            }
            EXPECT_EQ(Probe().Graph().GetXMax(), 7.0 * c.dice);
            EXPECT_DOUBLE_EQ(Probe().Graph().GetYMax(), c.top[progressive ? 0 : 1]);
            EXPECT_EQ(Probe().Graph().GetCurrentSeries(), &series);
        }
    }
}

TEST_F(ResultsViewsTest, AShorterTableLosesRowsFromTheTopAndShowsTheRightSums)
{
    RunWith(3, 50, false);
    ASSERT_EQ(Probe().Grid().GetNumberRows(), 16);
    RunWith(2, 10, false);
    EXPECT_EQ(TableText(Probe().Grid()), TWO_DICE_TEN_ROLLS);
}

// Every page takes the run's die from the model: the sums it makes, the graph's x range, the
// theory and what the rolls are tested against.
TEST_F(ResultsViewsTest, EveryPageFollowsTheDieOfTheRun)
{
    Probe().SetDie(*Die::Fair(20));
    RunWith(2, 100, true);
    EXPECT_EQ(Probe().Grid().GetNumberRows(), 39);
    EXPECT_EQ(Probe().Graph().GetXMax(), 42.0);
    EXPECT_EQ(Probe().Theory().Table().GetNumberRows(), 39);

    Probe().SetDie(*Die::Loaded({1, 1, 1, 1, 1, 5}));
    Probe().SetTestAgainstFair(true);
    RunWith(3, 3000, false);
    EXPECT_EQ(Probe().Graph().GetXMax(), 21.0);
    wxString summary = Probe().Theory().Summary().GetLabel();
    summary.Replace("\n", " ");
    EXPECT_TRUE(summary.StartsWith(
        "3000 rolls of 3 loaded 6-sided dice, weights 1, 1, 1, 1, 1, 5; seed 4242."));
    EXPECT_TRUE(summary.Contains("Chi-square against fair dice: ")) << summary;
    EXPECT_TRUE(summary.Contains("of runs: the dice may not be fair.")) << summary;
}

TEST_F(ResultsViewsTest, PercentagesHaveFourSignificantDigitsAtMost)
{
    struct Case {
        int count;
        long rolls;
        const char* text;
    };
    // 12.625 and 12.375 are exact ties at the fifth digit: rounded to the even digit.
    for (const Case& c : {Case{12, 12, "100%"}, Case{1, 12, "8.333%"}, Case{1, 1000000, "0.0001%"},
                          Case{1, 2000000, "5e-05%"}, Case{1, 6, "16.67%"},
                          Case{101, 800, "12.62%"}, Case{99, 800, "12.38%"}}) {
        Probe().ShowPercentages({c.count}, c.rolls);
        EXPECT_EQ(Probe().Grid().GetCellValue(0, 2), c.text);
    }
}

TEST_F(ResultsViewsTest, CheckingProgressiveMidRunStillEndsWithTheWholeTable)
{
    // The run yields first after its first roll, where progressive analysis comes on; that roll's
    // sum (374) does not come up again, yet its count shows at the end.
    AtFirstYield([this] { Probe().SetProgressive(true); });
    RunWith(100, 5, false);
    EXPECT_EQ(RowsRolled(Probe().Grid()), (Table{{"336", "1", "20%"},
                                                 {"340", "1", "20%"},
                                                 {"345", "1", "20%"},
                                                 {"361", "1", "20%"},
                                                 {"374", "1", "20%"}}));

    // Switched on and stopped at the first yield, after 500 rolls, before any roll of its own.
    AtFirstYield([this] {
        Probe().SetProgressive(true);
        Probe().ClickStart();
    });
    RunWith(1, 100000, false);
    EXPECT_EQ(TableText(Probe().Grid()), (Table{{"1", "85", "17%"},
                                                {"2", "81", "16.2%"},
                                                {"3", "89", "17.8%"},
                                                {"4", "85", "17%"},
                                                {"5", "73", "14.6%"},
                                                {"6", "87", "17.4%"}}));
}

TEST_F(ResultsViewsTest, WithoutProgressiveAnalysisTheTableShowsNoCountBeforeTheEnd)
{
    long counted = 0;
    Table shown;
    AtFirstYield([&] {
        counted = std::accumulate(Probe().Counts().begin(), Probe().Counts().end(), 0L);
        shown = TableText(Probe().Grid());
    });
    RunWith(2, 100000, false);
    EXPECT_EQ(counted, 500) << "the first yield comes after 500 rolls";
    ASSERT_EQ(shown.size(), 11u);
    for (const auto& row : shown)
        EXPECT_EQ(row, (std::vector<wxString>{row[0], "0", "0%"}))
            << "a count shown before the end";
}

TEST_F(ResultsViewsTest, CtrlCOnTheGraphCopiesItsColumnsAsPngAndSvg)
{
    RunWith(2, 3000, false);
    Probe().Notebook().SetSelection(1);
    wxKeyEvent ctrlC(wxEVT_KEY_DOWN);
    ctrlC.m_keyCode = 'C';
    ctrlC.SetControlDown(true);
    ASSERT_TRUE(Probe().Graph().GetEventHandler()->ProcessEvent(ctrlC));

    wxClipboardLocker locker;
    ASSERT_TRUE(!!locker);
    wxCustomDataObject png("image/png"), svg("image/svg+xml");
    ASSERT_TRUE(wxTheClipboard->GetData(png));
    ASSERT_TRUE(wxTheClipboard->GetData(svg));

    wxMemoryInputStream pngBytes(png.GetData(), png.GetSize());
    const wxImage picture(pngBytes, wxBITMAP_TYPE_PNG);
    ASSERT_TRUE(picture.IsOk());
    EXPECT_EQ(MostGreenRunsInARow(picture), 11) << "one green column per sum from 2 to 12";
    EXPECT_EQ(GreenRectangles(std::string(static_cast<const char*>(svg.GetData()), svg.GetSize())),
              11);
}

// After a run both tables show the sum that came up most often: far down the table for 100 dice,
// in the first rows for 2 dice.
TEST_F(ResultsViewsTest, AfterARunTheTablesShowTheMostFrequentSum)
{
    for (const int dice : {100, 2}) {
        RunWith(dice, 2000, false);
        const std::vector<int>& counts = Probe().Counts();
        const int row =
            static_cast<int>(std::max_element(counts.begin(), counts.end()) - counts.begin());
        for (const int page : {0, 2}) {
            Probe().Notebook().SetSelection(page);
            LetEventsThrough(0.1);
            PelkoGrid& table = page == 0 ? Probe().Grid() : Probe().Theory().Table();
            EXPECT_TRUE(table.IsVisible(row, 0, true)) << dice << " dice, page " << page;
        }
        if (dice == 2) {
            EXPECT_TRUE(Probe().Grid().IsVisible(0, 0, false));
        }
    }
}
