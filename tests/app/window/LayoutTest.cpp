// The window's layout on a real screen under a window manager, maximised: run by
// under-window-manager on screens of projectors and laptops (see CMakeLists.txt).
#include "DiceFrameFixture.h"

#include "app/run/ZoomLevel.h"
#include "app/window/WindowZoom.h"

#include <wx/display.h>
#include <wx/scrolwin.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <functional>
#include <sstream>

using namespace diceframetest;

namespace {

// The controls the user sees, each by its rectangle on the screen: everything without windows of
// its own inside, but the boxes drawn round others and the pages not shown.
std::vector<wxWindow*> ShownControls(wxWindow& parent)
{
    std::vector<wxWindow*> shown;
    for (wxWindow* child : parent.GetChildren()) {
        if (child->IsTopLevel() || !child->IsShownOnScreen())
            continue;
        if (child->GetChildren().empty() || dynamic_cast<wxGrid*>(child)) {
            if (!dynamic_cast<wxStaticBox*>(child))
                shown.push_back(child);
        } else {
            const std::vector<wxWindow*> inner = ShownControls(*child);
            shown.insert(shown.end(), inner.begin(), inner.end());
        }
    }
    return shown;
}

std::string Describe(const wxWindow& w)
{
    std::ostringstream text;
    const wxRect r = w.GetScreenRect();
    text << wxString(w.GetClassInfo()->GetClassName()).utf8_string() << " \""
         << w.GetLabel().utf8_string().substr(0, 20) << "\" at " << r.x << "," << r.y << " "
         << r.width << "x" << r.height;
    return text.str();
}

// The area a window scrolls through, on the screen.
wxRect ScrolledArea(wxWindow& window)
{
    auto& scrolling = dynamic_cast<wxScrollHelper&>(window);
    return wxRect(window.ClientToScreen(scrolling.CalcScrolledPosition(wxPoint(0, 0))),
                  window.GetVirtualSize());
}

// The nearest window round `control` that scrolls, or none.
wxWindow* ScrollingParent(const wxWindow& control)
{
    for (wxWindow* w = control.GetParent(); w && !w->IsTopLevel(); w = w->GetParent())
        if (dynamic_cast<wxScrollHelper*>(w))
            return w;
    return nullptr;
}

// The part of the control on the screen that the windows round it show.
wxRect SeenPart(const wxWindow& control)
{
    wxRect seen = control.GetScreenRect();
    for (wxWindow* w = ScrollingParent(control); w; w = ScrollingParent(*w))
        seen.Intersect(wxRect(w->ClientToScreen(wxPoint(0, 0)), w->GetClientSize()));
    return seen;
}

// The part of the page that shows it, or that it scrolls through.
wxRect PageArea(const wxWindow& page)
{
    return wxRect(page.GetVirtualSize()).Union(wxRect(page.GetClientSize()));
}

// Every column of the grid whole in the grid's window, and the grid inside its page.
void ExpectColumnsWhole(PelkoGrid& grid, const wxWindow& page, const std::string& where)
{
    int columns = 0;
    for (int col = 0; col < grid.GetNumberCols(); ++col)
        columns += grid.GetColSize(col);
    EXPECT_LE(columns, grid.GetGridWindow()->GetClientSize().x) << where << ": a column is cut";
    EXPECT_TRUE(PageArea(page).Contains(grid.GetRect())) << where << ": the table leaves its page";
}

class LayoutTest : public DiceFrameTest {
protected:
    // Maximised by the window manager, at every zoom step, on every page.
    void ForEveryZoomAndPage(const std::function<void(const std::string& where)>& check)
    {
        // Asked again while the window manager may not have taken the window in yet.
        for (int ask = 0; ask < 10 && !frame->IsMaximized(); ++ask) {
            frame->Maximize();
            WaitFor([&] { return frame->IsMaximized(); }, 3);
        }
        ASSERT_TRUE(frame->IsMaximized());
        for (const int percent : ZoomLevel::STEPS) {
            frame->Zoom().Set(percent);
            ASSERT_TRUE(WaitFor([&] { return frame->Zoom().Settled(); }, 10)) << percent;
            LetEventsThrough(0.2);
            for (std::size_t page = 0; page < Probe().Notebook().GetPageCount(); ++page) {
                Probe().Notebook().SetSelection(page);
                LetEventsThrough(0.2);
                std::ostringstream where;
                where << percent << "% on the page " << page;
                check(where.str());
            }
        }
    }
};

} // namespace

// At every zoom, on every page, after a run of 100 dice: the window lies in the screen's work
// area, no two controls overlap, every tab shows whole, every table column and the verdict lie
// whole in their page.
TEST_F(LayoutTest, NothingOverlapsOrIsCutAtAnyZoomOnAnyPageMaximised)
{
    RunWith(100, 2000, false);
    ASSERT_TRUE(ReadyForInput());
    const wxRect workArea = wxDisplay(frame).GetClientArea();
    ForEveryZoomAndPage([&](const std::string& where) {
        const wxRect client(frame->ClientToScreen(wxPoint(0, 0)), frame->GetClientSize());
        EXPECT_TRUE(workArea.Contains(client)) << where << ": the window leaves the work area";
        // What the window cannot show at once it scrolls to, and so does the Theory page.
        wxWindow& panel = Probe().MainPanel();
        EXPECT_TRUE(client.Contains(panel.GetScreenRect())) << where << ": the panel is cut";
        const std::vector<wxWindow*> controls = ShownControls(*frame);
        std::vector<wxRect> seen;
        for (wxWindow* control : controls) {
            wxWindow* scrolling = ScrollingParent(*control);
            EXPECT_TRUE(scrolling && ScrolledArea(*scrolling).Contains(control->GetScreenRect()))
                << where << ": " << Describe(*control) << " cannot be reached";
            seen.push_back(SeenPart(*control));
        }
        TheoryPage& theory = Probe().Theory();
        if (theory.IsShownOnScreen()) {
            EXPECT_TRUE(ScrolledArea(panel).Contains(theory.GetScreenRect())) << where;
        }
        for (std::size_t i = 0; i < controls.size(); ++i)
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(seen[i].Intersects(seen[j])) << where << ": " << Describe(*controls[i])
                                                          << " overlaps " << Describe(*controls[j]);
        wxNotebook& notebook = Probe().Notebook();
        EXPECT_GE(notebook.GetSize().x, notebook.GetEffectiveMinSize().x) << where << ": tabs";

        ExpectColumnsWhole(Probe().Grid(), *notebook.GetPage(0), where);
        ExpectColumnsWhole(theory.Table(), theory, where);
        const wxStaticText& summary = theory.Summary();
        EXPECT_TRUE(PageArea(theory).Contains(summary.GetRect())) << where << ": the summary";
        EXPECT_GE(summary.GetSize().y, summary.GetBestSize().y) << where << ": the verdict is cut";
    });
}
