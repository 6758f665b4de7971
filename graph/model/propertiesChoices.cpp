#include "graph/model/propertiesChoices.h"

#include "graph/model/coordSysSettings.h"

namespace {

using settings = coordSysSettings;

// The axis label codes in the order of their items.
constexpr int LABEL_POSITIONS[] = {
    settings::ABOVE + settings::LEFT, settings::ABOVE + settings::RIGHT,
    settings::BELOW + settings::LEFT, settings::BELOW + settings::RIGHT};
constexpr int LABEL_POSITION_COUNT = sizeof LABEL_POSITIONS / sizeof LABEL_POSITIONS[0];

} // namespace

int propertiesChoices::XTickPositionIndex(int position)
{
    return position == settings::ABOVE ? 0 : 1;
}

int propertiesChoices::XTickPositionValue(int index)
{
    return index == 1 ? settings::BELOW : settings::ABOVE;
}

int propertiesChoices::YTickPositionIndex(int position)
{
    return position == settings::LEFT ? 0 : 1;
}

int propertiesChoices::YTickPositionValue(int index)
{
    return index == 0 ? settings::LEFT : settings::RIGHT;
}

int propertiesChoices::AxisLabelPositionIndex(int position)
{
    for (int i = 0; i < LABEL_POSITION_COUNT - 1; ++i)
        if (LABEL_POSITIONS[i] == position)
            return i;
    return LABEL_POSITION_COUNT - 1;
}

int propertiesChoices::AxisLabelPositionValue(int index)
{
    if (index < 0 || index >= LABEL_POSITION_COUNT)
        return settings::ABOVE + settings::RIGHT;
    return LABEL_POSITIONS[index];
}

int propertiesChoices::CodeIndex(int code, int count)
{
    return code >= 0 && code < count ? code : -1;
}
