#include "graph/model/seriesTrace.h"

#include <algorithm>

int seriesTrace::StepSize(int clientWidth)
{
    return std::max(2, static_cast<int>(clientWidth / 50.0 + 1.5));
}

bool seriesTrace::Begin(int id, const dataSeries& series,
                        const std::function<bool(const worldPoint&)>& visible)
{
    seriesId = id;
    run = 0;
    point = 0;
    while (!Finished(series)) {
        if (LeftInRun(series) == 0) {
            NextRun();
        } else if (!visible(series.runs[run][point])) {
            ++point;
        } else {
            point = point > 0 ? point - 1 : 0;
            return true;
        }
    }
    return false;
}

void seriesTrace::Step(const dataSeries& series, int n, std::vector<piece>& pieces)
{
    pieces.clear();
    const std::size_t wanted = static_cast<std::size_t>(std::max(n, 0));
    std::size_t drawn = 0;
    while (drawn < wanted && !Finished(series)) {
        const std::size_t count = std::min(wanted - drawn, LeftInRun(series));
        if (count >= 2) // a single point is no line
            pieces.push_back({run, point, count});
        point += count;
        drawn += count;
        if (drawn < wanted)
            NextRun();
        else
            --point;
    }
}

std::size_t seriesTrace::LeftInRun(const dataSeries& series) const
{
    const std::size_t size = series.runs[run].size();
    return point < size ? size - point : 0;
}

void seriesTrace::NextRun()
{
    ++run;
    point = 0;
}
