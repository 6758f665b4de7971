#pragma once

#include "app/run/RunView.h"
#include "app/window/ResultsPage.h"

#include <wx/font.h>
#include <wx/panel.h>

class FrequencyTable;
class PageStyle;
class PelkoGrid;

// The "Analysis" page: a table of every possible sum of the dice, how often it came up and its
// share of the rolls made.
class AnalysisPage : public wxPanel, public RunView, public ResultsPage {
public:
    explicit AnalysisPage(wxWindow* parent);

    void RunStarted(const RunModel& run) override;
    void RollMade(const RunModel& run, double now) override;
    void RunEnded(const RunModel& run, bool followed) override;

    wxString Title() const override { return "Analysis"; }
    // Every column whole at any zoom: the table is never narrower than its columns.
    void TakeZoom(const ZoomLevel& zoom) override;
    wxWindow& PageWindow() override { return *this; }

    PelkoGrid& Grid() const { return *grid; }
    FrequencyTable& Table() const { return *table; }

private:
    void SetUpColumn(const PageStyle& style, int col, const wxString& label, int width, bool white);
    void ShowCounts(const RunModel& run);

    PelkoGrid* grid = nullptr;
    FrequencyTable* table = nullptr; // the grid's
    // The grid's own sizes at 100%, which the zoom grows.
    wxFont cellFont, labelFont;
    int rowHeight = 0;
    int labelHeight = 0;
};
