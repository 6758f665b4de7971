#pragma once

#include "app/run/RunView.h"

#include <wx/panel.h>

class FrequencyTable;
class PelkoGrid;

// The "Analysis" page: a table of every possible sum of the dice, how often it came up and its
// share of the rolls made.
class AnalysisPage : public wxPanel, public RunView {
public:
    explicit AnalysisPage(wxWindow* parent);

    void RunStarted(const RunModel& run) override;
    void RollMade(const RunModel& run, double now) override;
    void RunEnded(const RunModel& run, bool followed) override;

    PelkoGrid& Grid() const { return *grid; }
    FrequencyTable& Table() const { return *table; }

private:
    void SetUpColumn(int col, const wxString& label, int width, bool white);
    int LabelWidth(const wxString& label) const;
    void ShowCounts(const RunModel& run);

    PelkoGrid* grid = nullptr;
    FrequencyTable* table = nullptr; // the grid's
};
