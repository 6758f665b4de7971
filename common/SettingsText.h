#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The text of a settings file: lines of `[section]` headers and `key=value` settings, blanks
// around names and values left out, with comments (`#`, `;`) and whatever else the file holds. It
// takes any bytes at all, NUL, stray CR and broken UTF-8 included, and never fails: what it cannot
// make sense of is no value. Lines end at LF; a CR at a line's end belongs to its ending.
//
// A value is read only where the text is clear about it. A section whose name differs from the one
// asked for only in letter case or in slashes at its ends ([view], [/View]) may mean the same
// section to another reader, and so may a key differing in case: each such line sets the value as
// much as one spelt exactly. The value is there when exactly one line sets it, that line spelt
// as asked, in a section spelt as asked; two lines, even alike, or one misspelt give nothing. A
// line that opens with `[` but is no header ends its section: the settings after it are in none.
class SettingsText {
public:
    explicit SettingsText(std::string bytes) : bytes(std::move(bytes)) {}

    const std::string& Bytes() const { return bytes; }

    // The value of `key` in `section`, or nothing where the text does not say it clearly.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

    // Makes `value` the value of `key` in `section`, clearly: the first line that sets it as
    // spelt is rewritten to `key=value` and every other line that sets it goes; where none does,
    // the line is added under the section's first header, or a new section at the end. Every
    // other line stays as it was, byte for byte.
    void SetValue(const std::string& section, const std::string& key, const std::string& value);

private:
    struct Line {
        std::size_t begin;
        std::size_t end;  // where its ending (LF or CRLF) starts
        std::size_t next; // where the next line starts
    };
    // A line that sets the key, in any spelling that may mean it.
    struct Setting {
        Line line;
        bool exact;
        std::string value;
    };
    struct Scan {
        std::vector<Setting> settings;
        std::optional<Line> header; // the first header of the section spelt as asked
    };
    Scan Find(const std::string& section, const std::string& key) const;
    Line LineAt(std::size_t begin) const;
    std::string AddedLines(const Scan& scan, const std::string& section,
                           const std::string& setting) const;

    std::string bytes;
};
