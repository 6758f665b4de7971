#pragma once

class wxSizer;
class wxWindow;

// Lays `window` out by `sizer`, which it takes over: the window gets the sizer's size, and never
// less.
void FitTo(wxWindow* window, wxSizer* sizer);
