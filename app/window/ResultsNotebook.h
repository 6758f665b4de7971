#pragma once

#include <wx/notebook.h>

#include <vector>

class AnalysisPage;
class ColumnGraphPage;
class ResultsPage;
class RunModel;
class TheoryPage;

// The notebook of the run's results, its tabs at the bottom. Each page is a view of the run: a
// new page is a RunView made and added here, and the run tells it from then on.
class ResultsNotebook : public wxNotebook {
public:
    ResultsNotebook(wxWindow* parent, RunModel& run);

    AnalysisPage& Analysis() const { return *analysis; }
    ColumnGraphPage& ColumnGraph() const { return *columnGraph; }
    TheoryPage& Theory() const { return *theory; }
    // Every page, in the order of the tabs.
    const std::vector<ResultsPage*>& Pages() const { return pages; }

private:
    template <class Page> Page* AddView(Page* page, RunModel& run);

    AnalysisPage* analysis = nullptr;
    ColumnGraphPage* columnGraph = nullptr;
    TheoryPage* theory = nullptr;
    std::vector<ResultsPage*> pages;
};
