#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The faces of the first LIMIT rolls of a run: as numbers, and as the log box shows them. In the
// text each roll's faces are followed by a blank, and a note on a line of its own follows once a
// run goes past LIMIT rolls. Dice of up to 9 faces give each face as one digit ("35 61 "); the
// faces of larger dice are separated by commas ("12,3,20 "), so that no two rolls read the same.
class RollRecord {
public:
    static constexpr long LIMIT = 10000;
    static const char* const TRUNCATION_NOTE; // "\nData Truncated."

    // Empties the record and reserves room for a run of `rolls` rolls of `dice` dice of `faces`
    // faces.
    void Start(long rolls, int dice, int faces);

    // Records roll number `index` (0-based) with its `dice` faces, each 1 to the dice's faces.
    void Add(long index, const std::uint8_t* faces, int dice);

    // Whether roll number `index` still changes the record.
    static bool Records(long index) { return index <= LIMIT; }

    const std::string& Text() const { return text; }

    // The length of the record without the truncation note: what the log shows while the rolls
    // come in.
    std::size_t FacesLength() const { return truncated ? text.size() - noteLength : text.size(); }

    // The faces of the rolls recorded, one roll's after the other's.
    const std::vector<std::uint8_t>& Faces() const { return faces; }

private:
    void Write(const std::uint8_t* rolled, int dice);

    std::string text;
    std::vector<std::uint8_t> faces;
    bool separated = false; // the faces are written with commas between them
    bool truncated = false;
    std::size_t noteLength = 0;
};
