#include "graph/window/coordSys.h"

#include "graph/drawing/axesPainter.h"
#include "graph/drawing/clipboardPicture.h"
#include "graph/drawing/graphDrawing.h"
#include "graph/drawing/plotPainter.h"
#include "graph/loader/coordSysSettingsLoader.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include <cmath>

wxDEFINE_EVENT(coordSysRangeChanged, wxCommandEvent);
wxDEFINE_EVENT(coordSysTraceFinished, wxCommandEvent);

namespace {

// The popup menu's one item.
constexpr int ID_PROPERTIES_ITEM = 0;

// The frame painter reads the graph's settings and mapping, measures in its fonts and asks
// whether the origin lies within its window.
axesPainter AxesPainter(const coordSys& graph, wxDC& dc)
{
    return axesPainter(
        graph, graph.LabelMeasurer(),
        [&graph](double x, double y) { return graph.IsPointVisible(x, y); }, dc);
}

} // namespace

wxBEGIN_EVENT_TABLE(coordSys, wxWindow)
    EVT_PAINT(coordSys::OnPaint)
    EVT_SIZE(coordSys::OnSize)
    EVT_TIMER(coordSys::ID_TRACE_TIMER, coordSys::OnTraceTimer)
    EVT_KEY_DOWN(coordSys::OnKeyDown)
    EVT_MOTION(coordSys::OnMotion)
    EVT_RIGHT_UP(coordSys::OnRightUp)
    EVT_LEAVE_WINDOW(coordSys::OnLeave)
    EVT_MENU(ID_PROPERTIES_ITEM, coordSys::OnPropertiesItem)
    EVT_COMMAND(wxID_ANY, coordSysPropertiesApplied, coordSys::OnPropertiesApplied)
wxEND_EVENT_TABLE()

coordSys::coordSys(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                   long style, const wxString& name)
    : wxWindow(parent, id, pos, size, style, name)
{
    // The picture is black on white under every desktop theme, as the buffered graph's is.
    SetBackgroundColour(*wxWHITE);
    SetForegroundColour(*wxBLACK);
    GetPropertiesWindow();
    // The settings start at their defaults; the axis labels are shown in the user's language.
    SetXAxisLabel(wxGetTranslation("x").utf8_string());
    SetYAxisLabel(wxGetTranslation("y").utf8_string());
}

coordSys::~coordSys()
{
    if (properties)
        properties->Destroy();
}

void coordSys::UpdateView() { UpdateView(labelMeasurer); }

bool coordSys::IsPointVisible(double x, double y) const
{
    const pixelPoint p = PointToPixel(x, y);
    return wxRect(GetSize()).Contains(p.x, p.y);
}

void coordSys::DrawAll(wxDC& dc)
{
    graphDrawing::DrawGraph(
        *this, *this, labelMeasurer, [this](double x, double y) { return IsPointVisible(x, y); },
        dc);
}

void coordSys::DrawGrid(wxDC& dc) { AxesPainter(*this, dc).DrawGrid(); }

void coordSys::DrawAxes(wxDC& dc) { AxesPainter(*this, dc).DrawAxes(); }

void coordSys::DrawSeries(wxDC& dc, const dataSeries& series)
{
    plotPainter(*this, dc).DrawSeries(series);
}

void coordSys::DrawMarker(wxDC& dc, double x, double y, int shape, int size)
{
    plotPainter(*this, dc).DrawMarker(x, y, shape, size);
}

void coordSys::DrawVisibleSeries(wxDC& dc)
{
    plotPainter painter(*this, dc);
    for (const dataSeries& series : AllSeries())
        if (series.visible)
            painter.DrawSeries(series);
}

void coordSys::DrawSeriesById(wxDC& dc, int id)
{
    plotPainter painter(*this, dc);
    for (const dataSeries& series : AllSeries())
        if (series.id == id)
            painter.DrawSeries(series);
}

void coordSys::DrawLabels(wxDC& dc) { plotPainter(*this, dc).DrawLabels(AllLabels()); }

void coordSys::ShowAllSeries()
{
    wxClientDC dc(this);
    DrawVisibleSeries(dc);
}

void coordSys::ShowSeries(int id)
{
    if (const dataSeries* series = GetSeries(id)) {
        wxClientDC dc(this);
        DrawSeries(dc, *series);
    }
}

void coordSys::TraceSeries(int id)
{
    if (IsTracing())
        StopTrace();
    TraceStep(id);
}

// The trace draws straight onto the window, in the DC's default logical function for the
// reason DrawAll gives: the steps overlap by one point, which draws that point twice alike.
void coordSys::TraceStep(int id)
{
    const dataSeries* series = GetSeries(id);
    if (!series)
        return;
    wxClientDC dc(this);
    if (series->style != dataSeries::LINES) {
        DrawSeries(dc, *series);
        return;
    }
    if (!IsTracing() && !BeginTrace(id, *series))
        return;
    if (trace.Finished(*series)) {
        StopTrace(); // one timer tick after the last point was drawn
        return;
    }
    trace.Step(*series, seriesTrace::StepSize(GetClientSize().x), tracePieces);
    plotPainter(*this, dc).DrawTracePieces(*series, tracePieces);
}

void coordSys::StopTrace()
{
    traceTimer.Stop();
    SendTraceFinished(trace.SeriesId());
}

// Only a trace with something left to draw resumes: with its series gone or drawn to the end, a
// running timer would never stop again, or end the trace a second time.
void coordSys::ResumeTrace()
{
    const dataSeries* series = GetSeries(trace.SeriesId());
    if (series && !trace.Finished(*series))
        traceTimer.Start(-1, wxTIMER_CONTINUOUS);
}

// Starts the timer and finds the first visible point; a series with none ends the trace at
// once and says so.
bool coordSys::BeginTrace(int id, const dataSeries& series)
{
    traceTimer.Start(TRACE_INTERVAL, wxTIMER_CONTINUOUS);
    if (trace.Begin(id, series, [this](const worldPoint& p) { return IsPointVisible(p.x, p.y); }))
        return true;
    StopTrace();
    wxMessageBox(wxGetTranslation("This data does not show in the current window."),
                 wxMessageBoxCaptionStr, wxOK | wxCENTRE);
    return false;
}

void coordSys::SeriesListChanging(bool adding)
{
    if (!IsTracing())
        return;
    StopTrace();
    if (!adding)
        return;
    if (const dataSeries* traced = GetSeries(trace.SeriesId())) {
        wxClientDC dc(this);
        DrawSeries(dc, *traced);
    }
}

void coordSys::Redraw()
{
    UpdateView();
    // Painting happens in the paint handler, which the toolkit runs at once on Update, after
    // erasing the background.
    Refresh();
    Update();
}

void coordSys::ShowNewSettings() { Refresh(true); }

void coordSys::AdjustToSize()
{
    if (!equalScaling && !originAlwaysViewable && !axesAlwaysViewable)
        return;
    UpdateView();
    SendRangeChanged();
}

void coordSys::SendRangeChanged() { Notify(coordSysRangeChanged, -1); }

void coordSys::SendTraceFinished(int seriesId) { Notify(coordSysTraceFinished, seriesId); }

// The loader sees only the settings, never the window, so it cannot repaint.
bool coordSys::LoadSettings(const char* text)
{
    return coordSysSettingsLoader(*this).LoadSettings(text);
}

bool coordSys::LoadSettingsFile(const wxString& fileName)
{
    // A name the file system's encoding cannot express converts to an empty one, which opens no
    // file.
    return coordSysSettingsLoader(*this).LoadSettingsFile(std::string(fileName.mb_str(wxConvFile)));
}

void coordSys::ShowProperties()
{
    coordSysProperties* window = GetPropertiesWindow();
    window->DisplaySettings(*this);
    window->ShowFirstAt(PropertiesPlace());
}

// Created hidden; made anew only if it ended early.
coordSysProperties* coordSys::GetPropertiesWindow()
{
    // A window closed for good is only deleted at the next idle time; until then it is as good
    // as gone, and a new one takes its place.
    if (!properties || wxPendingDelete.Member(properties.get()))
        properties = new coordSysProperties(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                            wxDefaultSize, wxDEFAULT_FRAME_STYLE);
    return properties;
}

// The properties window first comes up over the graph, at its client point (50, 50). That
// point is known only once the graph is on screen; before, the window manager places it.
wxPoint coordSys::PropertiesPlace() const
{
    return IsShownOnScreen() ? ClientToScreen(wxPoint(50, 50)) : wxDefaultPosition;
}

void coordSys::CopyToClipboard()
{
    clipboardPicture(GetSize(), [this](wxDC& dc) { DrawAll(dc); }).PutOnClipboard();
}

bool coordSys::IsCopyKey(const wxKeyEvent& event)
{
    return event.ControlDown() && event.GetKeyCode() == 'C';
}

pixelSize coordSys::ClientExtent() const
{
    const wxSize size = GetClientSize();
    return {size.x, size.y};
}

// Goes to the graph's own handler first; command events travel on up to the parents.
void coordSys::Notify(wxEventType type, int value)
{
    wxCommandEvent event(type, GetId());
    event.SetInt(value);
    event.SetEventObject(this);
    GetEventHandler()->ProcessEvent(event);
}

void coordSys::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    DrawAll(dc);
}

void coordSys::OnSize(wxSizeEvent&) { AdjustToSize(); }

void coordSys::OnTraceTimer(wxTimerEvent&) { TraceStep(trace.SeriesId()); }

void coordSys::OnKeyDown(wxKeyEvent& event)
{
    if (IsCopyKey(event))
        CopyToClipboard();
    else
        event.Skip();
}

const pointLabel* coordSys::LabelAt(const wxPoint& pixel) const
{
    for (const pointLabel& label : AllLabels()) {
        const double dx = XToPixel(label.x) - pixel.x;
        const double dy = YToPixel(label.y) - pixel.y;
        if (std::sqrt(dx * dx + dy * dy) <= label.markerSize)
            return &label;
    }
    return nullptr;
}

wxString coordSys::TooltipText(const pointLabel& label)
{
    return wxString::Format(wxGetTranslation("(%.5g, %.5g)\n---------------------\n%s"), label.x,
                            label.y, wxString::FromUTF8(label.text));
}

// Over a marker the tooltip shows at once; off every marker it goes at once.
void coordSys::UpdateTooltip(const wxPoint& pointer)
{
    const pointLabel* hit = LabelAt(pointer);
    if (hit) {
        if (!tooltip)
            tooltip = new pointTooltip(this);
        tooltip->ShowAt(TooltipText(*hit), ClientToScreen(pointer));
    } else if (tooltip) {
        tooltip->Hide();
    }
}

wxString coordSys::GetShownTooltip() const
{
    return tooltip ? tooltip->GetShownText() : wxString();
}

void coordSys::OnMotion(wxMouseEvent& event) { UpdateTooltip(event.GetPosition()); }

// The pointer has left for another window: no marker is under it.
void coordSys::OnLeave(wxMouseEvent& event)
{
    if (tooltip)
        tooltip->Hide();
    event.Skip();
}

// Without the menu the click is left to whoever else wants it.
void coordSys::OnRightUp(wxMouseEvent& event)
{
    if (!propertiesMenuEnabled) {
        event.Skip();
        return;
    }
    wxMenu menu;
    menu.Append(ID_PROPERTIES_ITEM, _("&Properties..."), wxEmptyString);
    PopupMenu(&menu, event.GetPosition());
}

void coordSys::OnPropertiesItem(wxCommandEvent&) { ShowProperties(); }

// The properties window wrote new settings: the view follows them, the parents are told and the
// picture is shown anew.
void coordSys::OnPropertiesApplied(wxCommandEvent&)
{
    UpdateView();
    SendRangeChanged();
    ShowNewSettings();
}
