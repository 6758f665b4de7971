#include "graph/loader/settingKeys.h"

#include "graph/loader/documentNumber.h"

#include <cstddef>
#include <string>

// Numbers are read as ReadDocumentNumber describes: flags are on when the number is not 0,
// whole numbers are truncated toward zero. A numeric key whose text holds no number (an empty
// element, or a word such as "true") is skipped and its setting keeps its value: guessing 0
// would silently turn a flag off or a range end to 0 on a typing slip.

namespace {

using settings_t = coordSysSettings;

template <typename Handler> struct namedHandler {
    const char* key;
    Handler apply;
};

using numberHandler = namedHandler<void (*)(settings_t&, double)>;
using flagHandler = namedHandler<void (*)(settings_t&, bool)>;
using wholeHandler = namedHandler<void (*)(settings_t&, int)>;
using parsedHandler = namedHandler<void (*)(settings_t&, const parsedSetting&)>;

// The validating setters report a refusal through their result; a refused value is simply not
// stored, so the results are dropped here.
const numberHandler NUMBER_KEYS[] = {
    {"xmin", [](settings_t& s, double v) { s.SetXMin(v); }},
    {"xmax", [](settings_t& s, double v) { s.SetXMax(v); }},
    {"ymin", [](settings_t& s, double v) { s.SetYMin(v); }},
    {"ymax", [](settings_t& s, double v) { s.SetYMax(v); }},
    {"xTickUnit", [](settings_t& s, double v) { s.SetXTickUnit(v); }},
    {"yTickUnit", [](settings_t& s, double v) { s.SetYTickUnit(v); }},
    {"xMinorTickUnit", [](settings_t& s, double v) { s.GetXAxis().SetMinorTickUnit(v); }},
    {"yMinorTickUnit", [](settings_t& s, double v) { s.GetYAxis().SetMinorTickUnit(v); }},
};

const flagHandler FLAG_KEYS[] = {
    {"xTrigScale", [](settings_t& s, bool on) { s.xTrigScale = on; }},
    {"yTrigScale", [](settings_t& s, bool on) { s.yTrigScale = on; }},
    {"xAutoScale", [](settings_t& s, bool on) { s.SetXAutoScale(on); }},
    {"yAutoScale", [](settings_t& s, bool on) { s.SetYAutoScale(on); }},
    {"xMinorAutoScale", [](settings_t& s, bool on) { s.GetXAxis().minorAutoScale = on; }},
    {"yMinorAutoScale", [](settings_t& s, bool on) { s.GetYAxis().minorAutoScale = on; }},
    {"xShowTicks", [](settings_t& s, bool on) { s.GetXAxis().showTicks = on; }},
    {"yShowTicks", [](settings_t& s, bool on) { s.GetYAxis().showTicks = on; }},
    {"xShowMinorTicks", [](settings_t& s, bool on) { s.GetXAxis().showMinorTicks = on; }},
    {"yShowMinorTicks", [](settings_t& s, bool on) { s.GetYAxis().showMinorTicks = on; }},
    {"xShowTickLabels", [](settings_t& s, bool on) { s.GetXAxis().showTickLabels = on; }},
    {"yShowTickLabels", [](settings_t& s, bool on) { s.GetYAxis().showTickLabels = on; }},
    {"equalScaling", [](settings_t& s, bool on) { s.equalScaling = on; }},
    {"originAlwaysViewable", [](settings_t& s, bool on) { s.originAlwaysViewable = on; }},
    {"axesAlwaysViewable", [](settings_t& s, bool on) { s.axesAlwaysViewable = on; }},
};

const wholeHandler WHOLE_KEYS[] = {
    {"xMaxTicks", [](settings_t& s, int v) { s.SetXMaxTicks(v); }},
    {"yMaxTicks", [](settings_t& s, int v) { s.SetYMaxTicks(v); }},
    // Any grid style is stored; painting draws no grid for a style it does not know.
    {"gridStyle", [](settings_t& s, int v) { s.gridStyle = v; }},
    {"axesStyle", [](settings_t& s, int v) { s.SetAxesStyle(v); }},
    {"xTickLabelPosition", [](settings_t& s, int v) { s.SetXTickLabelPosition(v); }},
    {"yTickLabelPosition", [](settings_t& s, int v) { s.SetYTickLabelPosition(v); }},
    {"xAxisLabelPosition", [](settings_t& s, int v) { s.SetXAxisLabelPosition(v); }},
    {"yAxisLabelPosition", [](settings_t& s, int v) { s.SetYAxisLabelPosition(v); }},
    {"fontSize", [](settings_t& s, int v) { s.SetFontSize(v); }},
};

// Keys whose value is the text itself, the collected labels or the intersection point.
const parsedHandler PARSED_KEYS[] = {
    {"xAxisLabel", [](settings_t& s, const parsedSetting& p) { s.SetXAxisLabel(p.value); }},
    {"yAxisLabel", [](settings_t& s, const parsedSetting& p) { s.SetYAxisLabel(p.value); }},
    {"customXTickLabels",
     [](settings_t& s, const parsedSetting& p) { s.SetCustomXTickLabels(p.labels); }},
    {"customYTickLabels",
     [](settings_t& s, const parsedSetting& p) { s.SetCustomYTickLabels(p.labels); }},
    {"axisIntersection",
     [](settings_t& s, const parsedSetting& p) { s.axisIntersection = p.intersection; }},
};

template <typename Entry, std::size_t N>
const Entry* Find(const Entry (&table)[N], const std::string& key)
{
    for (const Entry& entry : table)
        if (key == entry.key)
            return &entry;
    return nullptr;
}

} // namespace

void ApplySetting(coordSysSettings& settings, const parsedSetting& setting)
{
    const std::string& key = setting.key;
    const std::string& value = setting.value;
    double number = 0;
    int whole = 0;
    if (const numberHandler* h = Find(NUMBER_KEYS, key); h && ReadDocumentNumber(value, number))
        h->apply(settings, number);
    else if (const flagHandler* f = Find(FLAG_KEYS, key); f && ReadDocumentNumber(value, number))
        f->apply(settings, number != 0);
    else if (const wholeHandler* w = Find(WHOLE_KEYS, key); w && ReadDocumentInt(value, whole))
        w->apply(settings, whole);
    else if (const parsedHandler* t = Find(PARSED_KEYS, key))
        t->apply(settings, setting);
}
