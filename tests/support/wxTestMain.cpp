// Entry point of the window tests: starts the toolkit once, then runs every test inside it.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/image.h>

#include <cstring>
#include <string>

namespace {

class TestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// The toolkit's asserts would open a dialog and hang the run; make them fail the test instead.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "toolkit assert in " << func.utf8_string() << ": " << cond.utf8_string() << " "
        << msg.utf8_string();
}

bool OnlyListing(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return true;
    return false;
}

} // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv)
{
    // Test discovery must work without a display, so answer it before the toolkit starts (and
    // look for the flag before GoogleTest takes its own flags out of the arguments).
    const bool listing = OnlyListing(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (listing)
        return RUN_ALL_TESTS();

    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "the toolkit could not start (is there a display?)\n");
        return 1;
    }
    wxInitAllImageHandlers();
    wxSetAssertHandler(FailOnAssert);
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
