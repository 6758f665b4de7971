#pragma once

#include <wx/app.h>

class DiceFrame;

// The application: builds the main window, applies the command line's dice and rolls, shows it.
class DiceApp : public wxApp {
public:
    bool OnInit() override;

    // Applies the arguments after the program name: the number of dice, then of rolls. Arguments
    // that are not numbers are skipped; a third and later ones are ignored.
    static void ApplyArguments(DiceFrame& frame, int argc, const wxString* argv);

private:
    DiceFrame* frame = nullptr;
};
