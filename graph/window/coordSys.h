#pragma once
#include "graph/drawing/windowTextMeasurer.h"
#include "graph/model/coordSysView.h"
#include "graph/model/plotObjectLists.h"
#include "graph/model/seriesTrace.h"
#include "graph/window/coordSysProperties.h"
#include "graph/window/pointTooltip.h"

#include <wx/dc.h>
#include <wx/event.h>
#include <wx/timer.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <vector>

// Sent up to the parent windows when the graph recomputed its shown ranges on its own (after a
// resize); the integer payload is -1.
wxDECLARE_EVENT(coordSysRangeChanged, wxCommandEvent);
// Sent when a trace of a series ends; the integer payload is the series id.
wxDECLARE_EVENT(coordSysTraceFinished, wxCommandEvent);

// A child window showing a coordinate system. It carries every graph setting as its own
// operation (coordSysSettings) and the mapping between world coordinates and its client pixels
// (coordSysView), measured against its current client size, and the series and marked points
// it draws (plotObjectLists).
class coordSys : public wxWindow, public coordSysView, public plotObjectLists {
public:
    enum { ID_TRACE_TIMER = 1 };
    // Milliseconds between two steps of a trace.
    static constexpr int TRACE_INTERVAL = 50;

    coordSys(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
             const wxSize& size = wxDefaultSize, long style = 0,
             const wxString& name = wxPanelNameStr);
    ~coordSys() override;

    // Recomputes the shown ranges, measuring labels in the graph's own fonts.
    using coordSysView::UpdateView;
    void UpdateView();

    // Measures labels in the graph's fonts and keeps what it measured.
    const windowTextMeasurer& LabelMeasurer() const { return labelMeasurer; }

    // The window's client size.
    pixelSize ClientExtent() const override;
    // Whether the point's pixel lies within the window's full size.
    bool IsPointVisible(double x, double y) const;

    // Grid, axes, visible series and visible marked points, with the view of the last update.
    void DrawAll(wxDC& dc);
    // The parts of the picture, each into any DC with the mapping of the last view update.
    void DrawGrid(wxDC& dc);
    void DrawAxes(wxDC& dc);
    void DrawSeries(wxDC& dc, const dataSeries& series);
    // A marker at a world point in the DC's current pen and brush.
    void DrawMarker(wxDC& dc, double x, double y, int shape, int size);
    void DrawVisibleSeries(wxDC& dc);
    // Every series with that id, visible or not.
    void DrawSeriesById(wxDC& dc, int id);
    void DrawLabels(wxDC& dc);
    // Straight onto the window, over what it shows.
    void ShowAllSeries();
    void ShowSeries(int id);

    // A trace draws a line series onto the window a few points every TRACE_INTERVAL, from its
    // first visible point on; other styles are drawn whole at once.
    void TraceSeries(int id);
    void TraceStep(int id);
    // Ends the trace where it stands and tells the parents.
    void StopTrace();
    bool IsTracing() const { return traceTimer.IsRunning(); }
    // Continues a stopped trace from where it stood, if its series is still there and not
    // drawn to the end.
    void ResumeTrace();

    // Recomputes the view and repaints the window at once.
    void Redraw();
    // Shows the picture with the settings just changed and the view already recomputed.
    virtual void ShowNewSettings();
    // What a resize does: when a setting makes the view depend on the window's shape, the view
    // is recomputed and the parents are told.
    void AdjustToSize();

    void SendRangeChanged();
    void SendTraceFinished(int seriesId);

    // Apply a settings document, held in memory or read from a file (coordSysSettingsLoader).
    // Neither recomputes the view nor repaints: the caller runs UpdateView and repaints.
    bool LoadSettings(const char* text);
    bool LoadSettingsFile(const wxString& fileName);

    // The first marked point, shown or hidden, whose marker reaches the client pixel, or none.
    const pointLabel* LabelAt(const wxPoint& pixel) const;
    // The tooltip text of a marked point: its position and its text.
    static wxString TooltipText(const pointLabel& label);
    // Shows the tooltip of the marked point under the pointer at once, or none.
    void UpdateTooltip(const wxPoint& pointer);
    // The tooltip text on show; empty when none is.
    wxString GetShownTooltip() const;

    // Fills the graph's properties window from the current settings and shows it.
    void ShowProperties();
    // The graph's own properties window, hidden until it is shown.
    coordSysProperties* GetPropertiesWindow();
    // Puts the picture DrawAll draws on the clipboard.
    void CopyToClipboard();

protected:
    // A running trace ends before the series list changes; before a series is added, the rest
    // of the traced series is drawn, so the picture holds all of it.
    void SeriesListChanging(bool adding) override;
    // Ctrl+C, with or without Shift.
    static bool IsCopyKey(const wxKeyEvent& event);

private:
    void Notify(wxEventType type, int value);
    bool BeginTrace(int id, const dataSeries& series);
    wxPoint PropertiesPlace() const;

    void OnKeyDown(wxKeyEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnPropertiesItem(wxCommandEvent& event);
    void OnPropertiesApplied(wxCommandEvent& event);

    // Normally lives as long as the graph; a close that cannot be refused ends it earlier, and
    // the reference then forgets it.
    wxWeakRef<coordSysProperties> properties;

    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnTraceTimer(wxTimerEvent& event);

    windowTextMeasurer labelMeasurer{*this};
    // A child of the graph's, made when first shown and destroyed with the graph.
    pointTooltip* tooltip = nullptr;
    wxTimer traceTimer{this, ID_TRACE_TIMER};
    seriesTrace trace;
    std::vector<seriesTrace::piece> tracePieces;

    wxDECLARE_EVENT_TABLE();
};
