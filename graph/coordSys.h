#pragma once
#include "graph/coordSysView.h"
#include "graph/properties/coordSysProperties.h"

#include <wx/dc.h>
#include <wx/event.h>
#include <wx/weakref.h>
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
    ~coordSys() override;

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

    // Fills the graph's properties window from the current settings and shows it.
    void ShowProperties();
    // The graph's own properties window, hidden until it is shown.
    coordSysProperties* GetPropertiesWindow();
    // Puts the picture DrawAll draws on the clipboard.
    void CopyToClipboard();

protected:
    pixelSize ClientExtent() const override;
    // Ctrl+C, with or without Shift.
    static bool IsCopyKey(const wxKeyEvent& event);

private:
    void Notify(wxEventType type, int value);
    wxPoint PropertiesPlace() const;

    void OnKeyDown(wxKeyEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnPropertiesItem(wxCommandEvent& event);

    // Normally lives as long as the graph; a close that cannot be refused ends it earlier, and
    // the reference then forgets it.
    wxWeakRef<coordSysProperties> properties;

    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);

    wxDECLARE_EVENT_TABLE();
};
