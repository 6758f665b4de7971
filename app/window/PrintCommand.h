#pragma once

#include <wx/cmndata.h>

class RunModel;
class wxWindow;

// File > Print...: the run's one-page report through the toolkit's print dialog, which also
// prints to a PDF file. The choices made there (printer, paper) are kept for the next print.
class PrintCommand {
public:
    PrintCommand(wxWindow& parent, const RunModel& run);

    // Asks with the dialog, or prints at once with the choices kept; whether it printed. A
    // failure, not a cancelled dialog, is told in a message.
    bool Run(bool prompt = true);
    wxPrintDialogData& Choices() { return choices; }

private:
    wxWindow& parent;
    const RunModel& run;
    wxPrintDialogData choices;
};
