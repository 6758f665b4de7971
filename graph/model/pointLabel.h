#pragma once
#include "graph/model/dataSeries.h"
#include "graph/model/graphColour.h"

#include <string>

// A marked point: a small marker at a world position that carries a tooltip text. It may be
// tied to a series, and then goes when that series goes.
struct pointLabel {
    double x = 0;
    double y = 0;
    int markerShape = dataSeries::CIRCLE;
    // Half-size of the marker in pixels, also how near the pointer must come for the tooltip.
    int markerSize = 4;
    // Outline and fill of the marker.
    graphColour colour = graphColour::Blue();
    bool visible = true;
    std::string text;
    int id = 0;
    // The series the label belongs to, or NO_SERIES.
    int seriesId = NO_SERIES;

    static constexpr int NO_SERIES = -1;
};
