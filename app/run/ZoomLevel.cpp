#include "app/run/ZoomLevel.h"

#include <algorithm>
#include <cmath>
#include <iterator>

std::optional<int> ZoomLevel::Parse(const std::string& text)
{
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int percent = std::stoi(text);
    for (int s : STEPS)
        if (s == percent)
            return percent;
    return std::nullopt;
}

std::string ZoomLevel::StepList()
{
    std::string list;
    const int count = static_cast<int>(std::size(STEPS));
    for (int i = 0; i < count; ++i)
        list += (i == 0 ? "" : i + 1 == count ? " or " : ", ") + std::to_string(STEPS[i]);
    return list;
}

bool ZoomLevel::Set(int percent)
{
    for (int i = 0; i < static_cast<int>(std::size(STEPS)); ++i)
        if (STEPS[i] == percent) {
            const bool changed = i != step;
            step = i;
            return changed;
        }
    return false;
}

bool ZoomLevel::In()
{
    if (step + 1 >= static_cast<int>(std::size(STEPS)))
        return false;
    ++step;
    return true;
}

bool ZoomLevel::Out()
{
    if (step == 0)
        return false;
    --step;
    return true;
}

int ZoomLevel::Scale(int length) const
{
    if (length <= 0)
        return length;
    return std::max(1, static_cast<int>(std::lround(length * Factor())));
}
