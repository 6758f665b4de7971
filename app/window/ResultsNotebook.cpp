#include "app/window/ResultsNotebook.h"

#include "app/run/RunModel.h"
#include "app/window/AnalysisPage.h"
#include "app/window/ColumnGraphPage.h"
#include "app/window/TheoryPage.h"

ResultsNotebook::ResultsNotebook(wxWindow* parent, RunModel& run)
    : wxNotebook(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxNB_BOTTOM, "notebook")
{
    analysis = AddView(new AnalysisPage(this), "Analysis", run);
    columnGraph = AddView(new ColumnGraphPage(this), "Column Graph", run);
    theory = AddView(new TheoryPage(this), "Theory", run);
}

template <class Page>
Page* ResultsNotebook::AddView(Page* page, const wxString& label, RunModel& run)
{
    AddPage(page, label, false);
    run.AddView(*page);
    return page;
}
