#pragma once

#include "app/export/RunPicture.h"
#include "app/save/RunFiles.h"

#include <wx/string.h>

#include <functional>

class RunModel;
class wxWindow;

// File > Save...: asks where to save the run with the toolkit's file chooser, one filter for each
// kind of file, and saves the run there as its extension says; a name without one takes the
// filter's. A picture is of the graph of the page shown, or of the Theory graph when that page
// has none. Replacing a file is asked first. When the file cannot be saved, a message names it
// and says why, and nothing is left behind. The chooser opens where the last save went, with its
// filter.
class SaveCommand {
public:
    // `shownGraph` tells the graph of the page shown.
    SaveCommand(wxWindow& parent, const RunModel& run,
                std::function<RunPicture::Graph()> shownGraph);

    void Run();
    // Saves to a name chosen with the filter of `kind`; false when it was not saved (refused to
    // replace a file, or failed, which a message has told).
    bool SaveAs(const wxString& chosen, RunFileKind kind);

private:
    wxString DefaultName() const;
    bool MayReplace(const wxString& path) const;

    wxWindow& parent;
    const RunModel& run;
    std::function<RunPicture::Graph()> shownGraph;
    wxString folder;
    int filter = 0;
};
