#include "app/RollRecord.h"

#include <algorithm>
#include <cstring>

const char* const RollRecord::TRUNCATION_NOTE = "\nData Truncated.";

void RollRecord::Start(long rolls, int dice)
{
    text.clear();
    truncated = false;
    noteLength = std::strlen(TRUNCATION_NOTE);
    rollLength = static_cast<std::size_t>(dice) + 1;
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

std::string RollRecord::Tail(std::size_t maxChars) const
{
    const std::size_t length = FacesLength();
    const std::size_t rolls = std::max<std::size_t>(maxChars / rollLength, 1);
    const std::size_t tail = std::min(length, rolls * rollLength);
    return text.substr(length - tail, tail);
}

void RollRecord::Release()
{
    std::string().swap(text);
    truncated = false;
}
