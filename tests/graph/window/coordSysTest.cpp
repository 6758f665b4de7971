#include "graph/window/coordSys.h"

#include "ScreenArea.h"
#include "ToolkitTestSupport.h"
#include "graphWindowFixture.h"

#include <wx/app.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/time.h>
#include <wx/utils.h>

#include <functional>

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

namespace {

// Expects the message of a trace with nothing to show and answers it with OK.
class ExpectNothingToTrace : public wxExpectDismissableModal<wxMessageDialog> {
public:
    ExpectNothingToTrace() : wxExpectDismissableModal<wxMessageDialog>(wxID_OK) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetMessage(), "This data does not show in the current window.");
        return wxID_OK;
    }
};

class traceWindow : public coordSysWindow {
protected:
    // A series of ten points across the view, -5..4.
    int AddLine(int style = dataSeries::LINES, double shift = 0)
    {
        dataSeries series;
        series.style = style;
        series.runs.emplace_back();
        for (int x = -5; x < 5; ++x)
            series.runs[0].push_back({x + shift, 0});
        return graph->AddSeries(series);
    }

    // Lets the timer run until the trace ends (or a generous time has passed).
    void RunTrace()
    {
        const wxLongLong deadline = wxGetLocalTimeMillis() + 5000;
        while (graph->IsTracing() && wxGetLocalTimeMillis() < deadline) {
            wxMilliSleep(5);
            wxTheApp->Yield();
        }
    }
};

} // namespace

TEST_F(traceWindow, LineTraceRunsOnItsTimerAndCanBeStoppedAndResumed)
{
    const int id = AddLine();
    graph->TraceSeries(id);
    EXPECT_TRUE(graph->IsTracing());
    graph->StopTrace();
    EXPECT_FALSE(graph->IsTracing());
    ASSERT_EQ(traceFinished.size(), 1u);
    EXPECT_EQ(traceFinished[0].GetInt(), id);
    graph->ResumeTrace();
    RunTrace();
    EXPECT_FALSE(graph->IsTracing());
    ASSERT_EQ(traceFinished.size(), 2u);
    EXPECT_EQ(traceFinished[1].GetInt(), id);
    graph->ResumeTrace(); // nothing left to draw
    EXPECT_FALSE(graph->IsTracing());

    graph->TraceSeries(id);
    graph->RemoveSeries(id);
    graph->ResumeTrace(); // nothing to draw from
    EXPECT_FALSE(graph->IsTracing());
}

TEST_F(traceWindow, OtherStylesAreDrawnWholeAndUnseenDataIsReported)
{
    graph->TraceSeries(AddLine(dataSeries::MARKERS));
    EXPECT_FALSE(graph->IsTracing());
    EXPECT_TRUE(traceFinished.empty());

    const int unseen = AddLine(dataSeries::LINES, 100);
    wxTEST_DIALOG(graph->TraceSeries(unseen), ExpectNothingToTrace());
    EXPECT_FALSE(graph->IsTracing());
    ASSERT_EQ(traceFinished.size(), 1u);
    EXPECT_EQ(traceFinished[0].GetInt(), unseen);
}

TEST_F(traceWindow, ChangingTheSeriesListEndsATrace)
{
    const std::function<void(coordSys&)> changes[] = {
        [](coordSys& g) {
            dataSeries s;
            g.AddSeries(s);
        },
        [](coordSys& g) { g.RemoveSeries(99); },
        [](coordSys& g) {
            dataSeries s;
            g.ReplaceSeries(99, s);
        },
        [](coordSys& g) { g.ClearSeries(); },
    };
    std::size_t finished = 0;
    for (const auto& change : changes) {
        graph->TraceSeries(AddLine());
        change(*graph);
        EXPECT_FALSE(graph->IsTracing());
        EXPECT_EQ(traceFinished.size(), ++finished);
    }
}

// Runs under a dark desktop theme (the DarkTheme test registration): the plain graph paints the
// same black on white as the buffered one, where the user sees it, on the screen.
TEST_F(coordSysWindow, DarkThemePlainGraphIsBlackOnWhite)
{
    frame->SetClientSize(240, 160);
    graph->SetSize(200, 100);
    frame->Show();
    ASSERT_TRUE(WaitFor([this] { return graph->IsShownOnScreen(); }, 5));
    graph->Update();
    WaitFor([] { return false; }, 0.3); // the paint and the compositing after it

    const wxImage seen = ScreenArea(wxRect(graph->ClientToScreen({0, 0}), wxSize(200, 100)));
    EXPECT_EQ(Pixel(seen, 30, 10), *wxWHITE) << "the ground";
    EXPECT_EQ(Pixel(seen, 30, graph->YToPixel(0)), *wxBLACK) << "the x axis";
    EXPECT_EQ(Pixel(seen, 190, graph->YToPixel(0)), *wxBLACK) << "its arrowhead";
}
