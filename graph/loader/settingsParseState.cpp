#include "graph/loader/settingsParseState.h"

#include "graph/loader/documentNumber.h"
#include "graph/loader/settingKeys.h"

#include <cstring>

// Where the settings sit:
// - Only the children of an open "gridProperties" element are settings. Elements before any
//   such element starts, or after it ends, are read over and change nothing; a document whose
//   root is another element can still carry a "gridProperties" element further in.
// - A "gridProperties" element inside another one holds settings of its own, read until it
//   ends; its parent's settings go on after it.

namespace {

const char* const WHITE_SPACE = " \t\r\n\v\f";

// Characters, not bytes, of UTF-8 text: the bytes that do not continue a character.
std::size_t CharacterCount(const char* text, std::size_t length)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < length; ++i)
        count += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    return count;
}

std::size_t CharacterCount(const std::string& text)
{
    return CharacterCount(text.data(), text.size());
}

// A name longer than the limit matches no key and no sub-element: cutting it would turn, say,
// "originAlwaysViewableX" into a real key.
std::string ElementName(const char* name)
{
    const std::size_t length = std::strlen(name);
    if (CharacterCount(name, length) > settingsParseState::NAME_LIMIT)
        return std::string();
    return std::string(name, length);
}

bool IsWhiteSpace(char c) { return c != '\0' && std::strchr(WHITE_SPACE, c) != nullptr; }

} // namespace

void settingsParseState::StartElement(const char* name)
{
    if (std::strcmp(name, "gridProperties") == 0)
        settingDepths.push_back(depth + 1);
    else if (InsideGridProperties() && depth == SettingDepth())
        StartSetting(name);
    else if (InsideGridProperties() && depth == SettingDepth() + 1) {
        subElement = ElementName(name);
        if (SubElementOwnsText())
            setting.value.clear();
    }
    ++depth;
}

void settingsParseState::EndElement()
{
    if (InsideGridProperties()) {
        if (depth == SettingDepth() + 1)
            EndSetting();
        else if (depth == SettingDepth() + 2)
            EndSubElement();
        else if (depth == SettingDepth())
            settingDepths.pop_back();
    }
    --depth;
}

void settingsParseState::CharacterData(const char* text, std::size_t length)
{
    if (!InsideGridProperties() || depth < SettingDepth() + 1)
        return;
    while (length > 0 && IsWhiteSpace(text[0])) {
        ++text;
        --length;
    }
    while (length > 0 && IsWhiteSpace(text[length - 1]))
        --length;
    // A piece that would take the text past its limit is dropped whole, never cut.
    if (length == 0 || CharacterCount(setting.value) + CharacterCount(text, length) > VALUE_LIMIT)
        return;
    setting.value.append(text, length);
}

void settingsParseState::StartSetting(const char* name)
{
    setting = parsedSetting{ElementName(name), {}, {}, {}};
    subElement.clear();
}

void settingsParseState::EndSetting()
{
    ApplySetting(settings, setting);
    // A setting is applied once: an unbalanced end further on finds no key.
    setting.key.clear();
}

// A label, x or y sub-element owns the text it collects: the value holds only that text from the
// sub-element's start to its end, so each label and each coordinate has the whole limit to
// itself and text beside them does not leak in. A coordinate is read once its sub-element has
// ended, as its text may have come in several pieces (split at a reference, for example).
bool settingsParseState::SubElementOwnsText() const
{
    return subElement == "label" || subElement == "x" || subElement == "y";
}

void settingsParseState::EndSubElement()
{
    std::string& value = setting.value;
    if (subElement == "label" && !value.empty() && setting.labels.size() < MAX_LABELS)
        setting.labels.push_back(value == "nbsp" ? std::string() : value);
    else if (subElement == "x")
        ReadDocumentNumber(value, setting.intersection.x);
    else if (subElement == "y")
        ReadDocumentNumber(value, setting.intersection.y);
    if (SubElementOwnsText())
        value.clear();
    subElement.clear();
}
