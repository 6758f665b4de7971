#include "graph/coordSysSettings.h"

#include <gtest/gtest.h>

TEST(coordSysSettings, FreshSettingsHoldTheirDefaults)
{
    const coordSysSettings s;
    EXPECT_EQ(s.GetXMin(), -5);
    EXPECT_EQ(s.GetXMax(), 5);
    EXPECT_EQ(s.GetYMin(), -5);
    EXPECT_EQ(s.GetYMax(), 5);
    EXPECT_EQ(s.GetViewXMin(), -5);
    EXPECT_EQ(s.GetViewYMax(), 5);
    EXPECT_EQ(s.GetXTickUnit(), 1);
    EXPECT_EQ(s.GetXAxis().GetMinorTickUnit(), 1);
    EXPECT_EQ(s.GetYTickUnit(), 1);
    EXPECT_EQ(s.GetFontSize(), 12);
    EXPECT_EQ(s.gridStyle, coordSysSettings::RECTANGULAR_GRID);
    EXPECT_EQ(s.GetAxesStyle(), 3);
    EXPECT_EQ(s.GetXTickLabelPosition(), coordSysSettings::BELOW);
    EXPECT_EQ(s.GetYTickLabelPosition(), coordSysSettings::LEFT);
    EXPECT_EQ(s.GetXAxisLabelPosition(), 10);
    EXPECT_EQ(s.GetYAxisLabelPosition(), 10);
    EXPECT_EQ(s.GetXAxisLabel(), "x");
    EXPECT_EQ(s.GetYAxisLabel(), "y");
    EXPECT_TRUE(s.axesAlwaysViewable);
    EXPECT_FALSE(s.originAlwaysViewable || s.equalScaling || s.propertiesMenuEnabled);
    EXPECT_FALSE(s.UsesCustomXTickLabels());
}

TEST(coordSysSettings, TickLabelPositionKeepsOneSideAndRefusesNone)
{
    coordSysSettings s;
    EXPECT_TRUE(s.SetXTickLabelPosition(3));
    EXPECT_EQ(s.GetXTickLabelPosition(), coordSysSettings::ABOVE);
    EXPECT_TRUE(s.SetXTickLabelPosition(1 + 8));
    EXPECT_EQ(s.GetXTickLabelPosition(), coordSysSettings::BELOW);
    EXPECT_FALSE(s.SetXTickLabelPosition(4 + 8));
    EXPECT_EQ(s.GetXTickLabelPosition(), coordSysSettings::BELOW);

    EXPECT_TRUE(s.SetYTickLabelPosition(8));
    EXPECT_EQ(s.GetYTickLabelPosition(), coordSysSettings::RIGHT);
    EXPECT_TRUE(s.SetYTickLabelPosition(12));
    EXPECT_EQ(s.GetYTickLabelPosition(), coordSysSettings::LEFT);
    EXPECT_FALSE(s.SetYTickLabelPosition(3));
    EXPECT_EQ(s.GetYTickLabelPosition(), coordSysSettings::LEFT);
}

TEST(coordSysSettings, AxisLabelPositionNeedsBothParts)
{
    coordSysSettings s;
    EXPECT_FALSE(s.SetXAxisLabelPosition(2));
    EXPECT_FALSE(s.SetXAxisLabelPosition(4));
    EXPECT_EQ(s.GetXAxisLabelPosition(), 10);
    EXPECT_TRUE(s.SetXAxisLabelPosition(15));
    EXPECT_EQ(s.GetXAxisLabelPosition(), 6);
    EXPECT_TRUE(s.SetXAxisLabelPosition(9));
    EXPECT_EQ(s.GetXAxisLabelPosition(), 9);
    EXPECT_TRUE(s.SetYAxisLabelPosition(5 + 16));
    EXPECT_EQ(s.GetYAxisLabelPosition(), 5);
    EXPECT_FALSE(s.SetYAxisLabelPosition(0));
    EXPECT_EQ(s.GetYAxisLabelPosition(), 5);
}

TEST(coordSysSettings, TickSettersRefuseAndOnlyAcceptedUnitsStopAutoScale)
{
    coordSysSettings s;
    EXPECT_FALSE(s.SetXTickUnit(0));
    EXPECT_FALSE(s.SetXTickUnit(-1));
    EXPECT_TRUE(s.GetXAutoScale());
    EXPECT_TRUE(s.SetXTickUnit(0.5));
    EXPECT_FALSE(s.GetXAutoScale());
    EXPECT_EQ(s.GetXTickUnit(), 0.5);
    EXPECT_TRUE(s.GetYAutoScale());

    EXPECT_FALSE(s.SetYMaxTicks(1));
    EXPECT_TRUE(s.SetYMaxTicks(2));
    EXPECT_EQ(s.GetYMaxTicks(), 2);
    EXPECT_EQ(s.GetYTickUnit(), 1); // until the range is next set
    s.GetYAxis().SetRange(-5, 5);
    EXPECT_EQ(s.GetYTickUnit(), 5);

    s.SetYAutoScale(false);
    EXPECT_FALSE(s.GetYAutoScale());
}

TEST(coordSysSettings, FontSizeMustBePositive)
{
    coordSysSettings s;
    EXPECT_FALSE(s.SetFontSize(0));
    EXPECT_FALSE(s.SetFontSize(-3));
    EXPECT_EQ(s.GetFontSize(), 12);
    EXPECT_TRUE(s.SetFontSize(8));
    EXPECT_EQ(s.GetFontSize(), 8);
}

TEST(coordSysSettings, AxesStyleIsTheTwoVisibleFlags)
{
    coordSysSettings s;
    s.SetAxesStyle(0);
    EXPECT_FALSE(s.GetXAxis().visible || s.GetYAxis().visible);
    EXPECT_EQ(s.GetAxesStyle(), 0);
    s.SetAxesStyle(coordSysSettings::Y_AXIS + 4);
    EXPECT_FALSE(s.GetXAxis().visible);
    EXPECT_TRUE(s.GetYAxis().visible);
    EXPECT_EQ(s.GetAxesStyle(), 2);
    s.GetYAxis().visible = false;
    s.GetXAxis().visible = true;
    EXPECT_EQ(s.GetAxesStyle(), coordSysSettings::X_AXIS);
}

TEST(coordSysSettings, CustomLabelListsTurnOnEvenWhenEmpty)
{
    coordSysSettings s;
    s.SetCustomXTickLabels({});
    EXPECT_TRUE(s.UsesCustomXTickLabels());
    EXPECT_TRUE(s.GetCustomXTickLabels().empty());
    s.SetCustomXTickLabels({"Mon", "", "Wed"});
    EXPECT_EQ(s.GetCustomXTickLabels(), (std::vector<std::string>{"Mon", "", "Wed"}));
    EXPECT_FALSE(s.UsesCustomYTickLabels());
    s.ClearCustomXTickLabels();
    EXPECT_FALSE(s.UsesCustomXTickLabels());
    EXPECT_TRUE(s.GetCustomXTickLabels().empty());

    s.SetCustomYTickLabels({"a"});
    EXPECT_TRUE(s.UsesCustomYTickLabels());
    s.ClearCustomYTickLabels();
    EXPECT_FALSE(s.UsesCustomYTickLabels());
}

TEST(coordSysSettings, ViewEndsAreInWorldUnitsUnderTrigScale)
{
    coordSysSettings s;
    s.GetXAxis().SetRange(-2, 2);
    s.xTrigScale = true;
    EXPECT_DOUBLE_EQ(s.GetViewXMax(), 2 * coordSysSettings::PI);
    EXPECT_DOUBLE_EQ(s.GetViewXMin(), -2 * coordSysSettings::PI);
    s.SetXMax(7);
    EXPECT_EQ(s.GetXMax(), 7);
    EXPECT_DOUBLE_EQ(s.GetViewXMax(), 2 * coordSysSettings::PI); // shown range unchanged
}
