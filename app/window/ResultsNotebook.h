#pragma once

#include <wx/notebook.h>

class AnalysisPage;
class ColumnGraphPage;
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

private:
    template <class Page> Page* AddView(Page* page, const wxString& label, RunModel& run);

    AnalysisPage* analysis = nullptr;
    ColumnGraphPage* columnGraph = nullptr;
    TheoryPage* theory = nullptr;
};
