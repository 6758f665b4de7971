#include "app/window/FocusCopy.h"

#include "app/window/RollLogView.h"
#include "graph/window/bufferedCoordSys.h"
#include "grid/window/PelkoGrid.h"

#include <wx/textentry.h>

namespace {

std::function<void()> CopyOf(wxWindow* window)
{
    if (auto* text = dynamic_cast<wxTextEntry*>(window))
        return [text] { text->Copy(); };
    if (auto* log = dynamic_cast<RollLogView*>(window))
        return [log] { log->Copy(); };
    if (auto* grid = dynamic_cast<PelkoGrid*>(window))
        return [grid] { grid->CopySelection(); };
    if (auto* buffered = dynamic_cast<bufferedCoordSys*>(window))
        return [buffered] { buffered->CopyToClipboard(); };
    if (auto* graph = dynamic_cast<coordSys*>(window))
        return [graph] { graph->CopyToClipboard(); };
    return {};
}

} // namespace

std::function<void()> CopyAtFocus(wxWindow* focus)
{
    for (wxWindow* window = focus; window && !window->IsTopLevel(); window = window->GetParent())
        if (std::function<void()> copy = CopyOf(window))
            return copy;
    return {};
}
