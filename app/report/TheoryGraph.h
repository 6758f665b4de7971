#pragma once

#include "graph/model/coordSysView.h"
#include "graph/model/plotObjectLists.h"

class TheoryComparison;

// The Theory graph of a run, on any graph: the observed shares of the sums worth showing as green
// columns under the expected shares as a red line, on axes that start at the lower left corner.
// The Theory page shows it; the pictures and the report draw it.
class TheoryGraph {
public:
    // The graph's labels are written at this size (points) at 100%.
    static constexpr int FONT_SIZE = 8;
    // The x axis's title.
    static constexpr const char* X_TITLE = "Sum of dice";

    // Gives the graph its settings and the two series.
    TheoryGraph(coordSysSettings& settings, plotObjectLists& plots);

    // The comparison's shares, from one free sum before the first worth showing to one after
    // the last, with room above the tallest.
    void Show(const TheoryComparison& comparison);
    // What depends on the graph's size: as many major ticks as keep their labels apart, and
    // outlines on columns wide enough to show green between them. The view is to be updated
    // after.
    void FitTo(pixelSize size);

private:
    coordSysSettings& settings;
    plotObjectLists& plots;
    int observedId = 0;
    int expectedId = 0;
};
