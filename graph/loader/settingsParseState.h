#pragma once
#include "graph/loader/parsedSetting.h"
#include "graph/model/coordSysSettings.h"

#include <cstddef>
#include <string>
#include <vector>

// What the settings document loader remembers while it reads one document, and what it does at
// the start and end of each element and for each piece of text. Settings are the child elements
// of a "gridProperties" element: the element name is the key and its text the value. Each
// setting is applied as soon as its element ends, so a document broken further on keeps the
// settings that came before the break.
class settingsParseState {
public:
    // Longest element name and setting text taken, in characters.
    static constexpr std::size_t NAME_LIMIT = 20;
    static constexpr std::size_t VALUE_LIMIT = 20;
    // Labels collected for one list: as many as an axis has ticks to carry them. Later ones
    // could never be shown, so they are read over rather than held until the list ends.
    static constexpr std::size_t MAX_LABELS = coordAxis::MAX_TICK_POSITIONS;

    explicit settingsParseState(coordSysSettings& settings) : settings(settings) {}

    void StartElement(const char* name);
    void EndElement();
    void CharacterData(const char* text, std::size_t length);

    // The labels collected so far for the setting being read.
    const std::vector<std::string>& Labels() const { return setting.labels; }

private:
    bool InsideGridProperties() const { return !settingDepths.empty(); }
    int SettingDepth() const { return settingDepths.back(); }
    void StartSetting(const char* name);
    void EndSetting();
    void EndSubElement();
    bool SubElementOwnsText() const;

    coordSysSettings& settings;
    // Nesting depth of the element being read; 0 outside the root.
    int depth = 0;
    // Depth of the children of each open "gridProperties" element, innermost last.
    std::vector<int> settingDepths;
    // The setting being read, applied when its element ends.
    parsedSetting setting;
    std::string subElement;
};
