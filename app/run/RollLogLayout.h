#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The text of the log box and where its lines break at a given width.
//
// A roll record is a run of rolls of one length, each its faces as digits followed by a blank,
// and at most a short note after it. The rolls are wrapped at their blanks by arithmetic, since
// every roll is as wide as the next: so many rolls to a line, or, on a line too narrow for one
// roll, so many lines to a roll. Growing the record by a roll, reflowing it at a new width and
// finding a line cost the same however many rolls it holds. Whatever follows the rolls (the
// note, or any text that is not made of rolls) is wrapped at its blanks by measuring it.
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

    std::size_t LineCount() const { return RollLines() + noteLines.size(); }
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
    void Reflow();
    void WrapNote();
    void WrapParagraph(std::size_t begin, std::size_t end);
    std::size_t FittingEnd(std::size_t begin, std::size_t end) const;
    std::size_t Rolls() const { return rollLength == 0 ? 0 : rollsEnd / rollLength; }
    std::size_t RollLines() const;

    Measure measure;
    std::string text;
    double digitWidth = 1; // the widest digit
    double blankWidth = 1;
    double width = 0;
    std::size_t rollLength = 0; // a roll's faces and its blank; 0 until the text has a roll
    std::size_t rollsEnd = 0;   // the rolls are text[0, rollsEnd)
    std::size_t rollsPerLine = 1;
    std::size_t linesPerRoll = 1;
    std::size_t facesPerPiece = 1; // faces on each line of a roll split over lines
    std::vector<Line> noteLines;   // the lines of what follows the rolls
};
