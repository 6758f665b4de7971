#include "app/DiceFrame.h"
#include <wx/app.h>
class DiceApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
        SetTopWindow(frame);
        frame->Show();
        return true;
    }
};
wxIMPLEMENT_APP(DiceApp);
