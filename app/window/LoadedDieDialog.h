#pragma once

#include "app/run/Die.h"

#include <wx/dialog.h>

#include <vector>

class wxSpinCtrl;
class wxSpinEvent;
class wxStaticText;
class wxTextCtrl;

// The dialog in which the teacher makes a loaded die: its number of faces (2 to 20) and a
// whole-number weight (0 to 1000) for each face. OK takes the weights only when they make a die;
// otherwise the dialog stays open and says what is wrong, and the die it started from is kept.
class LoadedDieDialog : public wxDialog {
public:
    enum { ID_FACES = 1 };

    // Starts from `die`: its faces, and its weights if it is loaded, else 1 for every face.
    LoadedDieDialog(wxWindow* parent, const Die& die);

    // The die made when OK closed the dialog; until then the one it started from.
    const Die& Result() const { return die; }

    // The weight boxes, one a face the die may have; the first Faces() are shown.
    wxSpinCtrl& FacesBox() const { return *faces; }
    wxTextCtrl& WeightBox(int face) const { return *weights[static_cast<std::size_t>(face)]; }
    // What is wrong with the weights last refused; empty before.
    wxString Message() const;

private:
    void ShowFaces();
    void OnFaces(wxSpinEvent& event);
    void OnOK(wxCommandEvent& event);

    Die die;
    wxSpinCtrl* faces = nullptr;
    std::vector<wxStaticText*> labels;
    std::vector<wxTextCtrl*> weights;
    wxStaticText* message = nullptr;

    wxDECLARE_EVENT_TABLE();
};
