#pragma once
#include <wx/event.h>
#include <wx/frame.h>

#include <initializer_list>
#include <string>

class coordSysSettings;
class wxButton;
class wxCheckBox;
class wxChoice;
class wxPanel;
class wxSizer;
class wxStaticBoxSizer;
class wxStaticText;
class wxTextCtrl;

// Sent to the properties window's owner once Apply has written the settings, and handled before
// Apply goes on: the owner recomputes its view and shows its picture anew.
wxDECLARE_EVENT(coordSysPropertiesApplied, wxCommandEvent);

// The small tool window that edits the axis, tick, label, grid and axes settings of one graph.
// The graph creates it hidden, fills and shows it on request, and destroys it with itself; the
// window is the graph's child, writes into the graph's settings only on Apply, and then tells
// the graph with coordSysPropertiesApplied. It knows the graph only as a window and a settings
// model.
//
// Each axis has one tick field: it shows the tick unit while the axis's "autoscale" box is
// unchecked and the maximum number of ticks while it is checked. The value not on show is kept
// in a saved member, so that toggling the box swaps the two without losing either.
class coordSysProperties : public wxFrame {
public:
    enum {
        ID_PROPS_OK = 0,
        ID_PROPS_CANCEL = 1,
        ID_PROPS_APPLY = 2,
        ID_X_AUTOSCALE = 3,
        ID_Y_AUTOSCALE = 4
    };

    // The window edits `settings` and tells `owner`, its parent. The style argument is not used:
    // the window always has a small caption with a close box, stays above its graph, has no
    // task-bar button and cannot be resized.
    coordSysProperties(wxWindow* owner, coordSysSettings& settings, wxWindowID id,
                       const wxString& title, const wxPoint& pos, const wxSize& size, long style);
    // For a graph that is both the window and its settings.
    template <typename graphWindow>
    coordSysProperties(graphWindow* graph, wxWindowID id, const wxString& title, const wxPoint& pos,
                       const wxSize& size, long style)
        : coordSysProperties(graph, *graph, id, title, pos, size, style)
    {
    }

    // Shows every setting of the graph, replacing whatever the controls hold.
    void DisplaySettings(const coordSysSettings& graph);
    // Shows the window: the first time at the given screen point, later where it was left.
    void ShowFirstAt(const wxPoint& place);

    void DisplayXMin(double value);
    void DisplayXMax(double value);
    void DisplayYMin(double value);
    void DisplayYMax(double value);
    void DisplayXAxisLabel(const std::string& text);
    void DisplayYAxisLabel(const std::string& text);
    void DisplayXAutoScale(bool on);
    void DisplayYAutoScale(bool on);
    void DisplayXTrigScale(bool on);
    void DisplayYTrigScale(bool on);
    void DisplayEqualScaling(bool on);
    void DisplayOriginAlwaysViewable(bool on);
    void DisplayAxesAlwaysViewable(bool on);
    // Kept as the saved value; shown in the tick field only while the autoscale box is checked
    // (max ticks) or unchecked (tick unit). So set the autoscale box first.
    void DisplayXMaxTicks(int count);
    void DisplayYMaxTicks(int count);
    void DisplayXTickUnit(double unit);
    void DisplayYTickUnit(double unit);
    // A style the list does not have leaves the choice with nothing selected.
    void DisplayGridStyle(int style);
    void DisplayAxesStyle(int style);
    void DisplayXTickLabelPosition(int position);
    void DisplayYTickLabelPosition(int position);
    void DisplayXAxisLabelPosition(int position);
    void DisplayYAxisLabelPosition(int position);

    // What an autoscale click does to the axis's tick field: the value on show is read back
    // into its saved member and the other saved value takes its place, with the caption
    // naming it. checked is the box's new state.
    void SwapTickField(wxStaticText* caption, wxTextCtrl* field, bool checked, int& savedMaxTicks,
                       double& savedTickUnit);

    double ReadXMin() const;
    double ReadXMax() const;
    double ReadYMin() const;
    double ReadYMax() const;
    bool ReadXAutoScale() const;
    bool ReadYAutoScale() const;
    // The tick field read into its saved member when it shows that value; the saved one
    // otherwise.
    double ReadXTickUnit();
    double ReadYTickUnit();
    int ReadXMaxTicks();
    int ReadYMaxTicks();
    std::string ReadXAxisLabel() const;
    std::string ReadYAxisLabel() const;
    bool ReadXTrigScale() const;
    bool ReadYTrigScale() const;
    bool ReadEqualScaling() const;
    bool ReadOriginAlwaysViewable() const;
    bool ReadAxesAlwaysViewable() const;
    // The selected item, which is the style's code; -1 when nothing is selected.
    int ReadGridStyle() const;
    int ReadAxesStyle() const;
    int ReadXTickLabelPosition() const;
    int ReadYTickLabelPosition() const;
    int ReadXAxisLabelPosition() const;
    int ReadYAxisLabelPosition() const;

    // Checks that every number field holds a number and that both ranges rise and, when they
    // do, writes every setting and sends coordSysPropertiesApplied to the graph, which
    // recomputes its view, tells its parents and shows its picture anew; the tick fields then
    // show the tick units the graph now uses. A field that is not a number or a wrong range is
    // answered with an "Error" message box naming it, nothing is written, and the user is put back
    // into that field. Values the graph refuses (a tick unit not above 0, max ticks below 2) leave
    // its setting as it was.
    bool Apply();

private:
    // One axis's tick field with the box that decides what it shows and its saved values.
    struct tickField {
        wxCheckBox* autoScaleBox;
        wxStaticText* caption;
        wxTextCtrl* text;
        int& savedMaxTicks;
        double& savedTickUnit;
    };
    struct sizerEntry {
        wxWindow* window;
        int flags;
        int border;
    };

    void CreateControls(wxWindow* owner, wxWindowID id, const wxString& title, const wxPoint& pos,
                        const wxSize& size);
    void CreateXAxisControls();
    void CreateYAxisControls();
    void CreateGeneralControls();
    void InitialiseControls();
    void SizeTickCaptions();
    void BuildLayout();
    static wxSizer* RangeRow(wxWindow* minCaption, wxWindow* minText, wxWindow* maxCaption,
                             wxWindow* maxText);
    static wxSizer* LabelRow(wxWindow* caption, wxWindow* text, wxWindow* posCaption,
                             wxWindow* posChoice, wxWindow* trigScaleBox);
    wxSizer* GeneralRows();
    static void FitTo(wxWindow* window, wxSizer* sizer);
    wxStaticText* NewCaption(const wxString& label, long style = 0);
    wxTextCtrl* NewText();
    wxCheckBox* NewCheckBox(const wxString& label, wxWindowID id = wxID_ANY);
    wxChoice* NewChoice(std::initializer_list<wxString> items);
    wxButton* NewButton(const wxString& label, wxWindowID id);
    static wxSizer* Row(std::initializer_list<sizerEntry> entries);
    static void AddRows(wxSizer* group, std::initializer_list<wxSizer*> rows);

    tickField XTickField();
    tickField YTickField();
    static void DisplayMaxTicks(const tickField& field, int count);
    static void DisplayTickUnit(const tickField& field, double unit);
    static void ShowMaxTicks(wxStaticText* caption, wxTextCtrl* field, int count);
    static void ShowTickUnit(wxStaticText* caption, wxTextCtrl* field, double unit);
    static void Relabel(wxStaticText* caption, const wxString& label);
    static double ReadTickUnit(const tickField& field);
    static int ReadMaxTicks(const tickField& field);

    bool FieldsAreNumbers();
    bool RangeAccepted(double min, double max, wxTextCtrl* maxField, const wxString& notRising,
                       const wxString& notFinite);
    // Shows the "Error" box with the message, then puts the user back into the field.
    bool Refuse(wxTextCtrl* field, const wxString& message);
    void TellOwner();
    void WriteXAxis(double min, double max);
    void WriteYAxis(double min, double max);
    void WriteGeneral();
    void WritePositions();

    void OnPropertiesClose(wxCloseEvent& event);
    void OnOK(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnApply(wxCommandEvent& event);
    void OnXAutoScale(wxCommandEvent& event);
    void OnYAutoScale(wxCommandEvent& event);

    coordSysSettings& settings;
    bool placed = false;
    // Set by every fill before the window is first shown; the defaults only keep an Apply on a
    // window never shown from reading indeterminate values.
    int savedXMaxTicks = 10;
    int savedYMaxTicks = 10;
    double savedXTickUnit = 1;
    double savedYTickUnit = 1;
    wxStaticBoxSizer* yAxisSizer = nullptr;
    wxStaticBoxSizer* xAxisSizer = nullptr;
    wxStaticText* xMinCaption = nullptr;
    wxTextCtrl* xMinText = nullptr;
    wxStaticText* xMaxCaption = nullptr;
    wxTextCtrl* xMaxText = nullptr;
    wxCheckBox* xAutoScaleBox = nullptr;
    wxStaticText* xTickCaption = nullptr;
    wxTextCtrl* xTickText = nullptr;
    wxStaticText* xTickPosCaption = nullptr;
    wxChoice* xTickPosChoice = nullptr;
    wxStaticText* xAxisLabelCaption = nullptr;
    wxTextCtrl* xAxisLabelText = nullptr;
    wxStaticText* xLabelPosCaption = nullptr;
    wxChoice* xLabelPosChoice = nullptr;
    wxCheckBox* xTrigScaleBox = nullptr;
    wxStaticText* yMinCaption = nullptr;
    wxTextCtrl* yMinText = nullptr;
    wxStaticText* yMaxCaption = nullptr;
    wxTextCtrl* yMaxText = nullptr;
    wxCheckBox* yAutoScaleBox = nullptr;
    wxStaticText* yTickCaption = nullptr;
    wxTextCtrl* yTickText = nullptr;
    wxStaticText* yTickPosCaption = nullptr;
    wxChoice* yTickPosChoice = nullptr;
    wxStaticText* yAxisLabelCaption = nullptr;
    wxTextCtrl* yAxisLabelText = nullptr;
    wxStaticText* yLabelPosCaption = nullptr;
    wxChoice* yLabelPosChoice = nullptr;
    wxCheckBox* yTrigScaleBox = nullptr;
    wxStaticText* gridCaption = nullptr;
    wxChoice* gridChoice = nullptr;
    wxStaticText* axesCaption = nullptr;
    wxChoice* axesChoice = nullptr;
    wxCheckBox* equalScalingBox = nullptr;
    wxCheckBox* originViewableBox = nullptr;
    wxCheckBox* axesViewableBox = nullptr;
    wxButton* okButton = nullptr;
    wxButton* cancelButton = nullptr;
    wxButton* applyButton = nullptr;
    wxPanel* panel = nullptr;

    wxDECLARE_EVENT_TABLE();
};
