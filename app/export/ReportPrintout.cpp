#include "app/export/ReportPrintout.h"

#include "app/export/DrawnFile.h"
#include "app/export/RunReport.h"

ReportPrintout::ReportPrintout(const RunModel& run) : wxPrintout("Zobrin report"), run(run) {}

void ReportPrintout::GetPageInfo(int* minPage, int* maxPage, int* selectedFrom, int* selectedTo)
{
    *minPage = *maxPage = *selectedFrom = *selectedTo = 1;
}

// The printer's DC draws in its own dots; the report is drawn in points, fitted to the page.
bool ReportPrintout::OnPrintPage(int)
{
    wxDC* dc = GetDC();
    if (!dc)
        return false;
    const double dotsPerPoint = dc->GetPPI().x / 72.0;
    const wxSize dots = dc->GetSize();
    const wxSize page(static_cast<int>(dots.x / dotsPerPoint),
                      static_cast<int>(dots.y / dotsPerPoint));
    return DrawnFile::DrawOn(dc->GetHandle(), dotsPerPoint,
                             [&](wxDC& report) { RunReport(run).Draw(report, page); });
}
