#include "app/window/LoadedDieDialog.h"

#include "app/run/TypedWeights.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

// Face boxes to a row: five rows for twenty faces.
constexpr int FACES_A_ROW = 4;

} // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(LoadedDieDialog, wxDialog)
    EVT_SPINCTRL(LoadedDieDialog::ID_FACES, LoadedDieDialog::OnFaces)
    EVT_BUTTON(wxID_OK, LoadedDieDialog::OnOK)
wxEND_EVENT_TABLE()
// clang-format on

LoadedDieDialog::LoadedDieDialog(wxWindow* parent, const Die& start)
    : wxDialog(parent, wxID_ANY, "Loaded die"), die(start)
{
    auto* facesRow = new wxBoxSizer(wxHORIZONTAL);
    facesRow->Add(new wxStaticText(this, wxID_ANY, "Faces:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
                  8);
    faces = new wxSpinCtrl(this, ID_FACES, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                           wxSP_ARROW_KEYS, Die::MIN_FACES, Die::MAX_FACES, start.Faces());
    facesRow->Add(faces);

    auto* grid = new wxFlexGridSizer(2 * FACES_A_ROW, 4, 8);
    for (int face = 0; face < Die::MAX_FACES; ++face) {
        const bool loaded = start.IsLoaded() && face < start.Faces();
        const int weight = loaded ? start.Weights()[static_cast<std::size_t>(face)] : 1;
        labels.push_back(new wxStaticText(this, wxID_ANY, wxString::Format("%d:", face + 1)));
        weights.push_back(new wxTextCtrl(this, wxID_ANY, wxString::Format("%d", weight)));
        weights.back()->SetMaxLength(4);
        weights.back()->SetInitialSize(
            weights.back()->GetSizeFromTextSize(weights.back()->GetTextExtent("00000").x));
        grid->Add(labels.back(), 0, wxALIGN_CENTER_VERTICAL | wxALIGN_RIGHT);
        grid->Add(weights.back());
    }

    message = new wxStaticText(this, wxID_ANY, wxEmptyString);
    message->SetForegroundColour(*wxRED);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(this, wxID_ANY,
                                 "A weight for each face, 0 to 1000: a face of weight 2 comes up\n"
                                 "twice as often as a face of weight 1."),
                0, wxALL, 10);
    column->Add(facesRow, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    column->Add(grid, 0, wxLEFT | wxRIGHT, 10);
    column->Add(message, 0, wxEXPAND | wxALL, 10);
    column->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizer(column);
    ShowFaces();
}

wxString LoadedDieDialog::Message() const { return message->GetLabel(); }

// Only the boxes of the die's faces show.
void LoadedDieDialog::ShowFaces()
{
    for (std::size_t face = 0; face < weights.size(); ++face) {
        const bool shown = static_cast<int>(face) < faces->GetValue();
        labels[face]->Show(shown);
        weights[face]->Show(shown);
    }
    GetSizer()->Fit(this);
}

void LoadedDieDialog::OnFaces(wxSpinEvent&) { ShowFaces(); }

void LoadedDieDialog::OnOK(wxCommandEvent&)
{
    std::vector<std::string> texts;
    for (int face = 0; face < faces->GetValue(); ++face)
        texts.push_back(WeightBox(face).GetValue().ToStdString(wxConvUTF8));
    const TypedWeights typed(texts);
    if (!typed.Result()) {
        message->SetLabel(wxString::FromUTF8(typed.Error()));
        GetSizer()->Fit(this);
        return;
    }
    die = *typed.Result();
    EndModal(wxID_OK);
}
