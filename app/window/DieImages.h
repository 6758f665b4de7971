#pragma once

class wxBitmapBundle;
class wxIconBundle;

// The die pictures built into the program, each with a version at twice the size for dense
// screens: no image files are looked up at run time.
namespace DieImages {

wxIconBundle Icons();     // 16 x 16 and 32 x 32, the window's icon
wxBitmapBundle Picture(); // 34 x 34 (68 x 68 on dense screens), beside the Start button

} // namespace DieImages
