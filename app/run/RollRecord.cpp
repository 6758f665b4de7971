#include "app/run/RollRecord.h"

#include <cstring>

const char* const RollRecord::TRUNCATION_NOTE = "\nData Truncated.";

void RollRecord::Start(long rolls, int dice, int dieFaces)
{
    text.clear();
    faces.clear();
    separated = dieFaces > 9;
    truncated = false;
    noteLength = std::strlen(TRUNCATION_NOTE);
    const long recorded = rolls <= LIMIT ? rolls : LIMIT;
    const long perRoll = (separated ? 3 * dice : dice) + 1; // at most two digits and a comma
    text.reserve(recorded * perRoll + noteLength);
    faces.reserve(recorded * dice);
}

void RollRecord::Add(long index, const std::uint8_t* rolled, int dice)
{
    if (index < LIMIT) {
        faces.insert(faces.end(), rolled, rolled + dice);
        Write(rolled, dice);
    } else if (index == LIMIT) {
        text.append(TRUNCATION_NOTE);
        truncated = true;
    }
}

void RollRecord::Write(const std::uint8_t* rolled, int dice)
{
    for (int d = 0; d < dice; ++d) {
        if (separated && d > 0)
            text.push_back(',');
        if (rolled[d] > 9)
            text.push_back(static_cast<char>('0' + rolled[d] / 10));
        text.push_back(static_cast<char>('0' + rolled[d] % 10));
    }
    text.push_back(' ');
}
