#include "app/window/WindowZoom.h"

#include "app/window/PageStyle.h"
#include "app/window/ResultsPage.h"
#include "app/window/WrappedText.h"

#include <algorithm>
#include <wx/display.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/toplevel.h>

#ifdef __WXGTK3__
// GTK's sizes and frame clock, declared here as the toolkit's headers do not bring GTK's.
extern "C" {
void gtk_widget_get_size_request(void* widget, int* width, int* height);
void gtk_widget_set_size_request(void* widget, int width, int height);
void gtk_widget_get_preferred_width(void* widget, int* minimum, int* natural);
void gtk_widget_get_preferred_height(void* widget, int* minimum, int* natural);
unsigned gtk_widget_add_tick_callback(void* widget, int (*callback)(void*, void*, void*),
                                      void* data, void (*notify)(void*));
void gtk_widget_remove_tick_callback(void* widget, unsigned id);
void* gtk_css_provider_new();
int gtk_css_provider_load_from_data(void* provider, const char* data, long length, void* error);
void* gtk_widget_get_style_context(void* widget);
void gtk_style_context_add_provider(void* context, void* provider, unsigned priority);
void g_object_unref(void* object);
}
#endif

namespace {

enum class ZoomKey { NONE, IN, OUT, RESET };

// The toolkit names a key by what it makes without Shift, and tells the character made apart:
// Ctrl+Shift+= on a US keyboard comes as '=' making '+', the plus key of a German one as '+'.
ZoomKey KeyOf(const wxKeyEvent& event)
{
    if (!event.ControlDown() || event.AltDown())
        return ZoomKey::NONE;
    const int code = event.GetKeyCode();
    const wxChar made = event.GetUnicodeKey();
    if (code == '0' || code == WXK_NUMPAD0)
        return ZoomKey::RESET;
    if (code == '+' || code == '=' || code == WXK_NUMPAD_ADD || code == WXK_ADD || made == '+' ||
        made == '=')
        return ZoomKey::IN;
    if (code == '-' || code == WXK_NUMPAD_SUBTRACT || code == WXK_SUBTRACT || made == '-')
        return ZoomKey::OUT;
    return ZoomKey::NONE;
}

} // namespace

WindowZoom::WindowZoom(wxTopLevelWindow& window, std::vector<ResultsPage*> pages)
    : window(window), pages(std::move(pages))
{
    Collect(window);
    window.Bind(wxEVT_CHAR_HOOK, &WindowZoom::OnCharHook, this);
}

WindowZoom::~WindowZoom()
{
#ifdef __WXGTK3__
    if (tickCallback)
        gtk_widget_remove_tick_callback(window.GetHandle(), tickCallback);
    if (themeParts)
        g_object_unref(themeParts);
#endif
    window.Unbind(wxEVT_CHAR_HOOK, &WindowZoom::OnCharHook, this);
}

// Every window below the top one, except the results pages, which zoom themselves.
void WindowZoom::Collect(wxWindow& parent)
{
    for (wxWindow* child : parent.GetChildren()) {
        if (child->IsTopLevel() || IsPage(*child))
            continue;
        const bool holdsOthers =
            !child->GetChildren().empty() || dynamic_cast<WrappedText*>(child) != nullptr;
        controls.push_back({child, child->GetFont(), wxDefaultSize, holdsOthers, wxDefaultSize});
        Collect(*child);
        if (child->GetSizer())
            sized.push_back(child);
    }
    if (&parent == &window)
        sized.push_back(&window);
}

// Each control's least size as the window's layout last took it: before the first zoom, that is
// the window as it is at 100%. (GTK measures some controls afresh once they are shown.)
void WindowZoom::TakeLeastSizes()
{
    for (ControlSizes& control : controls) {
        wxSizer* sizer = control.window->GetContainingSizer();
        wxSizerItem* item = sizer ? sizer->GetItem(control.window) : nullptr;
        control.least = item ? item->GetMinSize() : control.window->GetEffectiveMinSize();
    }
    for (wxWindow* w : sized)
        TakeMargins(*w->GetSizer());
    startLeast = window.GetMinSize();
    leastTaken = true;
}

void WindowZoom::TakeMargins(wxSizer& sizer)
{
    for (wxSizerItem* item : sizer.GetChildren()) {
        margins.push_back(
            {item, item->GetBorder(), item->IsSpacer() ? item->GetSpacer() : wxSize()});
        if (item->IsSizer())
            TakeMargins(*item->GetSizer());
    }
}

bool WindowZoom::IsPage(const wxWindow& child) const
{
    return std::any_of(pages.begin(), pages.end(),
                       [&](ResultsPage* page) { return &page->PageWindow() == &child; });
}

void WindowZoom::OnCharHook(wxKeyEvent& event)
{
    switch (KeyOf(event)) {
    case ZoomKey::IN:
        return In();
    case ZoomKey::OUT:
        return Out();
    case ZoomKey::RESET:
        return Reset();
    case ZoomKey::NONE:
        event.Skip();
    }
}

bool WindowZoom::Settled() const
{
#ifdef __WXGTK3__
    if (tickCallback)
        return false;
#endif
    return shown.Percent() == level.Percent();
}

void WindowZoom::Set(int percent)
{
    if (level.Set(percent))
        Apply();
}

void WindowZoom::In() { UserChange(level.In()); }

void WindowZoom::Out() { UserChange(level.Out()); }

void WindowZoom::Reset() { UserChange(level.Reset()); }

void WindowZoom::UserChange(bool changed)
{
    if (!changed)
        return;
    Apply();
    if (userChanged)
        userChanged(level.Percent());
}

// Zooming in goes to the new zoom at once; zooming out goes one step at a time, each once the
// toolkit has the controls at the sizes of the step before: a window that shrinks by several
// steps at once squeezes some of GTK's parts below what they need for a frame.
void WindowZoom::Apply()
{
    if (!leastTaken)
        TakeLeastSizes();
    if (shown.Percent() > level.Percent())
        shown.Out();
    else
        shown = level;
    const PageStyle style(shown);
    window.Freeze();
    for (const ControlSizes& control : controls)
        control.window->SetFont(style.Scaled(control.font));
    ZoomThemeParts();
    SetLeastSizes(false);
    for (const Margin& margin : margins) {
        margin.item->SetBorder(shown.Scale(margin.border));
        if (margin.item->IsSpacer())
            margin.item->AssignSpacer(Scaled(margin.spacer));
    }
    for (ResultsPage* page : pages)
        page->TakeZoom(shown);
    FitWindow();
    window.Thaw();
    FollowToolkit();
}

// Each control's least size at the zoom, or the size GTK needs for it where that is larger;
// whether what GTK needs changed since the last call. At 100%, once `final`, exactly its least
// size at the start.
bool WindowZoom::SetLeastSizes(bool final)
{
    bool changed = false;
    for (ControlSizes& control : controls) {
        if (control.holdsOthers)
            continue;
        const wxSize needed = ToolkitNeeds(*control.window);
        changed = changed || needed != control.needed;
        control.needed = needed;
        wxSize least = Scaled(control.least);
        if (!final || shown.Percent() != 100)
            least.IncTo(needed);
        control.window->SetMinSize(least);
    }
    return changed;
}

#ifdef __WXGTK3__
// The size GTK needs for the control by itself, leaving out the size the toolkit asks of it.
wxSize WindowZoom::ToolkitNeeds(wxWindow& control)
{
    void* widget = control.GetHandle();
    int askedWidth = -1, askedHeight = -1, width = 0, height = 0, natural = 0;
    gtk_widget_get_size_request(widget, &askedWidth, &askedHeight);
    gtk_widget_set_size_request(widget, -1, -1);
    gtk_widget_get_preferred_width(widget, &width, &natural);
    gtk_widget_get_preferred_height(widget, &height, &natural);
    gtk_widget_set_size_request(widget, askedWidth, askedHeight);
    return {width, height};
}

// GTK takes in a control's new font with its next frame, and its theme may then ease the
// control's parts to their new sizes over several more. Meanwhile each control keeps the room
// GTK needs for it, as a control given less is drawn squeezed and GTK complains, and the window
// is fitted anew at each frame. Once GTK's needs have held still for STILL_FRAMES frames (or
// after FOLLOWED_FRAMES in any case) the controls take their least sizes at the zoom.
void WindowZoom::FollowToolkit()
{
    framesLeft = FOLLOWED_FRAMES;
    stillFrames = 0;
    if (!window.IsShownOnScreen())
        return Finish();
    if (!tickCallback)
        tickCallback = gtk_widget_add_tick_callback(window.GetHandle(), OnFrame, this, nullptr);
}

int WindowZoom::OnFrame(void*, void*, void* zoom)
{
    auto& self = *static_cast<WindowZoom*>(zoom);
    self.stillFrames = self.SetLeastSizes(false) ? 0 : self.stillFrames + 1;
    if (self.stillFrames < STILL_FRAMES && --self.framesLeft > 0) {
        self.FitWindow();
        return 1; // called again at the next frame
    }
    self.tickCallback = 0;
    self.Finish();
    return 0;
}
// GTK draws the check boxes' boxes and the spin buttons' signs at the theme's sizes whatever the
// font: a style sheet of the window's own gives them theirs at the zoom, and nothing at 100%.
void WindowZoom::ZoomThemeParts()
{
    if (!themeParts) {
        themeParts = gtk_css_provider_new();
        for (const ControlSizes& control : controls)
            gtk_style_context_add_provider(
                gtk_widget_get_style_context(control.window->GetHandle()), themeParts,
                THEME_PRIORITY);
    }
    const double factor = shown.Factor();
    const std::string sheet =
        shown.Percent() == 100
            ? std::string()
            : wxString::Format("check, radio { min-width: %dpx; min-height: %dpx; "
                               "}\n"
                               "spinbutton button { min-width: %dpx; "
                               "-gtk-icon-transform: scale(%.2f); }\n",
                               shown.Scale(14), shown.Scale(14), shown.Scale(24), factor)
                  .ToStdString();
    gtk_css_provider_load_from_data(themeParts, sheet.c_str(), -1, nullptr);
}
#else
void WindowZoom::ZoomThemeParts() {}

wxSize WindowZoom::ToolkitNeeds(wxWindow&) { return wxSize(0, 0); }

void WindowZoom::FollowToolkit() { Finish(); }
#endif

// The controls at their least sizes, and the wrapped texts and the pages laid out again with
// their texts measured in their new fonts; then on to the next step, if zooming out goes on.
void WindowZoom::Finish()
{
    SetLeastSizes(true);
    for (const ControlSizes& control : controls)
        if (auto* text = dynamic_cast<WrappedText*>(control.window))
            text->Rewrap();
    for (ResultsPage* page : pages)
        page->TakeZoom(shown);
    FitWindow();
    if (shown.Percent() != level.Percent())
        window.CallAfter([this] { Apply(); });
}

// Each control measures itself anew in its new font, each window laid out by a sizer takes the
// minimum size its sizer now needs, the inner ones first; the top window grows to its new minimum,
// and a window left at its minimum follows it down again.
void WindowZoom::FitWindow()
{
    const wxSize before = window.GetSize();
    const bool atMinimum = before == window.GetMinSize();
    for (const ControlSizes& control : controls)
        control.window->InvalidateBestSize();
    if (arrange)
        arrange(shown);
    for (wxWindow* w : sized) {
        w->SetMinSize(wxDefaultSize);
        w->InvalidateBestSize();
        w->GetSizer()->SetSizeHints(w);
        if (dynamic_cast<wxScrollHelper*>(w))
            FitScrolled(*w);
    }
    // The window's least size at the start was measured before it was first shown, a few pixels
    // larger than its controls' least sizes as shown now ask for; zooming back gives it again.
    if (shown.Percent() == 100) {
        wxSize least = window.GetMinSize();
        least.IncTo(startLeast);
        window.SetMinSize(least);
    }
    if (!window.IsMaximized() && !window.IsFullScreen()) {
        const wxSize least = window.GetMinSize();
        wxSize size = before;
        size.IncTo(least);
        window.SetSize(atMinimum ? least : size);
    }
    window.Layout();
}

// A window that scrolls takes all its sizer needs as its scrolled area, and as its least size no
// more than the screen's work area leaves it in the top window.
void WindowZoom::FitScrolled(wxWindow& scrolled) const
{
    scrolled.FitInside();
    const wxSize frame = window.GetSize() - window.GetClientSize();
    wxSize least = wxDisplay(&window).GetClientArea().GetSize() - frame;
    least.DecTo(scrolled.GetMinSize());
    scrolled.SetMinSize(least);
}

wxSize WindowZoom::Scaled(const wxSize& size) const
{
    return {shown.Scale(size.x), shown.Scale(size.y)};
}
