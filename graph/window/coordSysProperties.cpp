#include "graph/window/coordSysProperties.h"

#include "graph/model/coordSysSettings.h"
#include "graph/model/propertiesChoices.h"
#include "graph/model/propertiesNumbers.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <utility>

namespace {

// A small caption with a close box, above the graph's window, no task-bar button, no resize
// border and no minimise or maximise box.
constexpr long WINDOW_STYLE = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxFRAME_FLOAT_ON_PARENT |
                              wxFRAME_TOOL_WINDOW | wxFRAME_NO_TASKBAR;
constexpr int TICK_FIELD_WIDTH = 75;
constexpr int CENTRED = wxALIGN_CENTER_VERTICAL;

wxString Text(const std::string& utf8) { return wxString::FromUTF8(utf8); }

std::string Typed(const wxTextCtrl* field) { return field->GetValue().utf8_string(); }

double ReadDouble(const wxTextCtrl* field) { return propertiesNumbers::ReadDouble(Typed(field)); }

int ReadInt(const wxTextCtrl* field) { return propertiesNumbers::ReadInt(Typed(field)); }

void ShowDouble(wxTextCtrl* field, double value)
{
    field->SetValue(Text(propertiesNumbers::FormatDouble(value)));
}

} // namespace

wxDEFINE_EVENT(coordSysPropertiesApplied, wxCommandEvent);

wxBEGIN_EVENT_TABLE(coordSysProperties, wxFrame)
    EVT_CLOSE(coordSysProperties::OnPropertiesClose)
    EVT_BUTTON(ID_PROPS_OK, coordSysProperties::OnOK)
    EVT_BUTTON(ID_PROPS_CANCEL, coordSysProperties::OnCancel)
    EVT_BUTTON(ID_PROPS_APPLY, coordSysProperties::OnApply)
    EVT_CHECKBOX(ID_X_AUTOSCALE, coordSysProperties::OnXAutoScale)
    EVT_CHECKBOX(ID_Y_AUTOSCALE, coordSysProperties::OnYAutoScale)
wxEND_EVENT_TABLE()

coordSysProperties::coordSysProperties(wxWindow* owner, coordSysSettings& settings, wxWindowID id,
                                       const wxString& title, const wxPoint& pos,
                                       const wxSize& size, long /*style*/)
    : settings(settings)
{
    CreateControls(owner, id, title, pos, size);
    InitialiseControls();
    BuildLayout();
}

// Creates the controls in the order keyboard navigation visits them: the x group, the y group,
// the general settings, the buttons.
void coordSysProperties::CreateControls(wxWindow* owner, wxWindowID id, const wxString& title,
                                        const wxPoint& pos, const wxSize& size)
{
    Create(owner, id, title, pos, size, WINDOW_STYLE);
    panel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                        wxTAB_TRAVERSAL | wxNO_BORDER);
    yAxisSizer = new wxStaticBoxSizer(new wxStaticBox(panel, wxID_ANY, _("y axis")), wxVERTICAL);
    xAxisSizer = new wxStaticBoxSizer(new wxStaticBox(panel, wxID_ANY, _("x axis")), wxVERTICAL);
    CreateXAxisControls();
    CreateYAxisControls();
    CreateGeneralControls();
}

void coordSysProperties::CreateXAxisControls()
{
    xMinCaption = NewCaption(_("minimum:"));
    xMinText = NewText();
    xMaxCaption = NewCaption(_("maximum:"));
    xMaxText = NewText();
    xAutoScaleBox = NewCheckBox(_("autoscale"), ID_X_AUTOSCALE);
    xTickCaption = NewCaption(_("tick unit:"));
    xTickText = NewText();
    xTickPosCaption = NewCaption(_("tick label pos:"));
    xTickPosChoice = NewChoice({_("above axis"), _("below axis")});
    xAxisLabelCaption = NewCaption(_("axis label:"));
    xAxisLabelText = NewText();
    xLabelPosCaption = NewCaption(_("label pos:"));
    xLabelPosChoice =
        NewChoice({_("above left"), _("above right"), _("below left"), _("below right")});
    xTrigScaleBox = NewCheckBox(_("trig scale"));
}

void coordSysProperties::CreateYAxisControls()
{
    yMinCaption = NewCaption(_("minimum:"));
    yMinText = NewText();
    yMaxCaption = NewCaption(_("maximum:"));
    yMaxText = NewText();
    yAutoScaleBox = NewCheckBox(_("autoscale"), ID_Y_AUTOSCALE);
    yTickCaption = NewCaption(_("tick unit:"));
    yTickText = NewText();
    yTickPosCaption = NewCaption(_("tick label pos:"));
    yTickPosChoice = NewChoice({_("left of axis"), _("right of axis")});
    yAxisLabelCaption = NewCaption(_("axis label"));
    yAxisLabelText = NewText();
    yLabelPosCaption = NewCaption(_("label pos:"));
    yLabelPosChoice =
        NewChoice({_("top left"), _("top right"), _("bottom left"), _("bottom right")});
    yTrigScaleBox = NewCheckBox(_("trig scale"));
}

void coordSysProperties::CreateGeneralControls()
{
    gridCaption = NewCaption(_("grid:"), wxALIGN_RIGHT);
    gridChoice = NewChoice({_("no grid"), _("horizontal grid"), _("vertical grid"),
                            _("rectangular grid"), _("polar grid")});
    axesCaption = NewCaption(_("axes:"));
    axesChoice =
        NewChoice({_("no axes"), _("horizontal axis"), _("vertical axis"), _("both axes")});
    equalScalingBox = NewCheckBox(_("equal scaling"));
    originViewableBox = NewCheckBox(_("Origin is always viewable"));
    axesViewableBox = NewCheckBox(_("Axes are always viewable"));
    okButton = NewButton(_("&OK"), ID_PROPS_OK);
    cancelButton = NewButton(_("&Cancel"), ID_PROPS_CANCEL);
    applyButton = NewButton(_("&Apply"), ID_PROPS_APPLY);
}

// Runs before the layout, so that the sizers lay the tick fields out at their fixed width.
void coordSysProperties::InitialiseControls()
{
    SetTitle(_("Properties"));
    xTickText->SetInitialSize(wxSize(TICK_FIELD_WIDTH, -1));
    xTickPosChoice->SetSelection(0);
    xLabelPosChoice->SetSelection(0);
    yTickText->SetInitialSize(wxSize(TICK_FIELD_WIDTH, -1));
    yTickPosChoice->SetSelection(0);
    yLabelPosChoice->SetSelection(0);
    SizeTickCaptions();
    gridChoice->SetSelection(coordSysSettings::RECTANGULAR_GRID);
    axesChoice->SetSelection(coordSysSettings::X_AXIS | coordSysSettings::Y_AXIS);
    okButton->SetDefault();
}

// Both tick captions take the width of the wider of their two texts, so that the window is
// fitted to either and a swap moves nothing else.
void coordSysProperties::SizeTickCaptions()
{
    int widest = 0;
    for (const wxString& label : {_("max ticks:"), _("tick unit:")}) {
        xTickCaption->SetLabel(label);
        widest = std::max(widest, xTickCaption->GetBestSize().x);
    }
    for (wxStaticText* caption : {xTickCaption, yTickCaption})
        caption->SetMinSize(wxSize(widest, -1));
}

// The x group, a spacer, the y group, the general rows, then the buttons at the right; the
// window takes the fitted size of it all, which is also its smallest size.
void coordSysProperties::BuildLayout()
{
    AddRows(xAxisSizer, {RangeRow(xMinCaption, xMinText, xMaxCaption, xMaxText),
                         Row({{xAutoScaleBox, CENTRED | wxRIGHT, 10},
                              {xTickCaption, CENTRED | wxRIGHT, 10},
                              {xTickText, CENTRED | wxRIGHT, 10},
                              {xTickPosCaption, CENTRED | wxRIGHT, 10},
                              {xTickPosChoice, CENTRED, 0}}),
                         LabelRow(xAxisLabelCaption, xAxisLabelText, xLabelPosCaption,
                                  xLabelPosChoice, xTrigScaleBox)});
    AddRows(yAxisSizer, {RangeRow(yMinCaption, yMinText, yMaxCaption, yMaxText),
                         Row({{yAutoScaleBox, CENTRED | wxRIGHT, 20},
                              {yTickCaption, CENTRED | wxRIGHT, 10},
                              {yTickText, CENTRED | wxRIGHT, 10},
                              {yTickPosCaption, CENTRED | wxRIGHT, 10},
                              {yTickPosChoice, 0, 0}}),
                         LabelRow(yAxisLabelCaption, yAxisLabelText, yLabelPosCaption,
                                  yLabelPosChoice, yTrigScaleBox)});

    auto* inner = new wxBoxSizer(wxVERTICAL);
    inner->Add(xAxisSizer, 1, wxEXPAND, 0);
    inner->Add(5, 5, 0, 0, 0);
    inner->Add(yAxisSizer, 1, wxEXPAND, 0);
    inner->Add(GeneralRows(), 0, wxEXPAND | wxALL, 5);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(inner, 1, wxEXPAND, 0);

    auto* panelSizer = new wxBoxSizer(wxVERTICAL);
    panelSizer->Add(content, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
    panelSizer->Add(
        Row({{okButton, 0, 0}, {cancelButton, wxLEFT | wxRIGHT, 10}, {applyButton, 0, 0}}), 0,
        wxALIGN_RIGHT | wxALL, 10);
    FitTo(panel, panelSizer);
    auto* frameSizer = new wxBoxSizer(wxVERTICAL);
    frameSizer->Add(panel, 1, wxEXPAND, 0);
    FitTo(this, frameSizer);
    Layout();
}

wxSizer* coordSysProperties::RangeRow(wxWindow* minCaption, wxWindow* minText, wxWindow* maxCaption,
                                      wxWindow* maxText)
{
    const int sides = wxLEFT | wxRIGHT;
    return Row({{minCaption, CENTRED, 0},
                {minText, CENTRED | sides, 10},
                {maxCaption, CENTRED, 0},
                {maxText, CENTRED | sides, 10}});
}

wxSizer* coordSysProperties::LabelRow(wxWindow* caption, wxWindow* text, wxWindow* posCaption,
                                      wxWindow* posChoice, wxWindow* trigScaleBox)
{
    return Row({{caption, CENTRED | wxRIGHT, 10},
                {text, CENTRED | wxRIGHT, 10},
                {posCaption, CENTRED | wxRIGHT, 10},
                {posChoice, CENTRED | wxRIGHT, 10},
                {trigScaleBox, CENTRED, 0}});
}

wxSizer* coordSysProperties::GeneralRows()
{
    auto* general = new wxBoxSizer(wxVERTICAL);
    general->Add(Row({{gridCaption, CENTRED | wxRIGHT, 5},
                      {gridChoice, CENTRED | wxRIGHT, 10},
                      {axesCaption, CENTRED | wxRIGHT, 5},
                      {axesChoice, wxRIGHT, 10},
                      {equalScalingBox, CENTRED, 0}}),
                 1, wxEXPAND | wxBOTTOM, 5);
    general->Add(Row({{originViewableBox, CENTRED | wxRIGHT, 5}, {axesViewableBox, CENTRED, 0}}), 1,
                 wxEXPAND, 0);
    return general;
}

// The sizer becomes the window's; the window takes its fitted size, also as its smallest.
void coordSysProperties::FitTo(wxWindow* window, wxSizer* sizer)
{
    window->SetSizer(sizer);
    sizer->Fit(window);
    sizer->SetSizeHints(window);
}

wxStaticText* coordSysProperties::NewCaption(const wxString& label, long style)
{
    return new wxStaticText(panel, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, style);
}

wxTextCtrl* coordSysProperties::NewText() { return new wxTextCtrl(panel, wxID_ANY); }

wxCheckBox* coordSysProperties::NewCheckBox(const wxString& label, wxWindowID id)
{
    return new wxCheckBox(panel, id, label);
}

wxChoice* coordSysProperties::NewChoice(std::initializer_list<wxString> items)
{
    const wxArrayString list(items.size(), items.begin());
    return new wxChoice(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize, list);
}

wxButton* coordSysProperties::NewButton(const wxString& label, wxWindowID id)
{
    return new wxButton(panel, id, label);
}

wxSizer* coordSysProperties::Row(std::initializer_list<sizerEntry> entries)
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    for (const sizerEntry& entry : entries)
        row->Add(entry.window, 0, entry.flags, entry.border);
    return row;
}

void coordSysProperties::AddRows(wxSizer* group, std::initializer_list<wxSizer*> rows)
{
    for (wxSizer* row : rows)
        group->Add(row, 1, wxEXPAND | wxALL, 5);
}

void coordSysProperties::DisplaySettings(const coordSysSettings& graph)
{
    DisplayXMin(graph.GetXMin());
    DisplayXMax(graph.GetXMax());
    DisplayXAxisLabel(graph.GetXAxisLabel());
    DisplayXAutoScale(graph.GetXAutoScale());
    DisplayXMaxTicks(graph.GetXMaxTicks());
    DisplayXTickUnit(graph.GetXTickUnit());
    DisplayXTrigScale(graph.xTrigScale);
    DisplayYMin(graph.GetYMin());
    DisplayYMax(graph.GetYMax());
    DisplayYAxisLabel(graph.GetYAxisLabel());
    DisplayYAutoScale(graph.GetYAutoScale());
    DisplayYMaxTicks(graph.GetYMaxTicks());
    DisplayYTickUnit(graph.GetYTickUnit());
    DisplayYTrigScale(graph.yTrigScale);
    DisplayGridStyle(graph.gridStyle);
    DisplayAxesStyle(graph.GetAxesStyle());
    DisplayEqualScaling(graph.equalScaling);
    DisplayOriginAlwaysViewable(graph.originAlwaysViewable);
    DisplayAxesAlwaysViewable(graph.axesAlwaysViewable);
    DisplayXAxisLabelPosition(graph.GetXAxisLabelPosition());
    DisplayYAxisLabelPosition(graph.GetYAxisLabelPosition());
    DisplayXTickLabelPosition(graph.GetXTickLabelPosition());
    DisplayYTickLabelPosition(graph.GetYTickLabelPosition());
}

void coordSysProperties::ShowFirstAt(const wxPoint& place)
{
    if (!placed)
        Move(place);
    placed = true;
    Show(true);
}

void coordSysProperties::DisplayXMin(double value) { ShowDouble(xMinText, value); }
void coordSysProperties::DisplayXMax(double value) { ShowDouble(xMaxText, value); }
void coordSysProperties::DisplayYMin(double value) { ShowDouble(yMinText, value); }
void coordSysProperties::DisplayYMax(double value) { ShowDouble(yMaxText, value); }

void coordSysProperties::DisplayXAxisLabel(const std::string& text)
{
    xAxisLabelText->SetValue(Text(text));
}

void coordSysProperties::DisplayYAxisLabel(const std::string& text)
{
    yAxisLabelText->SetValue(Text(text));
}

void coordSysProperties::DisplayXAutoScale(bool on) { xAutoScaleBox->SetValue(on); }
void coordSysProperties::DisplayYAutoScale(bool on) { yAutoScaleBox->SetValue(on); }
void coordSysProperties::DisplayXTrigScale(bool on) { xTrigScaleBox->SetValue(on); }
void coordSysProperties::DisplayYTrigScale(bool on) { yTrigScaleBox->SetValue(on); }
void coordSysProperties::DisplayEqualScaling(bool on) { equalScalingBox->SetValue(on); }
void coordSysProperties::DisplayOriginAlwaysViewable(bool on) { originViewableBox->SetValue(on); }
void coordSysProperties::DisplayAxesAlwaysViewable(bool on) { axesViewableBox->SetValue(on); }

void coordSysProperties::DisplayXMaxTicks(int count) { DisplayMaxTicks(XTickField(), count); }
void coordSysProperties::DisplayYMaxTicks(int count) { DisplayMaxTicks(YTickField(), count); }
void coordSysProperties::DisplayXTickUnit(double unit) { DisplayTickUnit(XTickField(), unit); }
void coordSysProperties::DisplayYTickUnit(double unit) { DisplayTickUnit(YTickField(), unit); }

void coordSysProperties::DisplayGridStyle(int style)
{
    gridChoice->SetSelection(propertiesChoices::CodeIndex(style, gridChoice->GetCount()));
}

void coordSysProperties::DisplayAxesStyle(int style)
{
    axesChoice->SetSelection(propertiesChoices::CodeIndex(style, axesChoice->GetCount()));
}

void coordSysProperties::DisplayXTickLabelPosition(int position)
{
    xTickPosChoice->SetSelection(propertiesChoices::XTickPositionIndex(position));
}

void coordSysProperties::DisplayYTickLabelPosition(int position)
{
    yTickPosChoice->SetSelection(propertiesChoices::YTickPositionIndex(position));
}

void coordSysProperties::DisplayXAxisLabelPosition(int position)
{
    xLabelPosChoice->SetSelection(propertiesChoices::AxisLabelPositionIndex(position));
}

void coordSysProperties::DisplayYAxisLabelPosition(int position)
{
    yLabelPosChoice->SetSelection(propertiesChoices::AxisLabelPositionIndex(position));
}

void coordSysProperties::SwapTickField(wxStaticText* caption, wxTextCtrl* field, bool checked,
                                       int& savedMaxTicks, double& savedTickUnit)
{
    if (checked) {
        savedTickUnit = ReadDouble(field);
        ShowMaxTicks(caption, field, savedMaxTicks);
    } else {
        savedMaxTicks = ReadInt(field);
        ShowTickUnit(caption, field, savedTickUnit);
    }
}

coordSysProperties::tickField coordSysProperties::XTickField()
{
    return {xAutoScaleBox, xTickCaption, xTickText, savedXMaxTicks, savedXTickUnit};
}

coordSysProperties::tickField coordSysProperties::YTickField()
{
    return {yAutoScaleBox, yTickCaption, yTickText, savedYMaxTicks, savedYTickUnit};
}

void coordSysProperties::DisplayMaxTicks(const tickField& field, int count)
{
    field.savedMaxTicks = count;
    if (field.autoScaleBox->GetValue())
        ShowMaxTicks(field.caption, field.text, count);
}

void coordSysProperties::DisplayTickUnit(const tickField& field, double unit)
{
    field.savedTickUnit = unit;
    if (!field.autoScaleBox->GetValue())
        ShowTickUnit(field.caption, field.text, unit);
}

void coordSysProperties::ShowMaxTicks(wxStaticText* caption, wxTextCtrl* field, int count)
{
    Relabel(caption, _("max ticks:"));
    field->SetValue(Text(propertiesNumbers::FormatInt(count)));
}

void coordSysProperties::ShowTickUnit(wxStaticText* caption, wxTextCtrl* field, double unit)
{
    Relabel(caption, _("tick unit:"));
    ShowDouble(field, unit);
}

// A caption of another length moves what follows it in its row, so the panel is laid out again.
void coordSysProperties::Relabel(wxStaticText* caption, const wxString& label)
{
    if (caption->GetLabel() == label)
        return;
    caption->SetLabel(label);
    caption->GetParent()->Layout();
}

double coordSysProperties::ReadTickUnit(const tickField& field)
{
    if (!field.autoScaleBox->GetValue())
        field.savedTickUnit = ReadDouble(field.text);
    return field.savedTickUnit;
}

int coordSysProperties::ReadMaxTicks(const tickField& field)
{
    if (field.autoScaleBox->GetValue())
        field.savedMaxTicks = ReadInt(field.text);
    return field.savedMaxTicks;
}

double coordSysProperties::ReadXMin() const { return ReadDouble(xMinText); }
double coordSysProperties::ReadXMax() const { return ReadDouble(xMaxText); }
double coordSysProperties::ReadYMin() const { return ReadDouble(yMinText); }
double coordSysProperties::ReadYMax() const { return ReadDouble(yMaxText); }
bool coordSysProperties::ReadXAutoScale() const { return xAutoScaleBox->GetValue(); }
bool coordSysProperties::ReadYAutoScale() const { return yAutoScaleBox->GetValue(); }
double coordSysProperties::ReadXTickUnit() { return ReadTickUnit(XTickField()); }
double coordSysProperties::ReadYTickUnit() { return ReadTickUnit(YTickField()); }
int coordSysProperties::ReadXMaxTicks() { return ReadMaxTicks(XTickField()); }
int coordSysProperties::ReadYMaxTicks() { return ReadMaxTicks(YTickField()); }

std::string coordSysProperties::ReadXAxisLabel() const
{
    return xAxisLabelText->GetValue().utf8_string();
}

std::string coordSysProperties::ReadYAxisLabel() const
{
    return yAxisLabelText->GetValue().utf8_string();
}

bool coordSysProperties::ReadXTrigScale() const { return xTrigScaleBox->GetValue(); }
bool coordSysProperties::ReadYTrigScale() const { return yTrigScaleBox->GetValue(); }
bool coordSysProperties::ReadEqualScaling() const { return equalScalingBox->GetValue(); }
bool coordSysProperties::ReadOriginAlwaysViewable() const { return originViewableBox->GetValue(); }
bool coordSysProperties::ReadAxesAlwaysViewable() const { return axesViewableBox->GetValue(); }
int coordSysProperties::ReadGridStyle() const { return gridChoice->GetSelection(); }
int coordSysProperties::ReadAxesStyle() const { return axesChoice->GetSelection(); }

int coordSysProperties::ReadXTickLabelPosition() const
{
    return propertiesChoices::XTickPositionValue(xTickPosChoice->GetSelection());
}

int coordSysProperties::ReadYTickLabelPosition() const
{
    return propertiesChoices::YTickPositionValue(yTickPosChoice->GetSelection());
}

int coordSysProperties::ReadXAxisLabelPosition() const
{
    return propertiesChoices::AxisLabelPositionValue(xLabelPosChoice->GetSelection());
}

int coordSysProperties::ReadYAxisLabelPosition() const
{
    return propertiesChoices::AxisLabelPositionValue(yLabelPosChoice->GetSelection());
}

bool coordSysProperties::Apply()
{
    if (!FieldsAreNumbers())
        return false;
    const double xmin = ReadXMin();
    const double xmax = ReadXMax();
    const double ymin = ReadYMin();
    const double ymax = ReadYMax();
    if (!RangeAccepted(xmin, xmax, xMaxText, _("xmax must be greater than xmin."),
                       _("The x range is too wide to be shown.")) ||
        !RangeAccepted(ymin, ymax, yMaxText, _("ymax must be greater than ymin."),
                       _("The y range is too wide to be shown.")))
        return false;
    WriteXAxis(xmin, xmax);
    WriteYAxis(ymin, ymax);
    WriteGeneral();
    WritePositions();
    TellOwner();
    DisplayXTickUnit(settings.GetXTickUnit());
    DisplayYTickUnit(settings.GetYTickUnit());
    return true;
}

// Every number field in the window's order, each named as the messages name it; the first that
// holds anything but a number is refused.
bool coordSysProperties::FieldsAreNumbers()
{
    const std::pair<wxTextCtrl*, wxString> fields[] = {
        {xMinText, "xmin"},
        {xMaxText, "xmax"},
        {xTickText, xAutoScaleBox->GetValue() ? _("x max ticks") : _("x tick unit")},
        {yMinText, "ymin"},
        {yMaxText, "ymax"},
        {yTickText, yAutoScaleBox->GetValue() ? _("y max ticks") : _("y tick unit")}};
    for (const auto& [field, name] : fields)
        if (!propertiesNumbers::IsNumber(Typed(field)))
            return Refuse(field, wxString::Format(_("%s must be a number."), name));
    return true;
}

bool coordSysProperties::RangeAccepted(double min, double max, wxTextCtrl* maxField,
                                       const wxString& notRising, const wxString& notFinite)
{
    const propertiesNumbers::rangeCheck check = propertiesNumbers::CheckRange(min, max);
    if (check == propertiesNumbers::RANGE_OK)
        return true;
    return Refuse(maxField, check == propertiesNumbers::RANGE_NOT_RISING ? notRising : notFinite);
}

// The message box takes the focus, and the desktop hands it on to another window when the box
// closes; it comes back to the refused field, its text selected to be typed over.
bool coordSysProperties::Refuse(wxTextCtrl* field, const wxString& message)
{
    wxMessageBox(message, _("Error"), wxOK | wxICON_ERROR, this);
    Raise();
    field->SetFocus();
    field->SelectAll();
    return false;
}

// Handled at once, so the tick units the owner's new view chose can be shown next.
void coordSysProperties::TellOwner()
{
    wxCommandEvent applied(coordSysPropertiesApplied, GetId());
    applied.SetEventObject(this);
    GetParent()->GetEventHandler()->ProcessEvent(applied);
}

// Only the tick value on show is written; the other stays as the graph has it.
void coordSysProperties::WriteXAxis(double min, double max)
{
    settings.SetXMin(min);
    settings.SetXMax(max);
    settings.xTrigScale = ReadXTrigScale();
    settings.SetXAutoScale(ReadXAutoScale());
    if (ReadXAutoScale())
        settings.SetXMaxTicks(ReadXMaxTicks());
    else
        settings.SetXTickUnit(ReadXTickUnit());
    settings.SetXAxisLabel(ReadXAxisLabel());
}

void coordSysProperties::WriteYAxis(double min, double max)
{
    settings.SetYMin(min);
    settings.SetYMax(max);
    settings.yTrigScale = ReadYTrigScale();
    settings.SetYAutoScale(ReadYAutoScale());
    if (ReadYAutoScale())
        settings.SetYMaxTicks(ReadYMaxTicks());
    else
        settings.SetYTickUnit(ReadYTickUnit());
    settings.SetYAxisLabel(ReadYAxisLabel());
}

// A grid style the list does not have was shown with nothing selected; unless the user picks
// one, the graph keeps its own.
void coordSysProperties::WriteGeneral()
{
    if (ReadGridStyle() != wxNOT_FOUND)
        settings.gridStyle = ReadGridStyle();
    settings.SetAxesStyle(ReadAxesStyle());
    settings.equalScaling = ReadEqualScaling();
    settings.originAlwaysViewable = ReadOriginAlwaysViewable();
    settings.axesAlwaysViewable = ReadAxesAlwaysViewable();
}

void coordSysProperties::WritePositions()
{
    settings.SetXTickLabelPosition(ReadXTickLabelPosition());
    settings.SetYTickLabelPosition(ReadYTickLabelPosition());
    settings.SetXAxisLabelPosition(ReadXAxisLabelPosition());
    settings.SetYAxisLabelPosition(ReadYAxisLabelPosition());
}

// The close box only hides the window; a close that cannot be refused ends it.
void coordSysProperties::OnPropertiesClose(wxCloseEvent& event)
{
    if (event.CanVeto())
        Show(false);
    else
        Destroy();
}

void coordSysProperties::OnOK(wxCommandEvent&)
{
    if (Apply())
        Show(false);
}

void coordSysProperties::OnCancel(wxCommandEvent&) { Show(false); }

void coordSysProperties::OnApply(wxCommandEvent&) { Apply(); }

void coordSysProperties::OnXAutoScale(wxCommandEvent& event)
{
    SwapTickField(xTickCaption, xTickText, event.IsChecked(), savedXMaxTicks, savedXTickUnit);
}

void coordSysProperties::OnYAutoScale(wxCommandEvent& event)
{
    SwapTickField(yTickCaption, yTickText, event.IsChecked(), savedYMaxTicks, savedYTickUnit);
}
