#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The text of the log box and where its lines break at a given width.
//
// A roll record is a run of rolls, each its faces as digits (with commas between them for dice of
// 10 faces or more) followed by a blank, and at most a short note after it. The rolls are wrapped
// at their blanks by arithmetic on the widths of a digit, a comma and a blank, roll by roll, and
// the line each line of rolls begins at is kept: as many rolls to a line as fit, or, for a roll
// too wide for a line, as many of its characters to a line as fit. Growing the record by a roll
// costs that roll alone, and finding a line a search among the lines; reflowing it at a new width
// costs one pass over the rolls, and no measuring. Whatever follows the rolls (the note, or any
// text that is not made of rolls) is wrapped at its blanks by measuring it.
class RollLogLayout {
public:
    // The width in pixels of a text without line breaks, as the box draws it.
    using Measure = std::function<int(const std::string&)>;

    // A line's characters: [begin, end) of the text, without the line break that ends it.
    struct Line {
        std::size_t begin;
        std::size_t end;
        bool operator==(const Line& other) const
        {
            return begin == other.begin && end == other.end;
        }
    };

    explicit RollLogLayout(Measure measure);

    const std::string& Text() const { return text; }
    void SetText(const std::string& newText);
    // Adds to the end of the text and returns the first position whose line may have changed.
    std::size_t Append(const std::string& more);

    // Sets the width that the lines must fit in, in pixels.
    void SetWidth(int pixels);

    // Measures the font anew, as after a change of font.
    void SetMeasure(Measure newMeasure);

    std::size_t LineCount() const { return rollLines.size() + noteLines.size(); }
    Line LineAt(std::size_t line) const;

    // The line that shows the caret position `offset` (0 to the text's length): the last line
    // that begins at or before it.
    std::size_t LineOf(std::size_t offset) const;

    // The word (faces of one roll, or a word of the note) at or just before `offset`; an empty
    // range at `offset` when there is none.
    Line WordAt(std::size_t offset) const;

private:
    void MeasureFont();
    void TakeRolls();
    void LayOutRoll(std::size_t begin, std::size_t end);
    double CharWidth(char c) const { return c == ',' ? commaWidth : digitWidth; }
    void Reflow();
    void WrapNote();
    void WrapParagraph(std::size_t begin, std::size_t end);
    std::size_t FittingEnd(std::size_t begin, std::size_t end) const;

    Measure measure;
    std::string text;
    double digitWidth = 1; // the widest digit
    double commaWidth = 1;
    double blankWidth = 1;
    double width = 0;
    std::size_t rollsEnd = 0;           // the rolls are text[0, rollsEnd)
    std::vector<std::size_t> rollLines; // where each line of rolls begins
    double lastLineWidth = 0;           // the last line of rolls', without its blank
    std::vector<Line> noteLines;        // the lines of what follows the rolls
};
