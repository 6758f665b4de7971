#pragma once
#include <string>
#include <vector>

// One axis of a graph: the range it shows, how its ticks are chosen and whether its parts are
// drawn. Setting the range picks the major and minor tick units from the 1-2-5 sequence unless
// the caller fixed them.
class coordAxis {
public:
    enum tickKind { MAJOR_TICKS = 1, MINOR_TICKS = 2 };

    // Longest tick list TickPositions hands out. A window a few thousand pixels across cannot
    // show more than one tick every pixel or two, and each listed tick costs a label to measure
    // and draw. The bound keeps a tiny hand-set unit (say 1e-12 on a range of 2) from costing
    // unbounded time and memory: such a list is thinned to every k-th multiple of the unit, k
    // about as small as fits, so it still spans the whole range.
    static constexpr int MAX_TICK_POSITIONS = 2001;

    coordAxis();
    coordAxis(double min, double max);

    bool autoScale = true;
    bool minorAutoScale = true;
    std::string label;
    bool showTicks = true;
    bool showMinorTicks = true;
    bool showTickLabels = true;
    bool visible = true;

    bool SetRange(double min, double max);
    bool SetMin(double min);
    bool SetMax(double max);
    void GetRange(double& min, double& max) const;
    double GetMin() const { return min; }
    double GetMax() const { return max; }

    // A unit must be positive and finite.
    bool SetTickUnit(double unit);
    bool SetMinorTickUnit(double unit);
    bool SetMaxTicks(int count);
    // At most `count` major ticks fit the axis with their labels apart; 0 for no such bound.
    // The tick unit is chosen for the smaller of this and the most ticks.
    void SetTickRoom(int count);
    double GetTickUnit() const { return tickUnit; }
    double GetMinorTickUnit() const { return minorTickUnit; }
    int GetMaxTicks() const { return maxTicks; }

    void ChooseTickUnits();
    int TickPositions(std::vector<double>& positions, int kind) const;

private:
    static bool IsUsableUnit(double unit);
    double ListedUnit(double unit) const;
    double CountableUnit(double unit) const;
    double min = -1;
    double max = 1;
    int maxTicks = 10;
    int tickRoom = 0;
    double tickUnit = 0.2;
    double minorTickUnit = 0.1;
};
