#pragma once
#include "graph/coordSysView.h"

#include <wx/dc.h>
#include <wx/event.h>
#include <wx/window.h>

// Sent up to the parent windows when the graph recomputed its shown ranges on its own (after a
// resize); the integer payload is -1.
wxDECLARE_EVENT(coordSysRangeChanged, wxCommandEvent);
// Sent when a trace of a series ends; the integer payload is the series id.
wxDECLARE_EVENT(coordSysTraceFinished, wxCommandEvent);

// A child window showing a coordinate system. It carries every graph setting as its own
// operation (coordSysSettings) and the mapping between world coordinates and its client pixels
// (coordSysView), measured against its current client size.
class coordSys : public wxWindow, public coordSysView {
public:
    coordSys(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize, long style = 0,
             const wxString& name = wxPanelNameStr);

    // Recomputes the shown ranges, measuring labels in the graph's own fonts.
    using coordSysView::UpdateView;
    void UpdateView();

    // Whether the point's pixel lies within the window's full size.
    bool IsPointVisible(double x, double y) const;

    void DrawAll(wxDC& dc);
    // Recomputes the view and repaints the window at once.
    void Redraw();
    // What a resize does: when a setting makes the view depend on the window's shape, the view
    // is recomputed and the parents are told.
    void AdjustToSize();

    void SendRangeChanged();
    void SendTraceFinished(int seriesId);

    // Apply a settings document, held in memory or read from a file (coordSysSettingsLoader).
    // Neither recomputes the view nor repaints: the caller runs UpdateView and repaints.
    bool LoadSettings(const char* text);
    bool LoadSettingsFile(const wxString& fileName);

protected:
    pixelSize ClientExtent() const override;

private:
    void Notify(wxEventType type, int value);

    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);

    wxDECLARE_EVENT_TABLE();
};
