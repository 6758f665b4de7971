#pragma once

class wxBitmap;
class wxBitmapBundle;
class wxIconBundle;

// The die pictures built into the program, each with a version at twice the size for dense
// screens: no image files are looked up at run time.
namespace DieImages {

// The picture beside the Start button at 100%, in pixels.
constexpr int PICTURE_SIZE = 34;

wxIconBundle Icons(); // 16 x 16 and 32 x 32, the window's icon
// The die drawn at `size` pixels (twice that on dense screens), from the program's own drawing.
wxBitmapBundle Picture(int size = PICTURE_SIZE);
wxBitmap Drawn(int size);

} // namespace DieImages
