#include "graph/model/seriesTrace.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// Runs of 5, 1 and 4 points whose x counts on from 0 across the runs.
dataSeries ThreeRuns()
{
    dataSeries series;
    double x = 0;
    for (int size : {5, 1, 4}) {
        pointRun run;
        for (int i = 0; i < size; ++i)
            run.push_back({x++, 0});
        series.runs.push_back(run);
    }
    return series;
}

using pieces = std::vector<std::tuple<std::size_t, std::size_t, std::size_t>>;

pieces Walked(seriesTrace& trace, const dataSeries& series, int n)
{
    std::vector<seriesTrace::piece> step;
    trace.Step(series, n, step);
    pieces walked;
    for (const seriesTrace::piece& p : step)
        walked.emplace_back(p.run, p.first, p.count);
    return walked;
}

} // namespace

TEST(seriesTrace, StepSizeIsAboutOnePointPer50Pixels)
{
    const int cases[][2] = {{400, 9}, {474, 10}, {475, 11}, {75, 3}, {74, 2}, {0, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(seriesTrace::StepSize(c[0]), c[1]) << c[0];
}

TEST(seriesTrace, StepsContinueTheLineAndBreakItBetweenRuns)
{
    dataSeries series = ThreeRuns();
    seriesTrace trace;
    ASSERT_TRUE(trace.Begin(7, series, [](const worldPoint&) { return true; }));
    EXPECT_EQ(trace.SeriesId(), 7);
    EXPECT_EQ(Walked(trace, series, 3), (pieces{{0, 0, 3}}));
    // On from the last point drawn to the end of the run; the lone point of the middle run and
    // the first of the last draw no line, and the next step starts on that first point.
    EXPECT_EQ(Walked(trace, series, 5), (pieces{{0, 2, 3}}));
    EXPECT_FALSE(trace.Finished(series));
    EXPECT_EQ(Walked(trace, series, 5), (pieces{{2, 0, 4}}));
    EXPECT_TRUE(trace.Finished(series));
    EXPECT_EQ(Walked(trace, series, 5), pieces{});

    // Runs shortened in place during a trace are never read past their end.
    trace.Begin(7, series, [](const worldPoint&) { return true; });
    Walked(trace, series, 3);
    series.runs[0].resize(1);
    EXPECT_EQ(Walked(trace, series, 3), (pieces{{2, 0, 2}}));
}

TEST(seriesTrace, BeginsOnePointBeforeTheFirstVisibleOne)
{
    const dataSeries series = ThreeRuns();
    const struct {
        double firstVisibleX;
        pieces firstStep;
    } cases[] = {
        {0, {{0, 0, 2}}}, {2, {{0, 1, 2}}}, {6, {{2, 0, 2}}}, // never back into an earlier run
    };
    for (const auto& c : cases) {
        seriesTrace trace;
        const double from = c.firstVisibleX;
        ASSERT_TRUE(trace.Begin(1, series, [from](const worldPoint& p) { return p.x >= from; }));
        EXPECT_EQ(Walked(trace, series, 2), c.firstStep) << from;
    }
    seriesTrace trace;
    EXPECT_FALSE(trace.Begin(1, series, [](const worldPoint& p) { return p.x >= 10; }));
    EXPECT_TRUE(trace.Finished(series));
}
