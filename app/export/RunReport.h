#pragma once

#include "app/report/ReportTable.h"
#include "app/theory/SumDistribution.h"
#include "app/theory/TheoryComparison.h"

#include <wx/dc.h>

#include <string>
#include <vector>

class RunModel;

// The one-page report of a run: a title, the run's dice, rolls and seed, its Theory graph (the
// observed columns under the expected line), a compact table of the sums worth showing and the
// sentences of the Theory page's summary. It is drawn into any DC in points (1/72 inch), the
// page's top left corner at the DC's origin, so that the PDF file and the printer share it; the
// parts follow the page's size. No date or time is in it: the same run gives the same page.
class RunReport {
public:
    // An A4 page in points, the PDF file's.
    static const wxSize A4;

    explicit RunReport(const RunModel& run);

    void Draw(wxDC& dc, const wxSize& page) const;

private:
    int DrawHeading(wxDC& dc, int top) const;
    int DrawGraph(wxDC& dc, int top, const wxSize& size) const;
    int DrawTable(wxDC& dc, int top, const wxSize& room) const;
    void DrawBlock(wxDC& dc, const wxPoint& corner, const std::vector<int>& widths, int first,
                   int last, int rowHeight) const;
    std::vector<std::string> SummaryLines(wxDC& dc, int width) const;
    std::vector<int> ColumnWidths(wxDC& dc) const;

    const RunModel& run;
    const SumDistribution theory;
    const TheoryComparison comparison;
    const ReportTable table;
};
