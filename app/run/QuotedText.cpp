#include "app/run/QuotedText.h"

#include <cstdint>

namespace {

unsigned char Byte(const std::string& text, std::size_t at)
{
    return static_cast<unsigned char>(text[at]);
}

// The length of the UTF-8 character that starts at `at`, or 0 where none does: a stray byte, a
// sequence cut short or too long, a surrogate, or one of the C1 controls (U+0080 to U+009F).
std::size_t CharacterLength(const std::string& text, std::size_t at)
{
    const unsigned char lead = Byte(text, at);
    const std::size_t length = lead < 0xc2   ? 0
                               : lead < 0xe0 ? 2
                               : lead < 0xf0 ? 3
                               : lead < 0xf5 ? 4
                                             : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    std::uint32_t code = lead & (0x7fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((Byte(text, at + i) & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (Byte(text, at + i) & 0x3fu);
    }
    const std::uint32_t least[] = {0, 0, 0xa0, 0x800, 0x10000};
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    return code >= least[length] && code <= 0x10ffff && !surrogate ? length : 0;
}

std::string Escape(unsigned char c)
{
    switch (c) {
    case '\n':
        return "\\n";
    case '\t':
        return "\\t";
    case '"':
    case '\\':
        return std::string("\\") + char(c);
    default:
        break;
    }
    if (c >= 0x20 && c < 0x7f)
        return std::string(1, char(c));
    const char* const HEX = "0123456789abcdef";
    return std::string("\\x") + HEX[c >> 4] + HEX[c & 15];
}

} // namespace

std::string QuotedText(const std::string& text)
{
    std::string quoted = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Byte(text, at) >= 0x80 ? CharacterLength(text, at) : 0;
        quoted += length > 0 ? text.substr(at, length) : Escape(Byte(text, at));
        at += length > 0 ? length : 1;
    }
    return quoted + "\"";
}
