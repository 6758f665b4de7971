#include "app/window/PrintCommand.h"

#include "app/export/ReportPrintout.h"

#include <wx/msgdlg.h>
#include <wx/print.h>

PrintCommand::PrintCommand(wxWindow& parent, const RunModel& run) : parent(parent), run(run) {}

bool PrintCommand::Run(bool prompt)
{
    wxPrinter printer(&choices);
    ReportPrintout report(run);
    const bool printed = printer.Print(&parent, &report, prompt);
    if (printed)
        choices = printer.GetPrintDialogData();
    else if (wxPrinter::GetLastError() == wxPRINTER_ERROR)
        wxMessageBox("The report could not be printed.", "Print", wxOK | wxICON_ERROR, &parent);
    return printed;
}
