#include "graph/coordSys.h"

#include "graphWindowFixture.h"

#include <wx/intl.h>

namespace {

class coordSysWindow : public graphWindowFixture {
protected:
    void SetUp() override
    {
        graphWindowFixture::SetUp();
        graph = new coordSys(parent, 42, wxDefaultPosition, wxSize(200, 100));
    }

    coordSys* graph = nullptr;
};

} // namespace

TEST_F(coordSysWindow, StartsWithTheDefaultSettingsAndTranslatedAxisLabels)
{
    EXPECT_EQ(graph->GetXMin(), -5);
    EXPECT_EQ(graph->GetXMax(), 5);
    EXPECT_EQ(graph->GetXTickUnit(), 1);
    EXPECT_EQ(graph->GetFontSize(), 12);
    EXPECT_EQ(graph->gridStyle, coordSys::RECTANGULAR_GRID);
    EXPECT_EQ(graph->GetXAxisLabelPosition(), 10);
    EXPECT_EQ(graph->GetXAxisLabel(), wxGetTranslation("x").utf8_string());
    EXPECT_EQ(graph->GetYAxisLabel(), wxGetTranslation("y").utf8_string());
}

TEST_F(coordSysWindow, MappingFollowsTheClientSizeAtEveryCall)
{
    ASSERT_EQ(graph->GetClientSize(), wxSize(200, 100));
    EXPECT_EQ(graph->XToPixel(0), 100);
    EXPECT_EQ(graph->YToPixel(0), 50);
    EXPECT_EQ(graph->PixelToX(200), 5);
    graph->SetSize(400, 300);
    EXPECT_EQ(graph->XToPixel(0), 200);
    EXPECT_EQ(graph->YToPixel(5), 0);
    EXPECT_EQ(graph->YToPixel(-5), 300);
}

TEST_F(coordSysWindow, VisiblePointsLieInsideTheWindowWithTheFarEdgesLeftOut)
{
    EXPECT_TRUE(graph->IsPointVisible(-5, 5));
    EXPECT_TRUE(graph->IsPointVisible(4.9, -4.9));
    EXPECT_FALSE(graph->IsPointVisible(5, 0));
    EXPECT_FALSE(graph->IsPointVisible(0, -5));
    EXPECT_FALSE(graph->IsPointVisible(-5.1, 0));
}

TEST_F(coordSysWindow, ResizeRecomputesTheViewAndTellsTheParents)
{
    graph->SetXMin(0);
    Resize(graph, 300, 200);
    EXPECT_LT(graph->GetViewXMin(), 0); // room made for the y tick labels at the left edge
    ASSERT_EQ(rangeChanged.size(), 1u);
    EXPECT_EQ(rangeChanged[0].GetId(), 42);
    EXPECT_EQ(rangeChanged[0].GetInt(), -1);
    EXPECT_EQ(rangeChanged[0].GetEventObject(), graph);

    // Either of the other two settings that tie the view to the window's shape does the same.
    graph->axesAlwaysViewable = false;
    int width = 300;
    for (bool coordSysSettings::*flag : {&coordSysSettings::equalScaling,
                                         &coordSysSettings::originAlwaysViewable}) {
        graph->*flag = true;
        Resize(graph, ++width, 200);
        graph->*flag = false;
    }
    EXPECT_EQ(rangeChanged.size(), 3u);
}

TEST_F(coordSysWindow, ResizeLeavesTheViewAloneWhenItDoesNotDependOnTheShape)
{
    graph->axesAlwaysViewable = false;
    graph->SetXMin(0);
    Resize(graph, 300, 200);
    EXPECT_EQ(graph->GetViewXMin(), -5);
    EXPECT_TRUE(rangeChanged.empty());
}

TEST_F(coordSysWindow, RedrawRecomputesTheView)
{
    graph->SetXMax(20);
    graph->Redraw();
    EXPECT_EQ(graph->GetViewXMax(), 20);
    EXPECT_EQ(graph->GetXTickUnit(), 5);
}

TEST_F(coordSysWindow, TraceEndIsSentWithTheSeriesId)
{
    graph->SendTraceFinished(7);
    ASSERT_EQ(traceFinished.size(), 1u);
    EXPECT_EQ(traceFinished[0].GetInt(), 7);
    EXPECT_EQ(traceFinished[0].GetId(), 42);
    EXPECT_TRUE(rangeChanged.empty());
}
