#include "app/report/TheoryGraph.h"

#include "app/theory/TheoryComparison.h"

#include <algorithm>

namespace {

// Room above the tallest column or point of the line, as a share of it.
constexpr double HEADROOM = 1.15;
// Pixels a column needs to be drawn with its outline.
constexpr int MIN_OUTLINED = 6;
// The most major ticks an axis of the graph has.
constexpr int MAX_TICKS = 10;

} // namespace

TheoryGraph::TheoryGraph(coordSysSettings& settings, plotObjectLists& plots)
    : settings(settings), plots(plots)
{
    settings.SetFontSize(FONT_SIZE);
    settings.SetXAxisLabel(X_TITLE);
    settings.SetYAxisLabel("% of rolls");
    settings.originAlwaysViewable = false;
    settings.axesAlwaysViewable = true;
    settings.axesFromCrossing = true;
    settings.ticksKeepLabelsApart = true; // at any size and zoom
    settings.propertiesMenuEnabled = false;
    settings.SetXAutoScale(true);
    settings.SetYAutoScale(true);
    settings.gridStyle = coordSysSettings::HORIZONTAL_GRID;
    settings.SetXAxisLabelPosition(coordSysSettings::BELOW + coordSysSettings::RIGHT);

    dataSeries observed; // green columns, as on the column graph
    observed.style = dataSeries::COLUMNS;
    observed.columnWidth = 1.0;
    observed.fillColour = graphColour::Green();
    observed.penWidth = 1;
    observedId = plots.AddSeries(observed);
    dataSeries expected;
    expected.style = dataSeries::LINES;
    expected.penColour = graphColour::Rgb(220, 0, 0);
    expected.penWidth = 2;
    expectedId = plots.AddSeries(expected);
}

// One free sum either side of those shown; the y axis stands just left of the first column.
void TheoryGraph::Show(const TheoryComparison& comparison)
{
    pointRun columns, line;
    double tallest = 0;
    const int lowest = comparison.LowestSum();
    for (int sum = comparison.FirstShownSum(); sum <= comparison.LastShownSum(); ++sum) {
        columns.push_back({static_cast<double>(sum), comparison.ObservedPercent(sum - lowest)});
        line.push_back({static_cast<double>(sum), comparison.ExpectedPercent(sum - lowest)});
        tallest = std::max({tallest, columns.back().y, line.back().y});
    }
    plots.GetSeries(observedId)->runs.assign(1, columns);
    plots.GetSeries(expectedId)->runs.assign(1, line);
    const double left = comparison.FirstShownSum() - 1;
    settings.SetXMin(left);
    settings.SetXMax(comparison.LastShownSum() + 1);
    settings.SetYMin(0);
    settings.SetYMax(tallest * HEADROOM);
    settings.axisIntersection = {left, 0};
}

// At most one major tick every 20 pixels across and every 15 up, as the view goes (the room for
// the labels included).
void TheoryGraph::FitTo(pixelSize size)
{
    settings.SetXMaxTicks(std::clamp(size.width / 20, 2, MAX_TICKS));
    settings.SetYMaxTicks(std::clamp(size.height / 15, 2, MAX_TICKS));
    dataSeries& observed = *plots.GetSeries(observedId);
    const int columns = observed.runs.empty() ? 0 : static_cast<int>(observed.runs[0].size());
    const int columnPixels = size.width / (columns + 2);
    observed.penColour = columnPixels >= MIN_OUTLINED ? graphColour::Blue() : graphColour::None();
}
