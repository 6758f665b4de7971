#include "graph/coordSys.h"

#include "graph/coordSysSettingsLoader.h"
#include "graph/windowTextMeasurer.h"

#include <wx/dcclient.h>
#include <wx/intl.h>

wxDEFINE_EVENT(coordSysRangeChanged, wxCommandEvent);
wxDEFINE_EVENT(coordSysTraceFinished, wxCommandEvent);

// clang-format off
wxBEGIN_EVENT_TABLE(coordSys, wxWindow)
    EVT_PAINT(coordSys::OnPaint)
    EVT_SIZE(coordSys::OnSize)
wxEND_EVENT_TABLE()
// clang-format on

coordSys::coordSys(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                   long style, const wxString& name)
    : wxWindow(parent, id, pos, size, style, name)
{
    // The settings start at their defaults; the axis labels are shown in the user's language.
    SetXAxisLabel(wxGetTranslation("x").utf8_string());
    SetYAxisLabel(wxGetTranslation("y").utf8_string());
}

void coordSys::UpdateView()
{
    UpdateView(windowTextMeasurer(*this));
}

bool coordSys::IsPointVisible(double x, double y) const
{
    const pixelPoint p = PointToPixel(x, y);
    return wxRect(GetSize()).Contains(p.x, p.y);
}

void coordSys::DrawAll(wxDC& /*dc*/)
{
    // Drawing keeps the DC's default logical function (wxCOPY): the toolkit's cairo-based DCs
    // on GTK 3 draw nothing at all under wxAND.
    // The grid, the axes with their ticks and labels, the visible series and the visible
    // marked points are not painted yet: their drawing comes with the graph's painting code.
}

void coordSys::Redraw()
{
    UpdateView();
    // Painting happens in the paint handler, which the toolkit runs at once on Update, after
    // erasing the background.
    Refresh();
    Update();
}

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
    return coordSysSettingsLoader(*this).LoadSettingsFile(std::string(fileName.fn_str()));
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
