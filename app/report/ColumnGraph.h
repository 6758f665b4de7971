#pragma once

#include "graph/model/coordSysSettings.h"
#include "graph/model/dataSeries.h"

class RunModel;

// The column graph of a run, on any graph: one green column per possible sum, as tall as its
// share of the rolls made in percent. The "Column Graph" page shows it; the pictures draw it.
class ColumnGraph {
public:
    // Gives the graph its settings; the columns are a series of the graph's owner.
    explicit ColumnGraph(coordSysSettings& settings);

    const dataSeries& Series() const { return series; }
    dataSeries& Series() { return series; }

    // A run starts: the x axis reaches seven times its number of dice.
    void Start(const RunModel& run);
    // While the run is followed, the top of the y range moves in steps of 6 and always clears the
    // tallest column.
    void Follow(const RunModel& run);
    // A run not followed shows its columns at its end, with a fifth of the tallest to spare.
    void Finish(const RunModel& run);

private:
    double Rebuild(const RunModel& run);

    coordSysSettings& settings;
    dataSeries series;
};
