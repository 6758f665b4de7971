#include "graph/model/plotObjectLists.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<int> SeriesIds(const plotObjectLists& lists)
{
    std::vector<int> ids;
    for (const dataSeries& s : lists.AllSeries())
        ids.push_back(s.id);
    return ids;
}

pointLabel LabelOf(int seriesId)
{
    pointLabel label;
    label.seriesId = seriesId;
    return label;
}

} // namespace

TEST(plotObjectLists, SeriesIdsAreHandedOutOnceAndWrittenBack)
{
    plotObjectLists lists;
    dataSeries first, second, third;
    EXPECT_EQ(lists.AddSeries(first), 1);
    EXPECT_EQ(lists.AddSeries(second), 2);
    EXPECT_EQ(second.id, 2);
    EXPECT_TRUE(lists.RemoveSeries(1));
    EXPECT_EQ(lists.AddSeries(third), 3);
    EXPECT_EQ(SeriesIds(lists), (std::vector<int>{2, 3}));
    EXPECT_EQ(lists.FindSeries(3), 1);

    // Unknown ids change nothing.
    EXPECT_FALSE(lists.RemoveSeries(1));
    EXPECT_FALSE(lists.ReplaceSeries(7, first));
    EXPECT_EQ(lists.FindSeries(1), -1);
    EXPECT_EQ(lists.GetSeries(1), nullptr);
    EXPECT_EQ(lists.SeriesCount(), 2);
}

TEST(plotObjectLists, GetSeriesFindsEverySeriesByItsIdFromTheFirstOn)
{
    plotObjectLists lists;
    dataSeries series;
    for (int i = 0; i < 3; ++i)
        lists.AddSeries(series);
    // id, its index in drawing order (-1: none)
    const int cases[][2] = {{1, 0}, {3, 2}, {2, 1}, {0, -1}, {4, -1}, {-1, -1}};
    for (const auto& [id, index] : cases) {
        const dataSeries* expected = index < 0 ? nullptr : &lists.AllSeries()[index];
        EXPECT_EQ(lists.GetSeries(id), expected) << id;
        EXPECT_EQ(std::as_const(lists).GetSeries(id), expected) << id;
    }
}

TEST(plotObjectLists, ReplaceMovesTheSeriesToTheEndAndKeepsItsLabels)
{
    plotObjectLists lists;
    dataSeries a, b, replacement;
    lists.AddSeries(a);
    lists.AddSeries(b);
    pointLabel tied = LabelOf(1);
    lists.AddLabel(tied);
    replacement.style = dataSeries::DOTS;
    EXPECT_TRUE(lists.ReplaceSeries(1, replacement));
    EXPECT_EQ(replacement.id, 1);
    EXPECT_EQ(SeriesIds(lists), (std::vector<int>{2, 1}));
    EXPECT_EQ(lists.GetSeries(1)->style, dataSeries::DOTS);
    EXPECT_EQ(lists.LabelCount(), 1);
}

TEST(plotObjectLists, LabelsGoWithTheirSeries)
{
    plotObjectLists lists;
    dataSeries a, b;
    lists.AddSeries(a);
    lists.AddSeries(b);
    std::vector<pointLabel> labels{LabelOf(1), LabelOf(1), LabelOf(2), LabelOf(-1)};
    for (pointLabel& label : labels)
        lists.AddLabel(label);
    EXPECT_EQ(labels[3].id, 4);
    // A label tied to a series that is not there is refused.
    pointLabel orphan = LabelOf(9);
    EXPECT_EQ(lists.AddLabel(orphan), -1);
    EXPECT_EQ(lists.LabelCount(), 4);

    EXPECT_EQ(lists.ClearSeries(), 3);
    ASSERT_EQ(lists.LabelCount(), 1);
    EXPECT_EQ(lists.AllLabels()[0].id, 4);
    EXPECT_EQ(lists.SeriesCount(), 0);

    lists.AddSeries(a);
    pointLabel tied = LabelOf(3);
    lists.AddLabel(tied);
    EXPECT_TRUE(lists.RemoveSeries(3));
    EXPECT_FALSE(lists.RemoveLabel(tied.id));
    EXPECT_TRUE(lists.RemoveLabel(4));
    EXPECT_EQ(lists.LabelCount(), 0);
}
