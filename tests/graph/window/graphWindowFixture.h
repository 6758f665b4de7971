#pragma once
#include "graph/window/coordSys.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/panel.h>

#include <functional>
#include <vector>

// A hidden frame with a panel to put graphs on. The panel records the graph notifications that
// travel up to it.
class graphWindowFixture : public testing::Test {
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, "graph");
        parent = new wxPanel(frame);
        parent->Bind(coordSysRangeChanged,
                     [this](wxCommandEvent& e) { rangeChanged.push_back(e); });
        parent->Bind(coordSysTraceFinished,
                     [this](wxCommandEvent& e) { traceFinished.push_back(e); });
    }

    void TearDown() override { frame->Destroy(); }

    // A new size, with the size event the toolkit sends for it (at once, on this toolkit).
    static void Resize(wxWindow* window, int width, int height) { window->SetSize(width, height); }

    // What draw puts on a white picture of the graph's client size.
    static wxImage Picture(const coordSys& graph, const std::function<void(wxDC&)>& draw)
    {
        wxBitmap bitmap(graph.GetClientSize(), 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            draw(dc);
        }
        return bitmap.ConvertToImage();
    }

    static wxColour Pixel(const wxImage& image, int x, int y)
    {
        return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }

    wxFrame* frame = nullptr;
    wxPanel* parent = nullptr;
    std::vector<wxCommandEvent> rangeChanged;
    std::vector<wxCommandEvent> traceFinished;
};
