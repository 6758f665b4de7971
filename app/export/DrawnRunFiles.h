#pragma once

#include "app/export/RunPicture.h"
#include "app/save/RunFiles.h"

// What draws the drawn kinds of file that SaveRun saves: PNG and SVG pictures of the run's
// `graph`, RunPicture::WIDTH x HEIGHT pixels at RunPicture::ZOOM, and the PDF report on A4.
// Needs no display.
RunDrawer DrawnRunFiles(RunPicture::Graph graph);
