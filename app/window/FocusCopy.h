#pragma once

#include <functional>

class wxWindow;

// What Edit > Copy copies: what Ctrl+C copies where the focus is. The focus may lie in a part of
// a control (a grid's cells), so the control is looked for from the focus up to its top window:
// a text box copies its selected text, the log box its selection, a table its selected cells and
// a graph its picture. Empty where nothing copies.
std::function<void()> CopyAtFocus(wxWindow* focus);
