// Not a test by itself: tests/e2e/check-clipboard-at-exit runs it beside a clipboard manager. It
// starts the real application, copies the Data box's list after a run, lets the application
// close and end as it does when its window is closed, and prints what it copied, for the script
// to compare with what the clipboard holds once the program has gone.
#include "DiceFrameProbe.h"
#include "RunDiceApp.h"
#include "ToolkitTestSupport.h"

#include <wx/app.h>

#include <iostream>
#include <string>

// Declared here so the tests do not need GTK's development headers.
extern "C" {
void* gdk_display_get_default();
int gdk_display_supports_clipboard_persistence(void* display);
}

int main(int, char** argv)
{
    std::string copied;
    const int status = RunDiceApp(argv[0], {"2", "20", "--seed", "7"}, [&copied] {
        if (!WaitFor(
                [] {
                    return gdk_display_supports_clipboard_persistence(gdk_display_get_default()) !=
                           0;
                },
                20)) {
            std::cerr << "no clipboard manager came up on the display\n";
            return 1;
        }
        const DiceFrameProbe p(*static_cast<DiceFrame*>(wxTheApp->GetTopWindow()));
        p.ClickStart();
        p.RollLog().SelectAll();
        p.RollLog().Copy();
        copied = p.RollLog().GetValue().utf8_string();
        return copied.empty() ? 1 : 0;
    });
    std::cout << copied;
    return status;
}
