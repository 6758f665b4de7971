#pragma once
#include <wx/frame.h>
class DiceFrame : public wxFrame {
public:
    DiceFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos,
              const wxSize& size);
};
