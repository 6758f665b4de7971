#include "app/window/ResultsNotebook.h"

#include "app/run/RunModel.h"
#include "app/window/AnalysisPage.h"
#include "app/window/ColumnGraphPage.h"
#include "app/window/TheoryPage.h"

ResultsNotebook::ResultsNotebook(wxWindow* parent, RunModel& run)
    : wxNotebook(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxNB_BOTTOM, "notebook")
{
    analysis = AddView(new AnalysisPage(this), run);
    columnGraph = AddView(new ColumnGraphPage(this), run);
    theory = AddView(new TheoryPage(this), run);
}

template <class Page> Page* ResultsNotebook::AddView(Page* page, RunModel& run)
{
    AddPage(page, page->Title(), false);
    run.AddView(*page);
    pages.push_back(page);
    return page;
}
