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

TEST_F(coordSysWindow, MappingFollowsTheClientSizeAtEveryCall)
{
    EXPECT_EQ(graph->GetXAxisLabel(), wxGetTranslation("x").utf8_string());
    EXPECT_EQ(graph->XToPixel(0), 100);
    EXPECT_EQ(graph->YToPixel(0), 50);
    EXPECT_TRUE(graph->IsPointVisible(-5, 5));
    EXPECT_FALSE(graph->IsPointVisible(5, 0)); // the right and bottom edges are outside
    EXPECT_FALSE(graph->IsPointVisible(0, -5));
    graph->SetSize(400, 300);
    EXPECT_EQ(graph->XToPixel(0), 200);
    EXPECT_EQ(graph->YToPixel(-5), 300);
}

TEST_F(coordSysWindow, ResizeRecomputesTheViewAndTellsTheParents)
{
    graph->SetXMin(0);
    Resize(graph, 300, 200);
    EXPECT_LT(graph->GetViewXMin(), 0); // room made for the y tick labels at the left edge
    ASSERT_EQ(rangeChanged.size(), 1u);
    EXPECT_EQ(rangeChanged[0].GetId(), 42);
    EXPECT_EQ(rangeChanged[0].GetInt(), -1);

    // Either of the other two settings that tie the view to the window's shape does the same.
    graph->axesAlwaysViewable = false;
    int width = 300;
    for (bool coordSysSettings::*flag :
         {&coordSysSettings::equalScaling, &coordSysSettings::originAlwaysViewable}) {
        graph->*flag = true;
        Resize(graph, ++width, 200);
        graph->*flag = false;
    }
    EXPECT_EQ(rangeChanged.size(), 3u);

    // With none of them the view stays as it was and nothing is sent.
    const double before = graph->GetViewXMin();
    graph->SetXMin(-1);
    Resize(graph, 250, 200);
    EXPECT_EQ(graph->GetViewXMin(), before);
    EXPECT_EQ(rangeChanged.size(), 3u);
}

TEST_F(coordSysWindow, RedrawRecomputesTheViewAndTraceEndCarriesTheSeriesId)
{
    graph->SetXMax(20);
    graph->Redraw();
    EXPECT_EQ(graph->GetViewXMax(), 20);
    EXPECT_EQ(graph->GetXTickUnit(), 5);

    graph->SendTraceFinished(7);
    ASSERT_EQ(traceFinished.size(), 1u);
    EXPECT_EQ(traceFinished[0].GetInt(), 7);
    EXPECT_EQ(traceFinished[0].GetId(), 42);
    EXPECT_TRUE(rangeChanged.empty());
}
