#include "graph/model/coordSysSettings.h"

#include <algorithm>
#include <cmath>

namespace {

// The first of the two bits that is set in bits, or 0 when neither is.
int FirstBitOf(int bits, int preferred, int other)
{
    if (bits & preferred)
        return preferred;
    if (bits & other)
        return other;
    return 0;
}

bool StoreIfSet(int& setting, int value)
{
    if (value == 0)
        return false;
    setting = value;
    return true;
}

// An axis label position needs one vertical and one horizontal part; above wins over below
// and left over right when both are given.
int AxisLabelPosition(int bits)
{
    const int vertical = FirstBitOf(bits, coordSysSettings::ABOVE, coordSysSettings::BELOW);
    const int horizontal = FirstBitOf(bits, coordSysSettings::LEFT, coordSysSettings::RIGHT);
    return vertical && horizontal ? vertical + horizontal : 0;
}

// Labels go to the ticks in order, and no axis lists more ticks than the bound, so labels past
// it could never be shown; they are not kept, and cost nothing to measure.
void UseLabels(std::vector<std::string>& list, bool& inUse, const std::vector<std::string>& labels)
{
    const std::size_t kept = std::min<std::size_t>(labels.size(), coordAxis::MAX_TICK_POSITIONS);
    list.assign(labels.begin(), labels.begin() + kept);
    inUse = true;
}

void DropLabels(std::vector<std::string>& list, bool& inUse)
{
    list.clear();
    inUse = false;
}

} // namespace

coordSysSettings::coordSysSettings()
{
    xAxis.label = "x";
    yAxis.label = "y";
}

void coordSysSettings::SetAxesStyle(int bits)
{
    xAxis.visible = (bits & X_AXIS) != 0;
    yAxis.visible = (bits & Y_AXIS) != 0;
}

int coordSysSettings::GetAxesStyle() const
{
    return (xAxis.visible ? X_AXIS : 0) + (yAxis.visible ? Y_AXIS : 0);
}

bool coordSysSettings::SetFontSize(int points)
{
    if (points <= 0 || points > MAX_FONT_SIZE)
        return false;
    fontSize = points;
    return true;
}

int coordSysSettings::ScaledLine(int pixels) const
{
    return std::max(1, static_cast<int>(std::lround(pixels * lineScale)));
}

bool coordSysSettings::SetXTickLabelPosition(int bits)
{
    return StoreIfSet(xTickLabelPosition, FirstBitOf(bits, ABOVE, BELOW));
}

bool coordSysSettings::SetYTickLabelPosition(int bits)
{
    return StoreIfSet(yTickLabelPosition, FirstBitOf(bits, LEFT, RIGHT));
}

bool coordSysSettings::SetXAxisLabelPosition(int bits)
{
    return StoreIfSet(xAxisLabelPosition, AxisLabelPosition(bits));
}

bool coordSysSettings::SetYAxisLabelPosition(int bits)
{
    return StoreIfSet(yAxisLabelPosition, AxisLabelPosition(bits));
}

void coordSysSettings::SetCustomXTickLabels(const std::vector<std::string>& labels)
{
    UseLabels(customXTickLabels, useCustomXTickLabels, labels);
}

void coordSysSettings::SetCustomYTickLabels(const std::vector<std::string>& labels)
{
    UseLabels(customYTickLabels, useCustomYTickLabels, labels);
}

void coordSysSettings::ClearCustomXTickLabels()
{
    DropLabels(customXTickLabels, useCustomXTickLabels);
}

void coordSysSettings::ClearCustomYTickLabels()
{
    DropLabels(customYTickLabels, useCustomYTickLabels);
}
