#pragma once
#include "graph/model/coordAxis.h"
#include "graph/model/worldPoint.h"

#include <string>
#include <vector>

// Every display setting of a graph, with its default and its validating setter. The graph
// window inherits it, so the settings are the window's own operations; the settings document
// loader and the tests use the same accessors without a window.
//
// A setter only stores: none repaints and none recomputes the shown ranges. The requested
// ranges (xmin..ymax) are what the caller asks for; the shown ranges live in the two axes and
// are set from the requested ones when the view is updated.
class coordSysSettings {
public:
    enum gridStyles {
        NO_GRID = 0,
        HORIZONTAL_GRID = 1,
        VERTICAL_GRID = 2,
        RECTANGULAR_GRID = 3,
        POLAR_GRID = 4
    };
    // Label positions: one bit for above or below the x axis (top or bottom for the y axis),
    // one bit for left or right.
    enum labelPositions { BELOW = 1, ABOVE = 2, LEFT = 4, RIGHT = 8 };
    // Bits of the axes style: which axis lines are drawn.
    enum axesStyles { X_AXIS = 1, Y_AXIS = 2 };

    static constexpr double PI = 3.141592653589793;

    coordSysSettings();

    int gridStyle = RECTANGULAR_GRID;
    bool equalScaling = false;
    bool xTrigScale = false;
    bool yTrigScale = false;
    bool originAlwaysViewable = false;
    bool axesAlwaysViewable = true;
    // Where the axes cross, in axis units.
    worldPoint axisIntersection;
    // The axes start where they cross and run towards their maximum ends only, one arrowhead
    // each: a graph of values from the crossing up to the requested maximums, drawn from its
    // lower left corner (the requested minimums, equal scaling and the origin's visibility play
    // no part). No tick, grid line or tick label lies before the crossing or under an arrowhead,
    // no tick label reaches over the other axis, and no arrowhead covers the requested ranges.
    bool axesFromCrossing = false;
    // Fewer major ticks where their labels would come closer than a gap of their own height: the
    // tick unit follows the labels' size, and so the zoom.
    bool ticksKeepLabelsApart = false;
    bool propertiesMenuEnabled = false;

    void SetXMin(double value) { xmin = value; }
    void SetXMax(double value) { xmax = value; }
    void SetYMin(double value) { ymin = value; }
    void SetYMax(double value) { ymax = value; }
    double GetXMin() const { return xmin; }
    double GetXMax() const { return xmax; }
    double GetYMin() const { return ymin; }
    double GetYMax() const { return ymax; }

    // The shown range ends in world units: times pi on an axis with trig scale.
    double GetViewXMin() const { return xAxis.GetMin() * XScale(); }
    double GetViewXMax() const { return xAxis.GetMax() * XScale(); }
    double GetViewYMin() const { return yAxis.GetMin() * YScale(); }
    double GetViewYMax() const { return yAxis.GetMax() * YScale(); }
    // World units per axis unit: pi with trig scale, else 1.
    double XScale() const { return xTrigScale ? PI : 1; }
    double YScale() const { return yTrigScale ? PI : 1; }

    void SetXAutoScale(bool on) { xAxis.autoScale = on; }
    void SetYAutoScale(bool on) { yAxis.autoScale = on; }
    bool GetXAutoScale() const { return xAxis.autoScale; }
    bool GetYAutoScale() const { return yAxis.autoScale; }
    bool SetXTickUnit(double unit) { return xAxis.SetTickUnit(unit); }
    bool SetYTickUnit(double unit) { return yAxis.SetTickUnit(unit); }
    double GetXTickUnit() const { return xAxis.GetTickUnit(); }
    double GetYTickUnit() const { return yAxis.GetTickUnit(); }
    bool SetXMaxTicks(int count) { return xAxis.SetMaxTicks(count); }
    bool SetYMaxTicks(int count) { return yAxis.SetMaxTicks(count); }
    int GetXMaxTicks() const { return xAxis.GetMaxTicks(); }
    int GetYMaxTicks() const { return yAxis.GetMaxTicks(); }
    void SetXAxisLabel(const std::string& text) { xAxis.label = text; }
    void SetYAxisLabel(const std::string& text) { yAxis.label = text; }
    std::string GetXAxisLabel() const { return xAxis.label; }
    std::string GetYAxisLabel() const { return yAxis.label; }

    void SetAxesStyle(int bits);
    int GetAxesStyle() const;
    // Sizes from 1 to MAX_FONT_SIZE points; a larger one would overflow the text machinery long
    // before it could be read in any window.
    static constexpr int MAX_FONT_SIZE = 1000;
    bool SetFontSize(int points);
    int GetFontSize() const { return fontSize; }

    // How many times their usual width the axes, their arrowheads and the series' lines are
    // drawn, for a graph whose texts are zoomed; 1 normally.
    void SetLineScale(double scale) { lineScale = scale > 0 ? scale : 1; }
    double GetLineScale() const { return lineScale; }
    // A width or length of the usual drawing at the line scale, in whole pixels.
    int ScaledLine(int pixels) const;

    bool SetXTickLabelPosition(int bits);
    bool SetYTickLabelPosition(int bits);
    bool SetXAxisLabelPosition(int bits);
    bool SetYAxisLabelPosition(int bits);
    int GetXTickLabelPosition() const { return xTickLabelPosition; }
    int GetYTickLabelPosition() const { return yTickLabelPosition; }
    int GetXAxisLabelPosition() const { return xAxisLabelPosition; }
    int GetYAxisLabelPosition() const { return yAxisLabelPosition; }

    // Texts written at the ticks instead of numbers, in the order of the tick list. Setting a
    // list, even an empty one, turns them on; clearing turns them off.
    void SetCustomXTickLabels(const std::vector<std::string>& labels);
    void SetCustomYTickLabels(const std::vector<std::string>& labels);
    void ClearCustomXTickLabels();
    void ClearCustomYTickLabels();
    const std::vector<std::string>& GetCustomXTickLabels() const { return customXTickLabels; }
    const std::vector<std::string>& GetCustomYTickLabels() const { return customYTickLabels; }
    bool UsesCustomXTickLabels() const { return useCustomXTickLabels; }
    bool UsesCustomYTickLabels() const { return useCustomYTickLabels; }

    // The axes themselves, for the per-axis settings without an accessor of their own
    // (minorAutoScale, showTicks, showMinorTicks, showTickLabels, the minor tick unit).
    coordAxis& GetXAxis() { return xAxis; }
    coordAxis& GetYAxis() { return yAxis; }
    const coordAxis& GetXAxis() const { return xAxis; }
    const coordAxis& GetYAxis() const { return yAxis; }

private:
    double xmin = -5;
    double xmax = 5;
    double ymin = -5;
    double ymax = 5;
    coordAxis xAxis{-5, 5};
    coordAxis yAxis{-5, 5};
    int xTickLabelPosition = BELOW;
    int yTickLabelPosition = LEFT;
    int xAxisLabelPosition = ABOVE + RIGHT;
    int yAxisLabelPosition = ABOVE + RIGHT;
    int fontSize = 12;
    double lineScale = 1;
    std::vector<std::string> customXTickLabels;
    std::vector<std::string> customYTickLabels;
    bool useCustomXTickLabels = false;
    bool useCustomYTickLabels = false;
};
