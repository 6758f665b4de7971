// Times one picture of the column graph as the main window shows it after a roll of 100 dice:
// SetSeries with 501 columns, then the paint that shows it, which clears the bitmap, draws grid,
// axes, labels and columns and copies the bitmap onto the window, in a real window. Every frame
// must be painted, or the benchmark fails. Also times SetSeries alone, what a roll costs the graph
// between two paints.
#include "ToolkitBench.h"
#include "graph/window/bufferedCoordSys.h"

#include <wx/app.h>
#include <wx/frame.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

constexpr int DICE = 100;
constexpr int FRAMES = 1000;

// The sums of DICE dice with bell-shaped percentages, as a long run gives them.
dataSeries Columns(double& largest)
{
    dataSeries series;
    series.style = dataSeries::COLUMNS;
    series.columnWidth = 1;
    series.fillColour = graphColour::Green();
    series.penColour = graphColour::Blue();
    series.penWidth = 1;
    const double mean = 3.5 * DICE;
    const double spread = std::sqrt(DICE * 35.0 / 12);
    pointRun run;
    largest = 0;
    for (int sum = DICE; sum <= 6 * DICE; ++sum) {
        const double z = (sum - mean) / spread;
        const double percent = 100 * std::exp(-z * z / 2) / (spread * std::sqrt(2 * M_PI));
        largest = std::max(largest, percent);
        run.push_back({static_cast<double>(sum), percent});
    }
    series.runs.push_back(run);
    return series;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void SetUpLikeTheMainWindow(bufferedCoordSys& graph, double largest)
{
    graph.SetFontSize(8);
    graph.SetXMin(0);
    graph.SetYMin(0);
    graph.SetXMax(7 * DICE);
    graph.SetYMax(6 * (static_cast<int>(largest) / 5) + 6);
    graph.SetXAxisLabel("Sum of Zobrin Values");
    graph.SetYAxisLabel("Frequency Percentage");
    graph.originAlwaysViewable = false;
    graph.axesAlwaysViewable = true;
    graph.SetXAutoScale(true);
    graph.gridStyle = coordSysSettings::HORIZONTAL_GRID;
    graph.SetXAxisLabelPosition(coordSysSettings::BELOW + coordSysSettings::RIGHT);
}

bool TimeRender()
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, "render");
    auto* graph = new bufferedCoordSys(frame, wxID_ANY);
    frame->SetClientSize(600, 200);
    graph->SetSize(600, 200); // about the graph page of the main window
    frame->Show();
    wxTheApp->Yield();

    double largest = 0;
    dataSeries series = Columns(largest);
    SetUpLikeTheMainWindow(*graph, largest);
    graph->SetSeries(&series); // the first picture loads fonts and glyphs
    graph->Update();
    int paints = 0;
    graph->Bind(wxEVT_PAINT, [&paints](wxPaintEvent& event) {
        ++paints;
        event.Skip();
    });
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < FRAMES; ++i) {
        graph->SetSeries(&series);
        graph->Update();
    }
    const double seconds = Seconds(start);
    const int painted = paints;
    const auto setStart = std::chrono::steady_clock::now();
    for (int i = 0; i < FRAMES; ++i)
        graph->SetSeries(&series);
    const double setSeconds = Seconds(setStart);
    std::printf("render columns=%zu ms_per_frame=%.3f set_series_ms=%.4f\n", series.runs[0].size(),
                1e3 * seconds / FRAMES, 1e3 * setSeconds / FRAMES);
    frame->Destroy();
    wxTheApp->ProcessIdle();
    if (painted == FRAMES)
        return true;
    std::fprintf(stderr, "render_bench: %d paints for %d frames\n", painted, FRAMES);
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    return RunInToolkit(argc, argv, [] { return TimeRender(); });
}
