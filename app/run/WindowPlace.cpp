#include "app/run/WindowPlace.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

WindowPlace::Rect WindowPlace::FirstStart(const Rect& workArea, int leastWidth, int leastHeight)
{
    const int width = std::min(workArea.width, std::max(leastWidth, workArea.width * 2 / 3));
    const int height = std::min(workArea.height, std::max(leastHeight, workArea.height * 2 / 3));
    return {workArea.x + (workArea.width - width) / 2, workArea.y + (workArea.height - height) / 2,
            width, height};
}

bool WindowPlace::Fits(const Rect& place, const Rect& workArea, int leastWidth, int leastHeight)
{
    return place.width >= leastWidth && place.height >= leastHeight && place.x >= workArea.x &&
           place.y >= workArea.y &&
           static_cast<long>(place.x) + place.width <=
               static_cast<long>(workArea.x) + workArea.width &&
           static_cast<long>(place.y) + place.height <=
               static_cast<long>(workArea.y) + workArea.height;
}

std::string WindowPlace::Text(const Rect& place)
{
    return std::to_string(place.x) + "," + std::to_string(place.y) + "," +
           std::to_string(place.width) + "," + std::to_string(place.height);
}

namespace {

// One number of a place: an optional minus, one to six digits, then `end`; where it ends.
const char* Number(const char* text, char end, int& value)
{
    const char* digits = text + (*text == '-');
    const char* stop = digits;
    while (*stop >= '0' && *stop <= '9' && stop - digits < 7)
        ++stop;
    if (stop == digits || stop - digits > 6 || *stop != end)
        return nullptr;
    value = std::atoi(text);
    return stop + (end != '\0');
}

} // namespace

std::optional<WindowPlace::Rect> WindowPlace::Parse(const std::string& text)
{
    Rect place;
    const char* at = text.c_str();
    for (int* value : {&place.x, &place.y, &place.width})
        if (!(at = Number(at, ',', *value)))
            return std::nullopt;
    if (!Number(at, '\0', place.height) || place.width <= 0 || place.height <= 0 ||
        text.size() != std::char_traits<char>::length(text.c_str()))
        return std::nullopt;
    return place;
}
