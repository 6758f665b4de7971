// Entry point of the window tests: starts the toolkit once, then runs every test inside it.
#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

#include <cstdio>
#include <cstdlib>

namespace {

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv)
{
    const bool listing = OnlyListingTests(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (listing)
        return RUN_ALL_TESTS();

    // The file chooser keeps its settings; here they stay in memory, with no settings service.
    setenv("GSETTINGS_BACKEND", "memory", 0);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "the toolkit could not start (is there a display?)\n");
        return 1;
    }
    wxInitAllImageHandlers();
    FailOnToolkitAsserts();
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
