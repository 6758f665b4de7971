#pragma once
#include "graph/model/coordSysView.h"

// The size of a graph's picture on the clipboard: what was drawn, up to its largest
// coordinates (maxX, maxY), with 10 pixels to spare on the right and at the bottom. Drawing
// is clipped to the window, so only the part inside the window's full size counts: a line
// toward a far-off point reaches thousands of pixels past the edge and must not make the
// picture that large.
pixelSize PictureSize(int maxX, int maxY, pixelSize window);
