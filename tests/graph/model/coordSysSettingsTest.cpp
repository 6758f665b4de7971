#include "graph/model/coordSysSettings.h"

#include <gtest/gtest.h>

using settings = coordSysSettings;

TEST(coordSysSettings, FreshSettingsHoldTheirDefaults)
{
    const settings s;
    EXPECT_EQ(s.GetXMin(), -5);
    EXPECT_EQ(s.GetYMax(), 5);
    EXPECT_EQ(s.GetViewXMin(), -5);
    EXPECT_EQ(s.GetXTickUnit(), 1);
    EXPECT_EQ(s.GetYAxis().GetMinorTickUnit(), 1);
    EXPECT_EQ(s.GetFontSize(), 12);
    EXPECT_EQ(s.gridStyle, settings::RECTANGULAR_GRID);
    EXPECT_EQ(s.GetAxesStyle(), 3);
    EXPECT_EQ(s.GetXTickLabelPosition(), settings::BELOW);
    EXPECT_EQ(s.GetYTickLabelPosition(), settings::LEFT);
    EXPECT_EQ(s.GetXAxisLabelPosition(), 10);
    EXPECT_EQ(s.GetYAxisLabel(), "y");
}

TEST(coordSysSettings, PositionSettersKeepOneBitOfEachPartAndRefuseMissingParts)
{
    using setter = bool (settings::*)(int);
    using getter = int (settings::*)() const;
    const setter xTick = &settings::SetXTickLabelPosition, yTick = &settings::SetYTickLabelPosition;
    const setter xAxis = &settings::SetXAxisLabelPosition, yAxis = &settings::SetYAxisLabelPosition;
    // setter, its getter, the bits given, the value stored (0: refused)
    const struct {
        setter set;
        getter get;
        int bits;
        int stored;
    } cases[] = {
        {xTick, &settings::GetXTickLabelPosition, 3, 2},
        {xTick, &settings::GetXTickLabelPosition, 9, 1},
        {xTick, &settings::GetXTickLabelPosition, 12, 0},
        {yTick, &settings::GetYTickLabelPosition, 12, 4},
        {yTick, &settings::GetYTickLabelPosition, 8, 8},
        {yTick, &settings::GetYTickLabelPosition, 3, 0},
        {xAxis, &settings::GetXAxisLabelPosition, 15, 6},
        {xAxis, &settings::GetXAxisLabelPosition, 9, 9},
        {xAxis, &settings::GetXAxisLabelPosition, 2, 0},
        {yAxis, &settings::GetYAxisLabelPosition, 21, 5},
        {yAxis, &settings::GetYAxisLabelPosition, 4, 0},
    };
    for (const auto& c : cases) {
        settings s;
        const int before = (s.*c.get)();
        EXPECT_EQ((s.*c.set)(c.bits), c.stored != 0) << c.bits;
        EXPECT_EQ((s.*c.get)(), c.stored ? c.stored : before) << c.bits;
    }
}

TEST(coordSysSettings, RefusedValuesLeaveTheirSettings)
{
    settings s;
    EXPECT_FALSE(s.SetXTickUnit(0) || s.SetXTickUnit(-1) || s.SetXMaxTicks(1) || s.SetFontSize(0) ||
                 s.SetFontSize(coordSysSettings::MAX_FONT_SIZE + 1) || s.SetFontSize(2147483647));
    EXPECT_TRUE(s.GetXAutoScale());
    EXPECT_EQ(s.GetXMaxTicks() + s.GetFontSize(), 10 + 12);
    EXPECT_TRUE(s.SetXTickUnit(0.5));
    EXPECT_FALSE(s.GetXAutoScale());
    EXPECT_TRUE(s.GetYAutoScale());
}

TEST(coordSysSettings, FontSizesRunFromOneToTheLargestInclusive)
{
    for (const int points : {settings::MAX_FONT_SIZE, 1}) {
        settings s;
        EXPECT_TRUE(s.SetFontSize(points)) << points;
        EXPECT_EQ(s.GetFontSize(), points);
    }
}

TEST(coordSysSettings, AxesStyleIsTheTwoVisibleFlags)
{
    settings s;
    s.SetAxesStyle(settings::Y_AXIS + 4);
    EXPECT_FALSE(s.GetXAxis().visible);
    EXPECT_TRUE(s.GetYAxis().visible);
    s.GetXAxis().visible = true;
    s.GetYAxis().visible = false;
    EXPECT_EQ(s.GetAxesStyle(), settings::X_AXIS);
}

TEST(coordSysSettings, CustomLabelListsTurnOnEvenWhenEmpty)
{
    settings s;
    s.SetCustomXTickLabels({});
    EXPECT_TRUE(s.UsesCustomXTickLabels());
    s.SetCustomXTickLabels({"Mon", "", "Wed"});
    EXPECT_EQ(s.GetCustomXTickLabels(), (std::vector<std::string>{"Mon", "", "Wed"}));
    s.ClearCustomXTickLabels();
    EXPECT_FALSE(s.UsesCustomXTickLabels() || s.GetCustomXTickLabels().size());
    // No axis lists more ticks than the bound, so no more labels than that are kept.
    s.SetCustomYTickLabels(std::vector<std::string>(3 * coordAxis::MAX_TICK_POSITIONS, "x"));
    EXPECT_EQ(s.GetCustomYTickLabels().size(), static_cast<size_t>(coordAxis::MAX_TICK_POSITIONS));
}
