#pragma once

#include "app/save/RunFiles.h"

#include <wx/string.h>

class RunModel;
class wxWindow;

// File > Save...: asks where to save the run with the toolkit's file chooser, one filter for each
// kind of file, and saves the run there as its extension says; a name without one takes the
// filter's. Replacing a file is asked first. When the file cannot be saved, a message names it
// and says why, and nothing is left behind. The chooser opens where the last save went, with its
// filter.
class SaveCommand {
public:
    SaveCommand(wxWindow& parent, const RunModel& run);

    void Run();
    // Saves to a name chosen with the filter of `kind`; false when it was not saved (refused to
    // replace a file, or failed, which a message has told).
    bool SaveAs(const wxString& chosen, RunFileKind kind);

private:
    wxString DefaultName() const;
    bool MayReplace(const wxString& path) const;

    wxWindow& parent;
    const RunModel& run;
    wxString folder;
    int filter = 0;
};
