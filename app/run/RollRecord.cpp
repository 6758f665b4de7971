#include "app/run/RollRecord.h"

#include <cstring>

const char* const RollRecord::TRUNCATION_NOTE = "\nData Truncated.";

void RollRecord::Start(long rolls, int dice)
{
    text.clear();
    truncated = false;
    noteLength = std::strlen(TRUNCATION_NOTE);
    text.reserve(rolls <= LIMIT ? rolls * (dice + 1) : dice * LIMIT + 10020);
}

void RollRecord::Add(long index, const char* faces, int dice)
{
    if (index < LIMIT) {
        text.append(faces, dice);
        text.push_back(' ');
    } else if (index == LIMIT) {
        text.append(TRUNCATION_NOTE);
        truncated = true;
    }
}
