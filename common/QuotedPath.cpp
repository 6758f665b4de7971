#include "common/QuotedPath.h"

std::string QuotedPath(const std::string& path)
{
    static const char HEX[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else if (c == '\n')
            quoted += "\\n";
        else if (c == '\t')
            quoted += "\\t";
        else if (byte < 0x20 || byte == 0x7f)
            quoted += std::string("\\x") + HEX[byte >> 4] + HEX[byte & 0xf];
        else
            quoted += c;
    }
    return quoted + "\"";
}
