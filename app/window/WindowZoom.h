#pragma once

#include "app/run/ZoomLevel.h"

#include <wx/font.h>
#include <wx/gdicmn.h>

#include <functional>
#include <vector>

class coordSys;
class wxGrid;
class wxKeyEvent;
class wxTopLevelWindow;
class wxWindow;

// Zooms every text of a window together: the fonts of its controls, the sizes set on them, the
// grids' cells, labels, rows and columns, and the graphs' texts and lines. It takes the window
// as it is when made as its 100%, so that zooming back gives exactly that window again, and makes
// the window's minimum size follow, so that nothing is cut at any zoom. Ctrl with plus (however
// the keyboard makes it, =, or the keypad's plus), minus and 0 zoom in, out and back to 100%.
class WindowZoom {
public:
    explicit WindowZoom(wxTopLevelWindow& window);
    ~WindowZoom();
    WindowZoom(const WindowZoom&) = delete;
    WindowZoom& operator=(const WindowZoom&) = delete;

    int Percent() const { return level.Percent(); }
    // Zooms to `percent`, one of ZoomLevel's steps; another is ignored. Not a change of the user's.
    void Set(int percent);
    // The user's own changes: each tells `userChanged` when it changes the zoom.
    void In();
    void Out();
    void Reset();
    std::function<void(int percent)> userChanged;

private:
    struct ControlSizes {
        wxWindow* window;
        wxFont font;
        wxSize minSize;
        // What the window needs at 100%: controls that do not grow with their font by
        // themselves, such as text boxes, still get their share of the zoom.
        wxSize needs;
    };
    struct GridSizes {
        wxGrid* grid;
        wxFont cellFont;
        wxFont labelFont;
        int rowHeight;
        int labelHeight;
        std::vector<int> columnWidths;
        std::vector<wxFont> columnFonts; // not Ok where the column has no font of its own
    };
    struct GraphSizes {
        coordSys* graph;
        int fontSize;
    };

    void Collect(wxWindow& window);
    void TakeGrid(wxGrid& grid);
    void OnCharHook(wxKeyEvent& event);
    void UserChange(bool changed);
    void Apply();
    void ApplyToGrid(const GridSizes& sizes) const;
    void FitWindow();
    wxFont Scaled(const wxFont& font) const;
    wxSize Scaled(const wxSize& size) const;

    wxTopLevelWindow& window;
    ZoomLevel level;
    std::vector<ControlSizes> controls;
    std::vector<GridSizes> grids;
    std::vector<GraphSizes> graphs;
    // The windows laid out by sizers, inner ones before those that hold them.
    std::vector<wxWindow*> sized;
};
