#include "app/run/RollLogLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Line = RollLogLayout::Line;

// A font with known widths: digits 7 pixels, the blank 3, every other character 8.
int Width(const std::string& text)
{
    int width = 0;
    for (char c : text)
        width += c == ' ' ? 3 : (c >= '0' && c <= '9') ? 7 : 8;
    return width;
}

RollLogLayout Laid(const std::string& text, int width)
{
    RollLogLayout layout(Width);
    layout.SetText(text);
    layout.SetWidth(width);
    return layout;
}

std::vector<Line> Lines(const RollLogLayout& layout)
{
    std::vector<Line> lines;
    for (std::size_t i = 0; i < layout.LineCount(); ++i)
        lines.push_back(layout.LineAt(i));
    return lines;
}

// `rolls` rolls of `dice` faces, the faces counting 1 to 6 over and over.
std::string Record(int dice, int rolls)
{
    std::string text;
    for (int r = 0; r < rolls; ++r) {
        for (int d = 0; d < dice; ++d)
            text += static_cast<char>('1' + (r * dice + d) % 6);
        text += ' ';
    }
    return text;
}

// `rolls` rolls of `dice` faces of a 20-sided die, commas between them: 1 to 20 over and over.
std::string CommaRecord(int dice, int rolls)
{
    std::string text;
    for (int r = 0; r < rolls; ++r)
        for (int d = 0; d < dice; ++d)
            text += std::to_string(1 + (r * dice + d) % 20) + (d + 1 < dice ? "," : " ");
    return text;
}

} // namespace

TEST(RollLogLayout, WrapsRollsAtTheirBlanksBySoManyToALine)
{
    struct Case {
        int dice, rolls, width;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        // Two rolls of 2 faces take 14 + 3 + 14 = 31 pixels: at 31 they share a line, at 30 not.
        {2, 5, 31, {{0, 6}, {6, 12}, {12, 15}}},
        {2, 3, 30, {{0, 3}, {3, 6}, {6, 9}}},
        {2, 3, 14, {{0, 3}, {3, 6}, {6, 9}}},
        {2, 4, 1000, {{0, 12}}},
        // A roll of 5 faces (35 pixels) on a 20 pixel line: two faces to a line, the blank last.
        {5, 2, 20, {{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}, {10, 12}}},
        // Narrower than one face: one face to a line.
        {2, 1, 0, {{0, 1}, {1, 3}}},
        {1, 0, 100, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.dice << " dice, " << c.rolls << " rolls, width " << c.width);
        EXPECT_EQ(Lines(Laid(Record(c.dice, c.rolls), c.width)), c.lines);
    }
}

TEST(RollLogLayout, WrapsWhatFollowsTheRollsByMeasuring)
{
    struct Case {
        std::string text;
        int width;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        // The note has its own line; "Data " is 32 + 3 pixels, "Data Truncated." 115.
        {"12 34 \nData Truncated.", 1000, {{0, 6}, {7, 22}}},
        {"12 34 \nData Truncated.", 80, {{0, 6}, {7, 12}, {12, 22}}},
        // A word too long for its line is cut after as many characters as fit, at least one.
        {"Truncated.", 40, {{0, 5}, {5, 10}}},
        {"Data", 2, {{0, 1}, {1, 2}, {2, 3}, {3, 4}}},
        // Line breaks of the text, an empty paragraph and a break at the very end.
        {"ab\n\ncd\n", 1000, {{0, 2}, {3, 3}, {4, 6}, {7, 7}}},
        {"\n", 1000, {{0, 0}, {1, 1}}},
        // Rolls of many faces, commas between them (8 pixels), are as long as their faces make
        // them: "12,3 4" is 39 pixels, "5,6" 22 more.
        {"12,3 4 5,6 ", 40, {{0, 7}, {7, 11}}},
        // Text that is not made of rolls: the rolls end where it starts.
        {"12,3 4 x5 ", 1000, {{0, 7}, {7, 10}}},
        {"1x 34 ", 1000, {{0, 6}}},
        {"", 1000, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" at width " << c.width);
        EXPECT_EQ(Lines(Laid(c.text, c.width)), c.lines);
    }
}

TEST(RollLogLayout, EveryLineFitsAndTheLinesHoldTheWholeTextInOrder)
{
    for (const std::string& rolls :
         {Record(1, 257), Record(2, 257), Record(7, 257), Record(100, 257), CommaRecord(7, 257)}) {
        const std::string text = rolls + "\nData Truncated.";
        for (int width = 1; width <= 800; width += 13) {
            SCOPED_TRACE(testing::Message() << rolls.substr(0, 20) << " at width " << width);
            const RollLogLayout layout = Laid(text, width);
            std::size_t next = 0;
            for (const Line& line : Lines(layout)) {
                if (line.begin != next) {
                    ASSERT_EQ(line.begin, next + 1);
                    ASSERT_EQ(text[next], '\n');
                }
                std::string shown = text.substr(line.begin, line.end - line.begin);
                ASSERT_FALSE(shown.empty());
                ASSERT_EQ(shown.find('\n'), std::string::npos);
                shown.erase(shown.find_last_not_of(' ') + 1);
                ASSERT_TRUE(shown.size() == 1 || Width(shown) <= width) << shown;
                next = line.end;
            }
            ASSERT_EQ(next, text.size());
        }
    }
}

// Growing the record by whole rolls measures nothing: the rolls of a run, one at a time, cost no
// more each as the record grows. Pieces of rolls are laid out as they become whole.
TEST(RollLogLayout, GrowingRollByRollAndResizingLaysOutAsSettingAtOnce)
{
    for (const std::string& rolls : {Record(3, 40), CommaRecord(3, 40)}) {
        SCOPED_TRACE(rolls.substr(0, 20));
        const std::string whole = rolls + "\nData Truncated.";
        int measured = 0;
        RollLogLayout grown([&measured](const std::string& text) {
            ++measured;
            return Width(text);
        });
        grown.SetWidth(75);
        measured = 0;
        std::size_t at = 0;
        for (std::size_t blank; at < rolls.size() / 2; at = blank + 1) {
            blank = rolls.find(' ', at);
            grown.Append(rolls.substr(at, blank + 1 - at));
        }
        EXPECT_EQ(measured, 0);
        for (; at < whole.size(); at += 3)
            grown.Append(whole.substr(at, 3));
        EXPECT_EQ(grown.Text(), whole);
        EXPECT_EQ(Lines(grown), Lines(Laid(whole, 75)));
        for (int width : {20, 300, 75}) {
            grown.SetWidth(width);
            EXPECT_EQ(Lines(grown), Lines(Laid(whole, width))) << width;
        }
    }
    RollLogLayout grown = Laid(Record(3, 40), 75);
    // A wider font wraps anew.
    grown.SetMeasure([](const std::string& text) { return 2 * Width(text); });
    EXPECT_EQ(grown.LineAt(0), (Line{0, 4})) << "one roll of 3 faces, 42 pixels, to a line";
}

TEST(RollLogLayout, FindsTheLineOfEveryCaretPosition)
{
    // Twelve rolls to a line: {0,24} {24,48} {48,60}, then the line break and the note {61,76};
    // and three lines to a roll of 5 faces: {0,2} {2,4} {4,6} {6,8} ...
    const RollLogLayout rolls = Laid(Record(1, 30) + "\nData Truncated.", 120);
    const RollLogLayout split = Laid(Record(5, 2), 20);
    struct Case {
        const RollLogLayout& layout;
        std::size_t offset, line;
    };
    const Case cases[] = {
        {rolls, 0, 0},  {rolls, 23, 0}, {rolls, 24, 1}, {rolls, 60, 2}, {rolls, 61, 3},
        {rolls, 76, 3}, {split, 3, 1},  {split, 5, 2},  {split, 6, 3},  {split, 12, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.layout.LineOf(c.offset), c.line) << c.offset;
}
