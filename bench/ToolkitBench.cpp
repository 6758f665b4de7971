#include "ToolkitBench.h"

#include <wx/app.h>
#include <wx/image.h>
#include <wx/init.h>

namespace {

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int RunInToolkit(int argc, char** argv, const std::function<bool()>& measure)
{
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 1;
    wxInitAllImageHandlers();
    const bool measured = measure();
    wxEntryCleanup();
    return measured ? 0 : 1;
}
