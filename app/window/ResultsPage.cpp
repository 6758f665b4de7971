#include "app/window/ResultsPage.h"

#include <wx/grid.h>

#include <algorithm>

void ResultsPage::ShowLargestCount(wxGrid& table, const std::vector<int>& counts)
{
    if (counts.empty() || table.GetNumberRows() != static_cast<int>(counts.size()))
        return;
    const auto largest = std::max_element(counts.begin(), counts.end()) - counts.begin();
    table.MakeCellVisible(static_cast<int>(largest), 0);
}
