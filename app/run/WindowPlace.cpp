#include "app/run/WindowPlace.h"

#include <algorithm>

WindowPlace::Rect WindowPlace::FirstStart(const Rect& workArea, int leastWidth, int leastHeight)
{
    const int width = std::min(workArea.width, std::max(leastWidth, workArea.width * 2 / 3));
    const int height = std::min(workArea.height, std::max(leastHeight, workArea.height * 2 / 3));
    return {workArea.x + (workArea.width - width) / 2, workArea.y + (workArea.height - height) / 2,
            width, height};
}
