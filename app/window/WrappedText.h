#pragma once

#include <wx/stattext.h>

// A static text that wraps its words to the width it is given, never narrower than a least width
// (which a zoom scales through its minimum size), and as tall as its lines. The text keeps no line
// breaks of its own.
class WrappedText : public wxStaticText {
public:
    WrappedText(wxWindow* parent, const wxString& text);

    // The least width: as wide as `line` in the text's font.
    void SetLeastWidthTo(const wxString& line);

    bool SetFont(const wxFont& font) override;

private:
    void OnSize(wxSizeEvent& event);
    void Rewrap(int width);

    wxString text;
    int wrappedTo = 0;
    bool wrapping = false;
};
