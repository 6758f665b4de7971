// Fuzz target: any bytes as a settings document. The loader must return, without a sanitizer
// report, whatever it is given; and the graph must then compute its view and its tick lists
// from whatever settings the document left, in bounded time.
#include "graph/loader/coordSysSettingsLoader.h"
#include "graph/model/coordSysView.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// A view of a fixed 400 x 300 client.
class fixedView : public coordSysView {
protected:
    pixelSize ClientExtent() const override { return {400, 300}; }
};

// Half the point size per byte wide, the point size high.
class byteMeasurer : public textMeasurer {
public:
    textExtent Extent(const std::string& text, int pointSize, bool) const override
    {
        return {static_cast<int>(text.size()) * (pointSize / 2), pointSize};
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fixedView view;
    coordSysSettingsLoader(view).LoadSettings(reinterpret_cast<const char*>(data), size);
    view.UpdateView(byteMeasurer());
    std::vector<double> ticks;
    for (coordAxis* axis : {&view.GetXAxis(), &view.GetYAxis()})
        for (int kind : {coordAxis::MAJOR_TICKS, coordAxis::MINOR_TICKS})
            axis->TickPositions(ticks, kind);
    return 0;
}
