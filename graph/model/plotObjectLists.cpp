#include "graph/model/plotObjectLists.h"

#include <algorithm>

namespace {

template <typename List> auto FindId(List& list, int id)
{
    return std::find_if(list.begin(), list.end(), [id](const auto& item) { return item.id == id; });
}

template <typename Predicate> int EraseLabels(std::vector<pointLabel>& labels, Predicate tied)
{
    const auto kept = std::remove_if(labels.begin(), labels.end(), tied);
    const auto removed = static_cast<int>(labels.end() - kept);
    labels.erase(kept, labels.end());
    return removed;
}

} // namespace

int plotObjectLists::AddSeries(dataSeries& newSeries)
{
    SeriesListChanging(true);
    newSeries.id = ++lastSeriesId;
    series.push_back(newSeries);
    return newSeries.id;
}

bool plotObjectLists::RemoveSeries(int id)
{
    SeriesListChanging(false);
    const auto found = FindId(series, id);
    if (found == series.end())
        return false;
    RemoveSeriesLabels(id);
    series.erase(found);
    return true;
}

bool plotObjectLists::ReplaceSeries(int id, dataSeries& replacement)
{
    SeriesListChanging(false);
    const auto found = FindId(series, id);
    if (found == series.end())
        return false;
    series.erase(found);
    replacement.id = id;
    series.push_back(replacement);
    return true;
}

int plotObjectLists::ClearSeries()
{
    SeriesListChanging(false);
    series.clear();
    return RemoveAllSeriesLabels();
}

int plotObjectLists::FindSeries(int id) const
{
    const auto found = FindId(series, id);
    return found == series.end() ? -1 : static_cast<int>(found - series.begin());
}

dataSeries* plotObjectLists::GetSeries(int id)
{
    const auto found = FindId(series, id);
    return found == series.end() ? nullptr : &*found;
}

const dataSeries* plotObjectLists::GetSeries(int id) const
{
    const int index = FindSeries(id);
    return index < 0 ? nullptr : &series[index];
}

int plotObjectLists::AddLabel(pointLabel& label)
{
    if (label.seriesId != pointLabel::NO_SERIES && FindSeries(label.seriesId) < 0)
        return -1;
    label.id = ++lastLabelId;
    labels.push_back(label);
    return label.id;
}

bool plotObjectLists::RemoveLabel(int id)
{
    const auto found = FindId(labels, id);
    if (found == labels.end())
        return false;
    labels.erase(found);
    return true;
}

int plotObjectLists::RemoveSeriesLabels(int seriesId)
{
    return EraseLabels(labels, [seriesId](const pointLabel& l) { return l.seriesId == seriesId; });
}

int plotObjectLists::RemoveAllSeriesLabels()
{
    return EraseLabels(labels, [](const pointLabel& l) { return l.seriesId >= 0; });
}
