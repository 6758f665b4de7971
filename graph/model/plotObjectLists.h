#pragma once
#include "graph/model/dataSeries.h"
#include "graph/model/pointLabel.h"

#include <vector>

// The series and marked points a graph draws, held by value in drawing order. Each list hands
// out ids 1, 2, 3, ... and never hands one out twice, so an id stays a valid handle (or none)
// for the life of the graph. Operations on an id that is not in a list change nothing and
// return false, -1 or no pointer.
class plotObjectLists {
public:
    virtual ~plotObjectLists() = default;

    // Gives series the next id (written into it as well), appends a copy and returns the id.
    int AddSeries(dataSeries& series);
    // Removes the series and the labels tied to it.
    bool RemoveSeries(int id);
    // Puts a copy of series, with the id written into it, in place of the series with that id
    // and moves it to the end of the drawing order. Labels tied to the id stay.
    bool ReplaceSeries(int id, dataSeries& series);
    // Removes every series and every label tied to a series; returns how many labels went.
    int ClearSeries();
    int SeriesCount() const { return static_cast<int>(series.size()); }
    // Index in drawing order, or -1.
    int FindSeries(int id) const;
    // The series in the list, to read or change in place, or none.
    dataSeries* GetSeries(int id);
    const dataSeries* GetSeries(int id) const;
    const std::vector<dataSeries>& AllSeries() const { return series; }

    // Gives label the next id (written into it as well), appends a copy and returns the id. A
    // label tied to a series that is not in the list is refused with -1: it could never be
    // removed with that series.
    int AddLabel(pointLabel& label);
    bool RemoveLabel(int id);
    // Removes the labels tied to one series; returns how many.
    int RemoveSeriesLabels(int seriesId);
    // Removes the labels tied to any series; returns how many.
    int RemoveAllSeriesLabels();
    void ClearLabels() { labels.clear(); }
    int LabelCount() const { return static_cast<int>(labels.size()); }
    const std::vector<pointLabel>& AllLabels() const { return labels; }

protected:
    // Runs before the series list changes: a window ends what it is drawing from the list.
    // adding tells that a series is about to be appended.
    virtual void SeriesListChanging(bool /*adding*/) {}

private:
    std::vector<dataSeries> series;
    std::vector<pointLabel> labels;
    int lastSeriesId = 0;
    int lastLabelId = 0;
};
