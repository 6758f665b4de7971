#include "graph/window/coordSys.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/frame.h>

namespace {

// Lets the shown window take every paint its showing caused.
void Settle(wxWindow* window)
{
    for (int i = 0; i < 5; ++i) {
        wxTheApp->Yield(true);
        window->Update();
    }
}

} // namespace

TEST(coordSysLoadSettings, LoadingStoresAndLeavesViewAndPaintToTheCaller)
{
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "graph");
    coordSys* graph = new coordSys(frame, wxID_ANY, wxDefaultPosition, wxSize(200, 100));
    frame->Show();
    Settle(frame);
    int paints = 0;
    graph->Bind(wxEVT_PAINT, [&paints](wxPaintEvent& event) {
        ++paints;
        event.Skip();
    });

    const wxString path = wxFileName::CreateTempFileName("settings");
    wxFFile(path, "w").Write("<gridProperties><ymin>0</ymin><ymax>70</ymax></gridProperties>");
    EXPECT_TRUE(
        graph->LoadSettings("<gridProperties><xmin>0</xmin><xmax>7</xmax></gridProperties>"));
    EXPECT_TRUE(graph->LoadSettingsFile(path));
    EXPECT_FALSE(graph->LoadSettingsFile(path + ".missing"));
    wxRemoveFile(path);
    Settle(frame);
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(graph->GetXMax(), 7);
    EXPECT_EQ(graph->GetYMax(), 70);
    EXPECT_EQ(graph->GetViewYMax(), 5); // the shown range waits for the caller's UpdateView

    graph->Redraw();
    EXPECT_GE(graph->GetViewYMax(), 70);
    EXPECT_GT(paints, 0);
    frame->Destroy();
}
