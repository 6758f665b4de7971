#pragma once

#include <wx/spinctrl.h>

#include <functional>

// The dice box: a spin control that says when an edit ends with its text empty. The toolkit
// makes a number of the text whenever an edit ends (the box loses the focus, Return is pressed,
// an arrow spins it), an empty text the lowest of the range, and only then writes the number
// back: it says so as the toolkit is about to write over the empty text. GTK's spin control only:
// Windows' puts the number back without a word.
class NumberSpin : public wxSpinCtrl {
public:
    using wxSpinCtrl::wxSpinCtrl;

    // `ended` is called as an edit ends with the text empty; null for nothing.
    void WhenEmptyEditEnds(std::function<void()> ended) { emptyEditEnded = std::move(ended); }

#ifdef __WXGTK__
    bool GTKOutput(wxString* text) const override;
#endif

private:
    std::function<void()> emptyEditEnded;
};
