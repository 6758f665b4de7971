#include "graph/loader/coordSysSettingsLoader.h"

#include "common/ReadRegularFile.h"
#include "graph/loader/settingsParseState.h"

// The library is built with DTD support, which brings its entity-expansion bounds; its header
// declares them only when told so.
#ifndef XML_DTD
#define XML_DTD 1
#endif
#include <expat.h>

#include <climits>
#include <cstring>
#include <memory>

namespace {

// Settings documents use entities little if at all. Expat stops a document whose entity
// expansions outgrow its direct input; these bounds are tighter than the library's own, so a
// large hostile document cannot make the handlers chew through gigabytes of expanded text.
constexpr float MAX_AMPLIFICATION = 10.0f;
constexpr unsigned long long AMPLIFICATION_THRESHOLD = 1 << 20;

// Far beyond any settings document (one setting takes a few dozen bytes). A larger file is
// refused from its size alone, before any of it is read.
constexpr std::size_t MAX_FILE_BYTES = 16 << 20;

void XMLCALL OnStartElement(void* state, const XML_Char* name, const XML_Char**)
{
    static_cast<settingsParseState*>(state)->StartElement(name);
}

void XMLCALL OnEndElement(void* state, const XML_Char*)
{
    static_cast<settingsParseState*>(state)->EndElement();
}

void XMLCALL OnCharacterData(void* state, const XML_Char* text, int length)
{
    static_cast<settingsParseState*>(state)->CharacterData(text, static_cast<std::size_t>(length));
}

using parserHandle = std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)>;

} // namespace

bool coordSysSettingsLoader::LoadSettings(const char* text)
{
    return text != nullptr && LoadSettings(text, std::strlen(text));
}

bool coordSysSettingsLoader::LoadSettings(const char* text, std::size_t length)
{
    // The parser takes its input length as an int; a longer text is refused, not cut short.
    if (length > INT_MAX)
        return false;
    parserHandle parser(XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!parser)
        return false;
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser.get(), MAX_AMPLIFICATION);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(parser.get(), AMPLIFICATION_THRESHOLD);
    settingsParseState state(settings);
    XML_SetUserData(parser.get(), &state);
    XML_SetElementHandler(parser.get(), OnStartElement, OnEndElement);
    XML_SetCharacterDataHandler(parser.get(), OnCharacterData);
    return XML_Parse(parser.get(), text, static_cast<int>(length), XML_TRUE) == XML_STATUS_OK;
}

bool coordSysSettingsLoader::LoadSettingsFile(const std::string& fileName)
{
    std::string text;
    return ReadRegularFile(fileName, MAX_FILE_BYTES, text) &&
           LoadSettings(text.data(), text.size());
}
