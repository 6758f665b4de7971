#pragma once
#include "graph/model/graphColour.h"
#include "graph/model/worldPoint.h"

#include <vector>

// One data series of a graph: its points, grouped in runs, and how they are drawn. A plain
// value: copies are deep and carry the id along.
class dataSeries {
public:
    enum seriesStyle { LINES = 0, MARKERS = 1, COLUMNS = 2, DOTS = 3 };
    enum markerShapes { DIAMOND = 0, SQUARE = 1, CIRCLE = 2 };
    enum columnAlignments { LEFT_EDGE = 0, CENTRE = 1, RIGHT_EDGE = 2 };

    int id = 0;
    bool visible = true;
    int style = LINES;
    int penWidth = 2;
    int markerSize = 4;
    int markerShape = DIAMOND;
    // In world x units. One unit, so a series switched to columns draws touching columns
    // on a whole-number x grid even before its owner picks a width.
    double columnWidth = 1;
    int columnAlignment = CENTRE;
    graphColour penColour = graphColour::Blue();
    graphColour fillColour = graphColour::Blue();
    std::vector<pointRun> runs;
};
