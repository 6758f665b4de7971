#include "graph/window/coordSysProperties.h"

#include "graph/window/bufferedCoordSys.h"
#include "graph/window/coordSys.h"
#include "graphWindowFixture.h"

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include <iterator>
#include <sstream>

namespace {

// Controls by their place in the creation order (1 is the "y axis" box).
enum place {
    X_MIN = 4,
    X_MAX = 6,
    X_AUTOSCALE = 7,
    X_TICK = 9,
    X_TICK_POS = 11,
    X_LABEL = 13,
    X_LABEL_POS = 15,
    X_TRIG = 16,
    Y_MIN = 18,
    Y_MAX = 20,
    Y_AUTOSCALE = 21,
    Y_TICK = 23,
    Y_TICK_POS = 25,
    Y_LABEL_POS = 29,
    GRID = 32,
    AXES = 34,
    EQUAL = 35,
    ORIGIN = 36,
    AXES_VIEWABLE = 37,
    OK_BUTTON = 38,
    CANCEL_BUTTON = 39,
    APPLY_BUTTON = 40
};

// Expects the "Error" box with the given message and answers it.
class ExpectError : public wxExpectModal<wxMessageDialog> {
public:
    explicit ExpectError(const wxString& text) : wxExpectModal(wxID_OK), text(text) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        EXPECT_EQ(dialog->GetTitle() + ": " + dialog->GetMessage(), "Error: " + text);
        return wxID_OK;
    }

private:
    wxString text;
};

// Answers a message box that should not have come, failing the test with its text.
class NoMessage : public wxExpectModal<wxMessageDialog> {
public:
    NoMessage() : wxExpectModal(wxID_OK) { m_isOptional = true; }

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        ADD_FAILURE() << "unexpected message: " << dialog->GetMessage();
        return wxID_OK;
    }
};

class coordSysPropertiesWindow : public graphWindowFixture {
protected:
    void SetUp() override
    {
        graphWindowFixture::SetUp();
        graph = new coordSys(parent, 5, wxDefaultPosition, wxSize(300, 200));
        window = graph->GetPropertiesWindow();
    }

    wxWindow* Control(int at) const { return window->GetChildren()[0]->GetChildren()[at - 1]; }
    wxTextCtrl* Text(int at) const { return dynamic_cast<wxTextCtrl*>(Control(at)); }
    wxChoice* Choice(int at) const { return dynamic_cast<wxChoice*>(Control(at)); }
    void Type(int at, const wxString& text) { Text(at)->SetValue(text); }
    // A tick field with its caption, as "caption text".
    wxString Tick(int at) const { return Control(at - 1)->GetLabel() + " " + Text(at)->GetValue(); }

    // What a user's click on a check box or a button sends.
    void Click(int at)
    {
        auto* box = dynamic_cast<wxCheckBox*>(Control(at));
        wxCommandEvent event(box ? wxEVT_CHECKBOX : wxEVT_BUTTON, Control(at)->GetId());
        if (box) {
            box->SetValue(!box->GetValue());
            event.SetInt(box->GetValue());
        }
        event.SetEventObject(Control(at));
        Control(at)->GetEventHandler()->ProcessEvent(event);
    }

    // Every setting the window edits, in one line.
    std::string Settings() const
    {
        std::ostringstream s;
        const coordSys& g = *graph;
        s << g.GetXMin() << ".." << g.GetXMax() << " " << g.xTrigScale << g.GetXAutoScale() << " "
          << g.GetXMaxTicks() << " " << g.GetXTickUnit() << " " << g.GetXAxisLabel() << " | "
          << g.GetYMin() << ".." << g.GetYMax() << " " << g.yTrigScale << g.GetYAutoScale() << " "
          << g.GetYMaxTicks() << " " << g.GetYTickUnit() << " " << g.GetYAxisLabel() << " | "
          << g.gridStyle << g.GetAxesStyle() << g.equalScaling << g.originAlwaysViewable
          << g.axesAlwaysViewable << " | " << g.GetXTickLabelPosition() << " "
          << g.GetYTickLabelPosition() << " " << g.GetXAxisLabelPosition() << " "
          << g.GetYAxisLabelPosition();
        return s.str();
    }

    coordSys* graph = nullptr;
    coordSysProperties* window = nullptr;
};

} // namespace

TEST_F(coordSysPropertiesWindow, StartsHiddenWithEveryControlInItsPlace)
{
    // Each control in creation order: its text (a choice's items, the selected one marked *),
    // and its identifier where it has a fixed one.
    const char* expected[] = {"y axis",
                              "x axis",
                              "minimum:",
                              "",
                              "maximum:",
                              "",
                              "autoscale#3",
                              "tick unit:",
                              "",
                              "tick label pos:",
                              "*above axis|below axis",
                              "axis label:",
                              "",
                              "label pos:",
                              "*above left|above right|below left|below right",
                              "trig scale",
                              "minimum:",
                              "",
                              "maximum:",
                              "",
                              "autoscale#4",
                              "tick unit:",
                              "",
                              "tick label pos:",
                              "*left of axis|right of axis",
                              "axis label",
                              "",
                              "label pos:",
                              "*top left|top right|bottom left|bottom right",
                              "trig scale",
                              "grid:",
                              "no grid|horizontal grid|vertical grid|*rectangular grid|polar grid",
                              "axes:",
                              "no axes|horizontal axis|vertical axis|*both axes",
                              "equal scaling",
                              "Origin is always viewable",
                              "Axes are always viewable",
                              "&OK#0",
                              "&Cancel#1",
                              "&Apply#2"};
    const wxWindowList& controls = window->GetChildren()[0]->GetChildren();
    ASSERT_EQ(controls.size(), std::size(expected));
    for (int at = 1; at <= int(controls.size()); ++at) {
        wxString seen = Text(at) ? Text(at)->GetValue() : Control(at)->GetLabel();
        if (wxChoice* choice = Choice(at)) {
            seen.clear();
            for (int item = 0; item < int(choice->GetCount()); ++item)
                seen << (item ? "|" : "") << (item == choice->GetSelection() ? "*" : "")
                     << choice->GetString(item);
        }
        if (Control(at)->GetId() >= 0)
            seen << "#" << Control(at)->GetId();
        EXPECT_EQ(seen, expected[at - 1]) << "control " << at;
    }
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(Text(X_TICK)->GetSize().x, 75);
    EXPECT_EQ(window->GetDefaultItem(), Control(OK_BUTTON));

    // Whatever title and style it is given, it is the same fixed tool window.
    auto* another = new coordSysProperties(graph, wxID_ANY, "given", wxDefaultPosition,
                                           wxDefaultSize, wxDEFAULT_FRAME_STYLE);
    EXPECT_EQ(another->GetTitle() + window->GetTitle(), "PropertiesProperties");
    const long style = another->GetWindowStyleFlag();
    const long frame = wxRESIZE_BORDER | wxMINIMIZE_BOX | wxMAXIMIZE_BOX | wxCLOSE_BOX;
    EXPECT_EQ(style & frame, wxCLOSE_BOX);
}

TEST_F(coordSysPropertiesWindow, ShowPropertiesFillsEveryControlFromTheGraph)
{
    graph->SetXMin(1.0 / 3);
    graph->SetXAxisLabel("t [s]");
    graph->SetXMaxTicks(7);    // x autoscale stays on: the field shows max ticks
    graph->SetYTickUnit(0.25); // turns y autoscale off: the field shows the tick unit
    graph->SetXAxisLabelPosition(9);
    graph->SetXTickLabelPosition(2);
    graph->SetYTickLabelPosition(8);
    graph->SetAxesStyle(2);
    graph->xTrigScale = graph->equalScaling = true;
    graph->ShowProperties();

    EXPECT_TRUE(window->IsShown());
    EXPECT_EQ(Text(X_MIN)->GetValue() + " " + Text(X_MAX)->GetValue(), "0.3333333333333333 5");
    EXPECT_EQ(Text(X_LABEL)->GetValue(), "t [s]");
    EXPECT_EQ(Tick(X_TICK) + ", " + Tick(Y_TICK), "max ticks: 7, tick unit: 0.25");
    wxString selected;
    for (int at : {X_TICK_POS, X_LABEL_POS, Y_TICK_POS, Y_LABEL_POS, GRID, AXES})
        selected << Choice(at)->GetStringSelection() << ",";
    EXPECT_EQ(selected,
              "above axis,below right,right of axis,top right,rectangular grid,vertical axis,");
    wxString checked;
    for (int at : {X_TRIG, EQUAL, ORIGIN})
        checked << dynamic_cast<wxCheckBox*>(Control(at))->GetValue();
    EXPECT_EQ(checked, "110");

    // A grid style the list lacks (from a settings document) selects nothing; Apply keeps it.
    graph->gridStyle = 7;
    graph->ShowProperties();
    EXPECT_EQ(Choice(GRID)->GetSelection(), wxNOT_FOUND);
    EXPECT_TRUE(window->Apply());
    EXPECT_EQ(graph->gridStyle, 7);
}

TEST_F(coordSysPropertiesWindow, AutoscaleClicksSwapTheTickFieldKeepingTheOtherValue)
{
    graph->SetXTickUnit(0.5);
    graph->ShowProperties();
    // typed while the field shows the tick unit: what it shows after the box is clicked twice
    const struct {
        const char* typed;
        const char* shown;
    } units[] = {
        {"0.5", "tick unit: 0.5"}, {"abc", "tick unit: 0"}, {"2.5e-3 cm", "tick unit: 0.0025"}};
    for (const auto& c : units) {
        Type(X_TICK, c.typed);
        Click(X_AUTOSCALE);
        EXPECT_EQ(Tick(X_TICK), "max ticks: 10");
        Click(X_AUTOSCALE);
        EXPECT_EQ(Tick(X_TICK), c.shown);
    }
    // A count is read as its leading integer.
    Type(Y_TICK, "7.9");
    Click(Y_AUTOSCALE);
    Click(Y_AUTOSCALE);
    EXPECT_EQ(Tick(Y_TICK), "max ticks: 7");
    EXPECT_EQ(graph->GetYMaxTicks(), 10) << "nothing is written before Apply";
}

TEST_F(coordSysPropertiesWindow, WrongRangeIsRefusedWithAMessageAndNothingWritten)
{
    graph->ShowProperties();
    const std::string before = Settings();
    const wxString x = "xmax must be greater than xmin.", y = "ymax must be greater than ymin.";
    const struct {
        const char *xmin, *xmax, *ymin, *ymax;
        wxString message;
    } cases[] = {
        {"5", "5", "-5", "5", x},
        {"0", "10", "3", "1", y},
        {"3", "1", "3", "1", x}, // both wrong: the x message alone
        {"", "", "0", "1", "xmin must be a number."},
        {"0", "1", "-1", "abc", "ymax must be a number."},
        {"0", "1e999", "0", "1", "The x range is too wide to be shown."},
        {"0", "1", "-1e308", "1e308", "The y range is too wide to be shown."},
    };
    for (const auto& c : cases) {
        for (const auto& [at, text] : {std::pair{X_MIN, c.xmin},
                                       {X_MAX, c.xmax},
                                       {Y_MIN, c.ymin},
                                       {Y_MAX, c.ymax},
                                       {X_LABEL, "edited"}})
            Type(at, text);
        Click(X_AUTOSCALE);
        wxTEST_DIALOG(Click(OK_BUTTON), ExpectError(c.message));
        wxTEST_DIALOG(Click(APPLY_BUTTON), ExpectError(c.message));
        EXPECT_TRUE(window->IsShown()) << c.xmin;
        EXPECT_EQ(Settings(), before) << c.xmin;
    }
    EXPECT_TRUE(rangeChanged.empty());
}

TEST_F(coordSysPropertiesWindow, ApplyWritesEverySettingAndShowsTheTickUnitsInUse)
{
    graph->ShowProperties();
    for (const auto& [at, text] :
         {std::pair{X_MIN, "0"}, {X_MAX, "20"}, {X_TICK, "6"}, {X_LABEL, "rolls"}})
        Type(at, text);
    for (int at : {X_TRIG, Y_AUTOSCALE, EQUAL, ORIGIN, AXES_VIEWABLE})
        Click(at);
    Type(Y_TICK, "-1"); // refused by the graph, which keeps its tick unit
    for (const auto& [at, item] : {std::pair{X_TICK_POS, 0},
                                   {Y_TICK_POS, 1},
                                   {X_LABEL_POS, 2},
                                   {Y_LABEL_POS, 3},
                                   {GRID, 0},
                                   {AXES, 1}})
        Choice(at)->SetSelection(item);

    Click(APPLY_BUTTON);
    EXPECT_TRUE(window->IsShown());
    // x autoscale stays on with 6 max ticks; y autoscale goes off with its old tick unit.
    const double xUnit = graph->GetXTickUnit();
    EXPECT_EQ(Settings(),
              wxString::Format("0..20 11 6 %g rolls | -5..5 00 10 1 y | 01110 | 2 8 5 9", xUnit));
    ASSERT_EQ(rangeChanged.size(), 1u);
    EXPECT_EQ(rangeChanged[0].GetInt(), -1);
    EXPECT_GE(graph->GetViewXMax(), 20 * coordSysSettings::PI) << "the view was recomputed";
    // The fields now show the tick units in use: the refused y unit is replaced, and the x unit
    // the graph chose comes up when autoscale goes off.
    Click(X_AUTOSCALE);
    EXPECT_EQ(Tick(X_TICK) + ", " + Tick(Y_TICK),
              wxString::Format("tick unit: %g, tick unit: 1", xUnit));

    // Max ticks below 2 are refused too; the field keeps what was typed. OK applies and hides.
    Click(X_AUTOSCALE);
    Type(X_TICK, "1");
    Click(OK_BUTTON);
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(graph->GetXMaxTicks(), 6);
    EXPECT_EQ(Tick(X_TICK), "max ticks: 1");
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
    EXPECT_EQ(Text(X_MIN)->GetValue() + " " + Tick(X_TICK), "-5 max ticks: 10");
    EXPECT_EQ(window->GetPosition(), movedTo) << "comes up where it was left";

    window->Close();
    wxTheApp->ProcessIdle();
    EXPECT_FALSE(window->IsShown());
    EXPECT_EQ(graph->GetPropertiesWindow(), window);
    // A close that cannot be refused ends the window; the graph makes a new one when asked,
    // even before the old one is deleted at the next idle time.
    window->Close(true);
    graph->ShowProperties();
    wxTheApp->ProcessIdle();
    ASSERT_NE(graph->GetPropertiesWindow(), nullptr);
    EXPECT_TRUE(graph->GetPropertiesWindow()->IsShown());
}

TEST_F(coordSysPropertiesWindow, FieldThatIsNotANumberIsRefusedByNameAndTypedOverNext)
{
    graph->ShowProperties();
    const std::string before = Settings();
    // field, text typed, the message; the tick fields are named by what they show
    const struct {
        place at;
        const char* typed;
        const char* message;
    } cases[] = {
        {X_MAX, "abc", "xmax must be a number."},
        {X_TICK, "10 ticks", "x max ticks must be a number."},
        {Y_MIN, "1,000.5", "ymin must be a number."},
        {Y_MAX, " ", "ymax must be a number."},
        {X_MAX, "3", "xmax must be greater than xmin."}, // with x min 5 below
    };
    Type(X_MIN, "5");
    for (const auto& c : cases) {
        Type(c.at, c.typed);
        Control(APPLY_BUTTON)->SetFocus(); // as the click on Apply leaves it
        wxTEST_DIALOG(Click(APPLY_BUTTON), ExpectError(c.message));
        EXPECT_EQ(Settings(), before) << c.typed;
        EXPECT_EQ(wxWindow::FindFocus(), Control(c.at)) << c.typed;
        long from = -1, to = -1;
        Text(c.at)->GetSelection(&from, &to);
        EXPECT_EQ(to - from, long(Text(c.at)->GetValue().length())) << c.typed;
        Type(c.at, "8");
    }
    // A decimal comma is read as a point.
    for (const auto& [at, text] :
         {std::pair{X_MAX, "12,5"}, {X_TICK, "4,0"}, {Y_MIN, "-1"}, {Y_MAX, "1"}})
        Type(at, text);
    wxTEST_DIALOG(Click(APPLY_BUTTON), NoMessage());
    EXPECT_EQ(graph->GetXMax(), 12.5);
    EXPECT_EQ(graph->GetXMaxTicks(), 4);
}

TEST_F(coordSysPropertiesWindow, EveryControlShowsWholeWhicheverTickValueIsShown)
{
    graph->ShowProperties();
    const wxWindowList& controls = window->GetChildren()[0]->GetChildren();
    const wxRect panel(window->GetChildren()[0]->GetClientSize());
    // both tick fields first showing max ticks, then the tick unit, then max ticks again
    for (int swaps = 0; swaps < 3; ++swaps) {
        for (int at = 3; at <= int(controls.size()); ++at) {
            const wxRect rect = Control(at)->GetRect();
            if (!Text(at)) { // the text fields have widths of their own
                EXPECT_GE(rect.width, Control(at)->GetBestSize().x) << "cut: control " << at;
            }
            EXPECT_TRUE(panel.Contains(rect)) << "outside: control " << at;
            for (int other = 3; other < at; ++other)
                EXPECT_FALSE(rect.Intersects(Control(other)->GetRect()))
                    << "control " << at << " runs into " << other << " after " << swaps;
        }
        Click(X_AUTOSCALE);
        Click(Y_AUTOSCALE);
    }
}

TEST_F(coordSysPropertiesWindow, ApplyOnABufferedGraphDrawsItsPictureAnew)
{
    auto* buffered = new bufferedCoordSys(parent, wxID_ANY, wxDefaultPosition, wxSize(200, 150));
    buffered->gridStyle = coordSysSettings::RECTANGULAR_GRID;
    buffered->RedrawBitmap();
    const auto gridShown = [buffered] {
        const wxImage shown = Picture(*buffered, [buffered](wxDC& dc) { buffered->BlitTo(dc); });
        return Pixel(shown, buffered->XToPixel(1), 5) == wxColour(204, 204, 204);
    };
    EXPECT_TRUE(gridShown());
    buffered->ShowProperties();
    coordSysProperties* props = buffered->GetPropertiesWindow();
    dynamic_cast<wxChoice*>(props->GetChildren()[0]->GetChildren()[GRID - 1])->SetSelection(0);
    props->Apply();
    EXPECT_FALSE(gridShown()) << "the grid is gone from the picture at once";
}
