#pragma once

class wxBitmap;
class wxIcon;

// The die pictures built into the program: no image files are looked up at run time.
namespace DieImages {

wxIcon Icon();        // 16 x 16, the window's icon
wxBitmap Picture();   // 34 x 34, beside the Start button

} // namespace DieImages
