#pragma once

#include <wx/stattext.h>

#include <algorithm>

// A static text that wraps its words to the width it is given, never narrower than a least width
// (a line measured in its font, so a zoom grows it), and as tall as its lines: it sizes itself.
// The text keeps no line breaks of its own.
class WrappedText : public wxStaticText {
public:
    WrappedText(wxWindow* parent, const wxString& text);

    // The least width: as wide as `line` in the text's font.
    void SetLeastWidthTo(const wxString& line);

    bool SetFont(const wxFont& font) override;
    // Wraps the text again at its width, measuring it anew (once the toolkit has taken in a new
    // font).
    void Rewrap() { Rewrap(std::max(GetSize().x, GetMinSize().x)); }

private:
    void OnSize(wxSizeEvent& event);
    void Rewrap(int width);
    int LeastWidth() const;

    wxString text;
    wxString leastLine;
    int wrappedTo = 0;
    bool wrapping = false;
};
