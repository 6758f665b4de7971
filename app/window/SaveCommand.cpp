#include "app/window/SaveCommand.h"

#include "app/export/DrawnRunFiles.h"
#include "app/run/RunModel.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include <iterator>

namespace {

struct filterOfKind {
    RunFileKind kind;
    const char* description;
};

const filterOfKind FILTERS[] = {{RunFileKind::CSV, "CSV table for spreadsheets"},
                                {RunFileKind::JSON, "JSON file for programs"},
                                {RunFileKind::PNG, "PNG picture of the graph"},
                                {RunFileKind::SVG, "SVG drawing of the graph"},
                                {RunFileKind::PDF, "PDF report, one page"}};

wxString Wildcard()
{
    wxString wildcard;
    for (const filterOfKind& filter : FILTERS) {
        const wxString pattern = "*" + ExtensionOf(filter.kind);
        wildcard += wxString(wildcard.empty() ? "" : "|") + filter.description + " (" + pattern +
                    ")|" + pattern;
    }
    return wildcard;
}

// A path as the file system takes it, and back.
std::string FileSystemPath(const wxString& path) { return std::string(path.mb_str(wxConvFile)); }
wxString Shown(const std::string& text) { return wxString(text.c_str(), *wxConvFileName); }

} // namespace

SaveCommand::SaveCommand(wxWindow& parent, const RunModel& run,
                         std::function<RunPicture::Graph()> shownGraph)
    : parent(parent), run(run), shownGraph(std::move(shownGraph))
{
}

void SaveCommand::Run()
{
    wxFileDialog dialog(&parent, "Save Run", folder, DefaultName(), Wildcard(),
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    dialog.SetFilterIndex(filter);
    if (dialog.ShowModal() != wxID_OK)
        return;
    const int chosen = dialog.GetFilterIndex();
    filter = chosen >= 0 && chosen < static_cast<int>(std::size(FILTERS)) ? chosen : 0;
    folder = wxFileName(dialog.GetPath()).GetPath();
    SaveAs(dialog.GetPath(), FILTERS[filter].kind);
}

// "zobrin-2-dice-3000-rolls.csv", in the filter's kind.
wxString SaveCommand::DefaultName() const
{
    return wxString::Format("zobrin-%d-dice-%ld-rolls", run.RunDice(), run.Made()) +
           ExtensionOf(FILTERS[filter].kind);
}

bool SaveCommand::SaveAs(const wxString& chosen, RunFileKind kind)
{
    const std::string path = WithKindsExtension(FileSystemPath(chosen), kind);
    // The chooser asked about the name as typed; one that took an extension is asked about here.
    if (path != FileSystemPath(chosen) && wxFileName::Exists(Shown(path)) &&
        !MayReplace(Shown(path)))
        return false;
    std::string error;
    if (SaveRun(run, path, DrawnRunFiles(shownGraph()), error))
        return true;
    wxString message = Shown(error) + ".";
    message[0] = wxToupper(message[0]);
    wxMessageBox(message, "Save Run", wxOK | wxICON_ERROR, &parent);
    return false;
}

bool SaveCommand::MayReplace(const wxString& path) const
{
    return wxMessageBox(wxString::Format("A file named \"%s\" already exists. Do you want to "
                                         "replace it?",
                                         wxFileName(path).GetFullName()),
                        "Save Run", wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, &parent) == wxYES;
}
