#pragma once

#include <string>

// The faces of the first LIMIT rolls of a run, as the log box shows them: each roll's faces as
// digits followed by a blank, and a note on a line of its own once a run goes past LIMIT rolls.
class RollRecord {
public:
    static constexpr long LIMIT = 10000;
    static const char* const TRUNCATION_NOTE; // "\nData Truncated."

    // Empties the record and reserves room for a run of `rolls` rolls of `dice` dice.
    void Start(long rolls, int dice);

    // Records roll number `index` (0-based) with its `dice` faces as digits.
    void Add(long index, const char* faces, int dice);

    // Whether roll number `index` still changes the record.
    static bool Records(long index) { return index <= LIMIT; }

    const std::string& Text() const { return text; }

    // The length of the record without the truncation note: what the log shows while the rolls
    // come in.
    std::size_t FacesLength() const { return truncated ? text.size() - noteLength : text.size(); }

private:
    std::string text;
    bool truncated = false;
    std::size_t noteLength = 0;
};
