#pragma once

#include "app/run/ZoomLevel.h"

#include <wx/font.h>
#include <wx/gdicmn.h>

#include <functional>
#include <vector>

class ResultsPage;
class wxKeyEvent;
class wxSizer;
class wxSizerItem;
class wxTopLevelWindow;
class wxWindow;

// Zooms every text of a window together: the fonts of its controls and the sizes set on them,
// and the results pages, which lay themselves out for the zoom. It takes the window as it is
// when made as its 100%, so that zooming back gives exactly that window again, and makes the
// window's minimum size follow, so that nothing is cut at any zoom. Ctrl with plus (however the
// keyboard makes it, =, or the keypad's plus), minus and 0 zoom in, out and back to 100%.
class WindowZoom {
public:
    WindowZoom(wxTopLevelWindow& window, std::vector<ResultsPage*> pages);
    ~WindowZoom();
    WindowZoom(const WindowZoom&) = delete;
    WindowZoom& operator=(const WindowZoom&) = delete;

    int Percent() const { return level.Percent(); }
    // Whether the window shows the zoom with every control at its size there: false while GTK's
    // sizes are followed and while zooming out goes on step by step.
    bool Settled() const;
    // Zooms to `percent`, one of ZoomLevel's steps; another is ignored. Not a change of the user's.
    void Set(int percent);
    // The user's own changes: each tells `userChanged` when it changes the zoom.
    void In();
    void Out();
    void Reset();
    std::function<void(int percent)> userChanged;
    // Called before the window is fitted at a zoom, to arrange its parts for the room there is
    // and draw its pictures at the zoom's size.
    std::function<void(const ZoomLevel& zoom)> arrange;

private:
    struct ControlSizes {
        wxWindow* window;
        wxFont font;
        // What the window needs at 100%: controls that do not grow with their font by
        // themselves, such as text boxes, still get their share of the zoom.
        wxSize least;
        // A window that holds others takes the size its insides need at any zoom; so does a
        // wrapped text, which sizes itself.
        bool holdsOthers;
        // What GTK last measured the control at.
        wxSize needed;
    };

    // The border of an item of the window's sizers, or the size of a spacer, at 100%.
    struct Margin {
        wxSizerItem* item;
        int border;
        wxSize spacer;
    };

    void Collect(wxWindow& window);
    void TakeMargins(wxSizer& sizer);
    bool IsPage(const wxWindow& child) const;
    void TakeLeastSizes();
    void OnCharHook(wxKeyEvent& event);
    void UserChange(bool changed);
    void Apply();
    bool SetLeastSizes(bool final);
    static wxSize ToolkitNeeds(wxWindow& control);
    void FollowToolkit();
    void Finish();
    void ZoomThemeParts();
#ifdef __WXGTK3__
    static int OnFrame(void* widget, void* frameClock, void* zoom);
    // The theme's own sizes at the zoom: check boxes and spin buttons, drawn by GTK at fixed
    // sizes.
    void* themeParts = nullptr;
    static constexpr int FOLLOWED_FRAMES = 60;
    // GTK's priority of a program's own style sheets over the theme's.
    static constexpr unsigned THEME_PRIORITY = 600;
    static constexpr int STILL_FRAMES = 3;
    unsigned tickCallback = 0;
    int framesLeft = 0;
    int stillFrames = 0;
#endif
    void FitWindow();
    void FitScrolled(wxWindow& scrolled) const;
    wxSize Scaled(const wxSize& size) const;

    wxTopLevelWindow& window;
    std::vector<ResultsPage*> pages;
    ZoomLevel level;
    // The zoom the window shows: on the way to `level` while zooming out by several steps.
    ZoomLevel shown;
    std::vector<ControlSizes> controls;
    std::vector<Margin> margins;
    bool leastTaken = false;
    wxSize startLeast; // the window's own

    // The windows laid out by sizers, inner ones before those that hold them.
    std::vector<wxWindow*> sized;
};
