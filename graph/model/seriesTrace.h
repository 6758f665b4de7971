#pragma once
#include "graph/model/dataSeries.h"

#include <cstddef>
#include <functional>
#include <vector>

// Where the trace of a line series stands: a run and a point in it. Each step draws a polyline
// of a few points that starts where the previous one ended; a run's end is a gap in the line.
class seriesTrace {
public:
    // Points [first, first + count) of one run, drawn as one polyline.
    struct piece {
        std::size_t run;
        std::size_t first;
        std::size_t count;
    };

    static constexpr int NO_SERIES = -1;

    // Points per step: about one per 50 pixels of client width, plus one. At least two, so
    // that a step always gets past the point it starts from.
    static int StepSize(int clientWidth);

    // Begins a trace of the series with that id at its first point for which visible holds,
    // one point back (within the run) so that the line into it is drawn. False when no point
    // is visible; the position is then past the last run.
    bool Begin(int id, const dataSeries& series,
               const std::function<bool(const worldPoint&)>& visible);
    // Whether the position lies past the last run: the trace has drawn everything.
    bool Finished(const dataSeries& series) const { return run >= series.runs.size(); }
    // Walks n points on from the position and sets pieces to the polylines that draw them
    // (pieces of a single point are left out: they draw nothing).
    // The position ends on the last point drawn, so the next step continues the line from
    // there, or past the last run.
    void Step(const dataSeries& series, int n, std::vector<piece>& pieces);
    int SeriesId() const { return seriesId; }

private:
    // Points left in the current run from the position on; the runs may have been changed in
    // place since the last step, so the position is never trusted to lie inside its run.
    std::size_t LeftInRun(const dataSeries& series) const;
    void NextRun();

    int seriesId = NO_SERIES;
    std::size_t run = 0;
    std::size_t point = 0;
};
