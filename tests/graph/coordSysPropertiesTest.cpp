#include "graph/properties/coordSysProperties.h"

#include "graph/coordSys.h"
#include "graphWindowFixture.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include <iterator>
#include <string>

namespace {

// The controls by their place in the creation order (1 is the "y axis" box).
enum control {
    X_MIN = 4,
    X_MAX = 6,
    X_AUTOSCALE = 7,
    X_TICK_CAPTION = 8,
    X_TICK = 9,
    X_TICK_POS = 11,
    X_AXIS_LABEL = 13,
    X_LABEL_POS = 15,
    X_TRIG = 16,
    Y_MIN = 18,
    Y_MAX = 20,
    Y_AUTOSCALE = 21,
    Y_TICK_CAPTION = 22,
    Y_TICK = 23,
    Y_TICK_POS = 25,
    Y_LABEL_POS = 29,
    GRID_CAPTION = 31,
    GRID = 32,
    AXES = 34,
    EQUAL_SCALING = 35,
    ORIGIN_VIEWABLE = 36,
    OK_BUTTON = 38,
    CANCEL_BUTTON = 39,
    APPLY_BUTTON = 40,
};

// Expects the properties window's "Error" box with the given message and answers it.
class ExpectError : public wxExpectModal<wxMessageDialog> {
public:
    explicit ExpectError(const wxString& message)
        : wxExpectModal<wxMessageDialog>(wxID_OK), message(message)
    {
    }

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetTitle(), "Error");
        EXPECT_EQ(dialog->GetMessage(), message);
        EXPECT_TRUE(dialog->GetMessageDialogStyle() & wxICON_ERROR);
        return wxID_OK;
    }

private:
    wxString message;
};

class coordSysPropertiesWindow : public graphWindowFixture {
protected:
    void SetUp() override
    {
        graphWindowFixture::SetUp();
        graph = new coordSys(parent, 5, wxDefaultPosition, wxSize(300, 200));
        window = graph->GetPropertiesWindow();
    }

    // The control at a place in the creation order, as the kind it must be.
    template <class kind> kind* Control(int place) const
    {
        wxWindow* panel = window->GetChildren()[0];
        auto* found = dynamic_cast<kind*>(panel->GetChildren()[place - 1]);
        EXPECT_NE(found, nullptr) << "control " << place;
        return found;
    }
    wxString Field(int place) const { return Control<wxTextCtrl>(place)->GetValue(); }
    void Type(int place, const wxString& text) { Control<wxTextCtrl>(place)->SetValue(text); }
    wxString Caption(int place) const { return Control<wxStaticText>(place)->GetLabel(); }
    wxString Selected(int place) const { return Control<wxChoice>(place)->GetStringSelection(); }
    void Select(int place, int item) { Control<wxChoice>(place)->SetSelection(item); }

    // What a user's click on a check box or a button sends.
    void Click(int place)
    {
        wxWindow* control = Control<wxWindow>(place);
        auto* box = dynamic_cast<wxCheckBox*>(control);
        wxCommandEvent event(box ? wxEVT_CHECKBOX : wxEVT_BUTTON, control->GetId());
        if (box) {
            box->SetValue(!box->GetValue());
            event.SetInt(box->GetValue());
        }
        event.SetEventObject(control);
        control->GetEventHandler()->ProcessEvent(event);
    }

    // The requested ranges and the labels, which a refused Apply must leave alone.
    std::string GraphState() const
    {
        return std::to_string(graph->GetXMin()) + " " + std::to_string(graph->GetXMax()) + " " +
               std::to_string(graph->GetYMin()) + " " + std::to_string(graph->GetYMax()) + " " +
               graph->GetXAxisLabel() + " " + std::to_string(graph->GetXAutoScale());
    }

    coordSys* graph = nullptr;
    coordSysProperties* window = nullptr;
};

} // namespace

TEST_F(coordSysPropertiesWindow, StartsHiddenWithEveryControlInItsPlace)
{
    // Every control, in creation order: its kind's text (a choice lists its items and marks
    // the selected one with *), and its identifier where it has a fixed one.
    const char* expected[] = {
        "y axis", "x axis",
        "minimum:", "", "maximum:", "", "autoscale#3", "tick unit:", "", "tick label pos:",
        "*above axis|below axis", "axis label:", "", "label pos:",
        "*above left|above right|below left|below right", "trig scale",
        "minimum:", "", "maximum:", "", "autoscale#4", "tick unit:", "", "tick label pos:",
        "*left of axis|right of axis", "axis label", "", "label pos:",
        "*top left|top right|bottom left|bottom right", "trig scale",
        "grid:", "no grid|horizontal grid|vertical grid|*rectangular grid|polar grid",
        "axes:", "no axes|horizontal axis|vertical axis|*both axes",
        "equal scaling", "Origin is always viewable", "Axes are always viewable",
        "&OK#0", "&Cancel#1", "&Apply#2"};
    const wxWindowList& controls = window->GetChildren()[0]->GetChildren();
    ASSERT_EQ(controls.size(), std::size(expected));
    for (size_t i = 0; i < controls.size(); ++i) {
        wxString seen = controls[i]->GetLabel();
        if (auto* text = dynamic_cast<wxTextCtrl*>(controls[i]))
            seen = text->GetValue();
        if (auto* choice = dynamic_cast<wxChoice*>(controls[i])) {
            seen.clear();
            for (unsigned item = 0; item < choice->GetCount(); ++item)
                seen << (item ? "|" : "") << (int(item) == choice->GetSelection() ? "*" : "")
                     << choice->GetString(item);
        }
        if (controls[i]->GetId() >= 0)
            seen << "#" << controls[i]->GetId();
        EXPECT_EQ(seen, expected[i]) << "control " << i + 1;
    }

    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(window->GetTitle(), "Properties");
    EXPECT_EQ(window->GetParent(), graph);
    EXPECT_EQ(Control<wxTextCtrl>(X_TICK)->GetSize().x, 75);
    EXPECT_EQ(window->GetDefaultItem(), Control<wxButton>(OK_BUTTON));
    EXPECT_EQ(Control<wxStaticText>(GRID_CAPTION)->GetWindowStyle() & wxALIGN_RIGHT, wxALIGN_RIGHT);

    // Whatever title and style it is given, it is the same fixed tool window.
    auto* another = new coordSysProperties(graph, wxID_ANY, "given", wxDefaultPosition,
                                           wxDefaultSize, wxDEFAULT_FRAME_STYLE);
    EXPECT_EQ(another->GetTitle(), "Properties");
    const long style = another->GetWindowStyleFlag();
    EXPECT_EQ(style & (wxRESIZE_BORDER | wxMINIMIZE_BOX | wxMAXIMIZE_BOX), 0);
    EXPECT_EQ(style & (wxCLOSE_BOX | wxFRAME_TOOL_WINDOW | wxFRAME_FLOAT_ON_PARENT),
              wxCLOSE_BOX | wxFRAME_TOOL_WINDOW | wxFRAME_FLOAT_ON_PARENT);
}

TEST_F(coordSysPropertiesWindow, ShowPropertiesFillsEveryControlFromTheGraph)
{
    graph->SetXMin(1.0 / 3);
    graph->SetXAxisLabel("t [s]");
    graph->SetXMaxTicks(7); // x autoscale stays on: the field shows max ticks
    graph->SetYTickUnit(0.25); // turns y autoscale off: the field shows the tick unit
    graph->SetXAxisLabelPosition(9);
    graph->SetYAxisLabelPosition(10);
    graph->SetXTickLabelPosition(2);
    graph->SetYTickLabelPosition(8);
    graph->SetAxesStyle(2);
    graph->xTrigScale = graph->equalScaling = true;
    graph->ShowProperties();

    EXPECT_TRUE(window->IsShown());
    EXPECT_EQ(Field(X_MIN), "0.333333333333");
    EXPECT_EQ(Field(X_MAX), "5");
    EXPECT_EQ(Field(X_AXIS_LABEL), "t [s]");
    EXPECT_EQ(Caption(X_TICK_CAPTION) + Field(X_TICK), "max ticks:7");
    EXPECT_EQ(Caption(Y_TICK_CAPTION) + Field(Y_TICK), "tick unit:0.25");
    EXPECT_EQ(Selected(X_LABEL_POS) + "," + Selected(Y_LABEL_POS), "below right,top right");
    EXPECT_EQ(Selected(X_TICK_POS) + "," + Selected(Y_TICK_POS), "above axis,right of axis");
    EXPECT_EQ(Selected(GRID) + "," + Selected(AXES), "rectangular grid,vertical axis");
    EXPECT_TRUE(Control<wxCheckBox>(X_TRIG)->GetValue());
    EXPECT_TRUE(Control<wxCheckBox>(EQUAL_SCALING)->GetValue());
    EXPECT_FALSE(Control<wxCheckBox>(ORIGIN_VIEWABLE)->GetValue());

    // The value not on show is kept: switching the boxes brings the graph's other value.
    Click(X_AUTOSCALE);
    EXPECT_EQ(Caption(X_TICK_CAPTION) + Field(X_TICK), "tick unit:1");
    Click(Y_AUTOSCALE);
    EXPECT_EQ(Caption(Y_TICK_CAPTION) + Field(Y_TICK), "max ticks:10");

    // A grid style the list lacks selects nothing, and Apply keeps it.
    graph->gridStyle = 7;
    graph->ShowProperties();
    EXPECT_EQ(Control<wxChoice>(GRID)->GetSelection(), wxNOT_FOUND);
    EXPECT_TRUE(window->Apply());
    EXPECT_EQ(graph->gridStyle, 7);
}

TEST_F(coordSysPropertiesWindow, AutoscaleClicksSwapTheTickFieldKeepingTheOtherValue)
{
    graph->SetXTickUnit(0.5);
    graph->ShowProperties();
    // typed while the field shows ..., then the box is clicked twice: what each click shows
    const struct { const char* typed; const char* first; const char* second; } cases[] = {
        {"0.5", "max ticks:10", "tick unit:0.5"},
        {"abc", "max ticks:10", "tick unit:0"},
        {"2.5e-3 units", "max ticks:10", "tick unit:0.0025"},
    };
    for (const auto& c : cases) {
        Type(X_TICK, c.typed);
        Click(X_AUTOSCALE);
        EXPECT_EQ(Caption(X_TICK_CAPTION) + Field(X_TICK), c.first) << c.typed;
        Click(X_AUTOSCALE);
        EXPECT_EQ(Caption(X_TICK_CAPTION) + Field(X_TICK), c.second) << c.typed;
    }
    // While it shows max ticks, a count is read as its leading integer.
    Click(Y_AUTOSCALE);
    EXPECT_EQ(Caption(Y_TICK_CAPTION) + Field(Y_TICK), "tick unit:1");
    Click(Y_AUTOSCALE);
    Type(Y_TICK, "7.9");
    Click(Y_AUTOSCALE);
    Click(Y_AUTOSCALE);
    EXPECT_EQ(Caption(Y_TICK_CAPTION) + Field(Y_TICK), "max ticks:7");
    EXPECT_EQ(graph->GetYMaxTicks(), 10) << "nothing is written before Apply";
}

TEST_F(coordSysPropertiesWindow, WrongRangeIsRefusedWithAMessageAndNothingWritten)
{
    graph->ShowProperties();
    const std::string before = GraphState();
    const wxString xOrder = "xmax must be greater than xmin.";
    const wxString yOrder = "ymax must be greater than ymin.";
    const struct { const char *xmin, *xmax, *ymin, *ymax; wxString message; } cases[] = {
        {"5", "5", "-5", "5", xOrder},
        {"0", "10", "3", "1", yOrder},
        {"3", "1", "3", "1", xOrder}, // both wrong: the x message alone
        {"", "", "0", "1", xOrder},   // empty fields read as 0
        {"nan", "1", "0", "1", xOrder},
        {"0", "1e999", "0", "1", "The x range is too wide to be shown."},
        {"0", "1", "-1e308", "1e308", "The y range is too wide to be shown."},
    };
    for (const auto& c : cases) {
        Type(X_MIN, c.xmin);
        Type(X_MAX, c.xmax);
        Type(Y_MIN, c.ymin);
        Type(Y_MAX, c.ymax);
        Type(X_AXIS_LABEL, "edited");
        Click(X_AUTOSCALE);
        wxTEST_DIALOG(Click(OK_BUTTON), ExpectError(c.message));
        EXPECT_TRUE(window->IsShown()) << c.xmin;
        wxTEST_DIALOG(Click(APPLY_BUTTON), ExpectError(c.message));
        EXPECT_EQ(GraphState(), before) << c.xmin;
    }
    EXPECT_TRUE(rangeChanged.empty());
}

TEST_F(coordSysPropertiesWindow, ApplyWritesEverySettingAndShowsTheTickUnitsInUse)
{
    graph->ShowProperties();
    Type(X_MIN, "0");
    Type(X_MAX, "20");
    Type(X_TICK, "6"); // x autoscale is on: max ticks
    Type(X_AXIS_LABEL, "rolls");
    Click(X_TRIG);
    Click(Y_AUTOSCALE);
    Type(Y_TICK, "-1"); // refused by the graph, which keeps its tick unit
    Select(X_TICK_POS, 0);
    Select(Y_TICK_POS, 1);
    Select(X_LABEL_POS, 2);
    Select(Y_LABEL_POS, 3);
    Select(GRID, 0);
    Select(AXES, 1);
    Click(EQUAL_SCALING);
    Click(ORIGIN_VIEWABLE);
    const double yUnit = graph->GetYTickUnit();

    Click(APPLY_BUTTON);
    EXPECT_TRUE(window->IsShown());
    EXPECT_EQ(graph->GetXMin(), 0);
    EXPECT_EQ(graph->GetXMax(), 20);
    EXPECT_TRUE(graph->xTrigScale);
    EXPECT_TRUE(graph->GetXAutoScale());
    EXPECT_EQ(graph->GetXMaxTicks(), 6);
    EXPECT_EQ(graph->GetXAxisLabel(), "rolls");
    EXPECT_FALSE(graph->GetYAutoScale());
    EXPECT_EQ(graph->GetYTickUnit(), yUnit);
    EXPECT_EQ(graph->GetXTickLabelPosition(), 2);
    EXPECT_EQ(graph->GetYTickLabelPosition(), 8);
    EXPECT_EQ(graph->GetXAxisLabelPosition(), 5);
    EXPECT_EQ(graph->GetYAxisLabelPosition(), 9);
    EXPECT_EQ(graph->gridStyle, 0);
    EXPECT_EQ(graph->GetAxesStyle(), 1);
    EXPECT_TRUE(graph->equalScaling && graph->originAlwaysViewable && graph->axesAlwaysViewable);
    ASSERT_EQ(rangeChanged.size(), 1u);
    EXPECT_EQ(rangeChanged[0].GetInt(), -1);
    // The view was recomputed, and the fields show the tick units the graph now uses: the
    // refused y unit is replaced, the chosen x unit is kept for when autoscale goes off.
    EXPECT_GE(graph->GetViewXMax(), 20 * coordSysSettings::PI);
    EXPECT_EQ(Field(Y_TICK), wxString::Format("%.12g", yUnit));
    Click(X_AUTOSCALE);
    EXPECT_EQ(Field(X_TICK), wxString::Format("%.12g", graph->GetXTickUnit()));

    // Max ticks below 2 are refused too; the field keeps what was typed.
    Click(X_AUTOSCALE);
    Type(X_TICK, "1");
    Click(OK_BUTTON);
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(graph->GetXMaxTicks(), 6);
    EXPECT_EQ(Field(X_TICK), "1");
}

TEST_F(coordSysPropertiesWindow, CancelAndCloseOnlyHideAndReopeningShowsTheGraph)
{
    frame->Show();
    graph->ShowProperties();
    EXPECT_EQ(window->GetPosition(), graph->ClientToScreen(wxPoint(50, 50)));
    window->Move(window->GetPosition() + wxPoint(7, 9));
    const wxPoint movedTo = window->GetPosition();
    Type(X_MIN, "-1");
    Click(X_AUTOSCALE);
    Click(CANCEL_BUTTON);
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(graph->GetXMin(), -5);
    graph->ShowProperties();
    EXPECT_EQ(Field(X_MIN) + Caption(X_TICK_CAPTION) + Field(X_TICK), "-5max ticks:10");
    EXPECT_EQ(window->GetPosition(), movedTo) << "comes up where it was left";

    window->Close();
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(graph->GetPropertiesWindow(), window);

    // A close that cannot be refused ends the window; the graph makes a new one when asked.
    window->Close(true);
    wxTheApp->ProcessIdle();
    coordSysProperties* renewed = graph->GetPropertiesWindow();
    ASSERT_NE(renewed, nullptr);
    graph->ShowProperties();
    EXPECT_TRUE(renewed->IsShown());
}
