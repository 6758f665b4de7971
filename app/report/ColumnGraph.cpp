#include "app/report/ColumnGraph.h"

#include "app/run/RunModel.h"
#include "app/theory/Percentage.h"

#include <algorithm>

ColumnGraph::ColumnGraph(coordSysSettings& settings) : settings(settings)
{
    series.style = dataSeries::COLUMNS;
    series.columnWidth = 1.0;
    series.fillColour = graphColour::Green();
    series.penColour = graphColour::Blue();
    series.penWidth = 1;

    settings.SetFontSize(8);
    settings.SetXMin(0);
    settings.SetYMin(0);
    settings.SetXMax(7);
    settings.SetYMax(120);
    settings.SetXAxisLabel("Sum of Zobrin Values");
    settings.SetYAxisLabel("Frequency Percentage");
    settings.originAlwaysViewable = false;
    settings.axesAlwaysViewable = true;
    settings.ticksKeepLabelsApart = true;   // at any size and zoom
    settings.propertiesMenuEnabled = false; // this program offers no properties window
    settings.SetXAutoScale(true);
    settings.gridStyle = coordSysSettings::HORIZONTAL_GRID;
    settings.SetXAxisLabelPosition(coordSysSettings::BELOW + coordSysSettings::RIGHT);
}

// The x axis runs to (faces + 1) x dice, past the highest sum: 7 x dice for six faces.
void ColumnGraph::Start(const RunModel& run)
{
    settings.SetXMax((run.RunDie().Faces() + 1.0) * run.RunDice());
}

void ColumnGraph::Follow(const RunModel& run)
{
    const int tallest = static_cast<int>(Rebuild(run));
    settings.SetYMax(6 * (tallest / 5) + 6);
}

void ColumnGraph::Finish(const RunModel& run) { settings.SetYMax(Rebuild(run) * 1.2); }

// Makes the series one run of columns, (sum, percentage of the rolls made) for every possible
// sum, and returns the tallest percentage.
double ColumnGraph::Rebuild(const RunModel& run)
{
    series.runs.resize(1);
    pointRun& columns = series.runs.front();
    columns.clear();
    double tallest = 0;
    const std::vector<int>& counts = run.Counts();
    for (std::size_t k = 0; k < counts.size(); ++k) {
        const double y = Percentage(counts[k], run.Made());
        tallest = std::max(tallest, y);
        columns.push_back({static_cast<double>(run.LowestSum() + static_cast<int>(k)), y});
    }
    return tallest;
}
