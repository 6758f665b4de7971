#pragma once
#include "graph/model/coordSysView.h"

#include <string>

// Tunes the SVG text the toolkit writes so that SVG renderers draw the picture pixel for pixel
// as the toolkit draws it into a bitmap:
// - the root element's width and height become the picture's size in pixels (the toolkit
//   writes centimetres, which round to one pixel more at 96 dpi), and its text is drawn
//   without smoothing, as the bitmap's is;
// - a shape stroked with a pen of odd width is moved by half a pixel right and down, as the
//   bitmap drawing moves it, so that a 1-pixel line covers one row or column of pixels instead
//   of half of two; an outlined rectangle, ellipse or circle is one pixel smaller each way, as
//   the bitmap drawing keeps the outline inside the size. Text and shapes without an outline
//   stay where they are;
// - a fill or stroke that draws nothing (opacity 0, or a stroke of width 0) is written as none,
//   since some renderers draw such a paint in full.
// The text is taken line by line, as the toolkit writes it: one element a line, each group of
// elements opened on a line of its own with the pen's style.
std::string CrispSvg(const std::string& svg, pixelSize size);
