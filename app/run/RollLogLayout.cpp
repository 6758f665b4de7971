#include "app/run/RollLogLayout.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool InWord(char c) { return c != ' ' && c != '\n'; }

// How many whole things of `size` fit in `room`, allowing for rounding in the widths.
std::size_t HowMany(double room, double size)
{
    return static_cast<std::size_t>(std::max(0.0, std::floor(room / size + 1e-9)));
}

} // namespace

RollLogLayout::RollLogLayout(Measure measure) : measure(std::move(measure)) { MeasureFont(); }

void RollLogLayout::SetMeasure(Measure newMeasure)
{
    measure = std::move(newMeasure);
    MeasureFont();
    Reflow();
}

// The widths that the arithmetic works with: the widest digit, so that no line of rolls can come
// out wider than computed, and the blank. Runs of ten average out rounding to whole pixels.
void RollLogLayout::MeasureFont()
{
    double widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit)
        widest = std::max(widest, measure(std::string(10, digit)) / 10.0);
    digitWidth = std::max(widest, 1.0);
    const double blanks = measure("0" + std::string(10, ' ') + "0") - measure("00");
    blankWidth = std::max(blanks / 10.0, 0.0);
}

void RollLogLayout::SetText(const std::string& newText)
{
    text = newText;
    rollLength = 0;
    rollsEnd = 0;
    TakeRolls();
    Reflow();
}

// Adding whole rolls to a record costs only their own length: the rolls grow by arithmetic and
// nothing else needs wrapping anew.
std::size_t RollLogLayout::Append(const std::string& more)
{
    const bool hadRolls = rollLength != 0;
    const std::size_t oldRollsEnd = rollsEnd, oldEnd = text.size();
    text += more;
    TakeRolls();
    if (!hadRolls)
        Reflow();
    else if (oldRollsEnd < oldEnd || rollsEnd < text.size())
        WrapNote();
    // Lines of rolls stay as they were; what followed them may be wrapped anew, or be rolls now.
    return oldRollsEnd;
}

void RollLogLayout::SetWidth(int pixels)
{
    width = std::max(pixels, 0);
    Reflow();
}

// Extends the rolls over every whole roll that follows them. The first blank sets the length of
// a roll, if only digits come before it.
void RollLogLayout::TakeRolls()
{
    if (rollLength == 0) {
        const std::size_t blank = text.find(' ');
        if (blank == std::string::npos || blank == 0 ||
            !std::all_of(text.begin(), text.begin() + blank, IsDigit))
            return;
        rollLength = blank + 1;
    }
    const std::size_t faces = rollLength - 1;
    while (rollsEnd + rollLength <= text.size() && text[rollsEnd + faces] == ' ' &&
           std::all_of(text.begin() + rollsEnd, text.begin() + rollsEnd + faces, IsDigit))
        rollsEnd += rollLength;
}

void RollLogLayout::Reflow()
{
    rollsPerLine = 1;
    linesPerRoll = 1;
    if (rollLength != 0) {
        const std::size_t faces = rollLength - 1;
        const double rollWidth = faces * digitWidth;
        if (rollWidth <= width) {
            rollsPerLine =
                std::max<std::size_t>(1, HowMany(width + blankWidth, rollWidth + blankWidth));
        } else {
            facesPerPiece = std::max<std::size_t>(1, HowMany(width, digitWidth));
            linesPerRoll = (faces + facesPerPiece - 1) / facesPerPiece;
        }
    }
    WrapNote();
}

std::size_t RollLogLayout::RollLines() const
{
    // One of the two factors is always 1.
    return (Rolls() + rollsPerLine - 1) / rollsPerLine * linesPerRoll;
}

// What follows the rolls is wrapped paragraph by paragraph. A line break right after the rolls
// only ends their last line.
void RollLogLayout::WrapNote()
{
    noteLines.clear();
    std::size_t begin = rollsEnd;
    if (begin == text.size())
        return;
    if (begin > 0 && text[begin] == '\n')
        ++begin;
    for (;;) {
        const std::size_t end = std::min(text.find('\n', begin), text.size());
        WrapParagraph(begin, end);
        if (end == text.size())
            return;
        begin = end + 1;
    }
}

void RollLogLayout::WrapParagraph(std::size_t begin, std::size_t end)
{
    if (begin == end)
        noteLines.push_back({begin, end});
    while (begin < end) {
        const std::size_t lineEnd = FittingEnd(begin, end);
        noteLines.push_back({begin, lineEnd});
        begin = lineEnd;
    }
}

// Where the line that starts at `begin` ends: after the last blank among the characters that fit
// (blanks may stand out past the edge), or inside a word too long for a line, but after at least
// one character. The characters that fit are found by doubling, then halving, so that a line
// costs a few measurements of about its own length.
std::size_t RollLogLayout::FittingEnd(std::size_t begin, std::size_t end) const
{
    const auto fits = [&](std::size_t n) { return measure(text.substr(begin, n)) <= width; };
    const std::size_t length = end - begin;
    std::size_t good = 1, bad = 2;
    while (bad <= length && fits(bad)) {
        good = bad;
        bad *= 2;
    }
    if (bad > length) {
        if (fits(length))
            return end;
        bad = length;
    }
    while (bad - good > 1) {
        const std::size_t mid = good + (bad - good) / 2;
        (fits(mid) ? good : bad) = mid;
    }
    if (good >= length)
        return end;
    std::size_t lineEnd = begin + good;
    if (text[lineEnd] != ' ') {
        const std::size_t blank = text.rfind(' ', lineEnd);
        if (blank == std::string::npos || blank < begin)
            return lineEnd;
        lineEnd = blank;
    }
    while (lineEnd < end && text[lineEnd] == ' ')
        ++lineEnd;
    return lineEnd;
}

RollLogLayout::Line RollLogLayout::LineAt(std::size_t line) const
{
    const std::size_t rollLines = RollLines();
    if (line >= rollLines) {
        const std::size_t note = line - rollLines;
        return note < noteLines.size() ? noteLines[note] : Line{text.size(), text.size()};
    }
    if (linesPerRoll == 1) {
        const std::size_t first = line * rollsPerLine;
        return {first * rollLength, std::min(first + rollsPerLine, Rolls()) * rollLength};
    }
    const std::size_t roll = line / linesPerRoll, piece = line % linesPerRoll;
    const std::size_t begin = roll * rollLength + piece * facesPerPiece;
    const bool last = piece + 1 == linesPerRoll;
    return {begin, last ? (roll + 1) * rollLength : begin + facesPerPiece};
}

std::size_t RollLogLayout::LineOf(std::size_t offset) const
{
    const std::size_t rollLines = RollLines();
    if (!noteLines.empty() && offset >= noteLines.front().begin) {
        const auto after =
            std::upper_bound(noteLines.begin(), noteLines.end(), offset,
                             [](std::size_t o, const Line& line) { return o < line.begin; });
        return rollLines + static_cast<std::size_t>(after - noteLines.begin()) - 1;
    }
    if (rollLines == 0)
        return 0;
    const std::size_t roll = offset / rollLength;
    std::size_t line = roll / rollsPerLine;
    if (linesPerRoll > 1)
        line =
            roll * linesPerRoll + std::min(offset % rollLength / facesPerPiece, linesPerRoll - 1);
    return std::min(line, rollLines - 1);
}

RollLogLayout::Line RollLogLayout::WordAt(std::size_t offset) const
{
    offset = std::min(offset, text.size());
    std::size_t at = offset;
    if (at == text.size() || !InWord(text[at])) {
        if (at == 0 || !InWord(text[at - 1]))
            return {offset, offset};
        --at;
    }
    std::size_t begin = at, end = at;
    while (begin > 0 && InWord(text[begin - 1]))
        --begin;
    while (end < text.size() && InWord(text[end]))
        ++end;
    return {begin, end};
}
