#pragma once

#include <wx/print.h>

class RunModel;

// The run's report on the printer, on one page of the printer's size: the PDF file's drawing
// (RunReport), through the same kind of DC on the printer's cairo context, fitted to the part of
// the page the printer prints on.
class ReportPrintout : public wxPrintout {
public:
    explicit ReportPrintout(const RunModel& run);

    bool HasPage(int page) override { return page == 1; }
    void GetPageInfo(int* minPage, int* maxPage, int* selectedFrom, int* selectedTo) override;
    bool OnPrintPage(int page) override;

private:
    const RunModel& run;
};
