#include "app/run/RollLogLayout.h"

#include <algorithm>

namespace {

bool InRoll(char c) { return (c >= '0' && c <= '9') || c == ','; }
bool InWord(char c) { return c != ' ' && c != '\n'; }

// Whether `used` pixels fit in `room`, allowing for rounding in the widths.
bool Fits(double used, double room) { return used <= room + 1e-6; }

} // namespace

RollLogLayout::RollLogLayout(Measure measure) : measure(std::move(measure)) { MeasureFont(); }

void RollLogLayout::SetMeasure(Measure newMeasure)
{
    measure = std::move(newMeasure);
    MeasureFont();
    Reflow();
}

// The widths that the arithmetic works with: the widest digit, so that no line of rolls can come
// out wider than computed, the comma and the blank. Runs of ten average out rounding to whole
// pixels.
void RollLogLayout::MeasureFont()
{
    double widest = 0;
    for (char digit = '0'; digit <= '9'; ++digit)
        widest = std::max(widest, measure(std::string(10, digit)) / 10.0);
    digitWidth = std::max(widest, 1.0);
    commaWidth = std::max(measure(std::string(10, ',')) / 10.0, 1.0);
    const double blanks = measure("0" + std::string(10, ' ') + "0") - measure("00");
    blankWidth = std::max(blanks / 10.0, 0.0);
}

void RollLogLayout::SetText(const std::string& newText)
{
    text = newText;
    Reflow();
}

// Adding whole rolls to a record costs only their own length: each new roll goes on the last line
// or begins a new one, and nothing else needs wrapping anew.
std::size_t RollLogLayout::Append(const std::string& more)
{
    const std::size_t oldRollsEnd = rollsEnd, oldEnd = text.size();
    text += more;
    TakeRolls();
    if (oldRollsEnd < oldEnd || rollsEnd < text.size())
        WrapNote();
    // Lines of rolls stay as they were; what followed them may be wrapped anew, or be rolls now.
    return oldRollsEnd;
}

void RollLogLayout::SetWidth(int pixels)
{
    width = std::max(pixels, 0);
    Reflow();
}

// Extends the rolls over every whole roll that follows them: digits and commas, then a blank.
void RollLogLayout::TakeRolls()
{
    for (;;) {
        std::size_t end = rollsEnd;
        while (end < text.size() && InRoll(text[end]))
            ++end;
        if (end == rollsEnd || end == text.size() || text[end] != ' ')
            return;
        LayOutRoll(rollsEnd, end + 1);
        rollsEnd = end + 1;
    }
}

// Puts the roll text[begin, end), its blank last, after the last line's rolls if it fits there,
// else on a line of its own, else over as many lines as it needs, as many characters to a line
// as fit but at least one.
void RollLogLayout::LayOutRoll(std::size_t begin, std::size_t end)
{
    double rollWidth = 0;
    for (std::size_t c = begin; c + 1 < end; ++c)
        rollWidth += CharWidth(text[c]);
    if (!rollLines.empty() && Fits(lastLineWidth + blankWidth + rollWidth, width)) {
        lastLineWidth += blankWidth + rollWidth;
        return;
    }
    rollLines.push_back(begin);
    lastLineWidth = 0;
    if (Fits(rollWidth, width)) {
        lastLineWidth = rollWidth;
        return;
    }
    for (std::size_t c = begin; c + 1 < end; ++c) {
        const double charWidth = CharWidth(text[c]);
        if (lastLineWidth > 0 && !Fits(lastLineWidth + charWidth, width)) {
            rollLines.push_back(c);
            lastLineWidth = 0;
        }
        lastLineWidth += charWidth;
    }
}

void RollLogLayout::Reflow()
{
    rollLines.clear();
    rollsEnd = 0;
    TakeRolls();
    WrapNote();
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
    if (line >= rollLines.size()) {
        const std::size_t note = line - rollLines.size();
        return note < noteLines.size() ? noteLines[note] : Line{text.size(), text.size()};
    }
    return {rollLines[line], line + 1 < rollLines.size() ? rollLines[line + 1] : rollsEnd};
}

std::size_t RollLogLayout::LineOf(std::size_t offset) const
{
    const std::size_t rollCount = rollLines.size();
    if (!noteLines.empty() && offset >= noteLines.front().begin) {
        const auto after =
            std::upper_bound(noteLines.begin(), noteLines.end(), offset,
                             [](std::size_t o, const Line& line) { return o < line.begin; });
        return rollCount + static_cast<std::size_t>(after - noteLines.begin()) - 1;
    }
    if (rollCount == 0)
        return 0;
    const auto after = std::upper_bound(rollLines.begin(), rollLines.end(), offset);
    return static_cast<std::size_t>(after - rollLines.begin()) - 1;
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
