#include "graph/model/pictureSize.h"

#include <algorithm>

namespace {

constexpr int SPARE = 10;

int Extent(int largest, int window) { return std::clamp(largest, 0, std::max(window, 0)) + SPARE; }

} // namespace

pixelSize PictureSize(int maxX, int maxY, pixelSize window)
{
    return {Extent(maxX, window.width), Extent(maxY, window.height)};
}
