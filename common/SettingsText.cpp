#include "common/SettingsText.h"

#include <algorithm>
#include <tuple>

namespace {

const char* const BLANKS = " \t";

std::string Trimmed(const std::string& text, const char* drop = BLANKS)
{
    const std::size_t first = text.find_first_not_of(drop);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(drop) - first + 1);
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether two names are the same but for the case of their ASCII letters.
bool SameButCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

} // namespace

std::optional<std::string> SettingsText::Value(const std::string& section,
                                               const std::string& key) const
{
    const Scan scan = Find(section, key);
    if (scan.settings.size() != 1 || !scan.settings[0].exact)
        return std::nullopt;
    return scan.settings[0].value;
}

void SettingsText::SetValue(const std::string& section, const std::string& key,
                            const std::string& value)
{
    const Scan scan = Find(section, key);
    const std::string setting = key + "=" + value;
    // Each edit replaces the bytes from begin to end with text.
    struct Edit {
        std::size_t begin;
        std::size_t end;
        std::string text;
    };
    std::vector<Edit> edits;
    bool written = false;
    for (const Setting& line : scan.settings) {
        const bool rewrite = line.exact && !written;
        edits.push_back(
            {line.line.begin, rewrite ? line.line.end : line.line.next, rewrite ? setting : ""});
        written = written || rewrite;
    }
    if (!written) {
        const std::size_t at = scan.header ? scan.header->next : bytes.size();
        edits.push_back({at, at, AddedLines(scan, section, setting)});
    }
    // An addition goes before a line removed at the same place.
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return std::tie(a.begin, a.end) < std::tie(b.begin, b.end);
    });
    std::string edited;
    std::size_t kept = 0;
    for (const Edit& edit : edits) {
        edited.append(bytes, kept, edit.begin - kept);
        edited += edit.text;
        kept = edit.end;
    }
    bytes = edited.append(bytes, kept);
}

SettingsText::Scan SettingsText::Find(const std::string& section, const std::string& key) const
{
    Scan scan;
    bool inSection = false;
    bool exactSection = false;
    for (std::size_t begin = 0; begin < bytes.size();) {
        const Line line = LineAt(begin);
        const std::string text = Trimmed(bytes.substr(line.begin, line.end - line.begin));
        if (!text.empty() && text[0] == '[') {
            const bool header = text.size() >= 2 && text.back() == ']';
            const std::string name = header ? Trimmed(text.substr(1, text.size() - 2)) : "";
            exactSection = header && name == section;
            inSection = header && SameButCase(Trimmed(name, "/ \t"), section);
            if (exactSection && !scan.header)
                scan.header = line;
        } else if (inSection && !text.empty() && text[0] != '#' && text[0] != ';') {
            const std::size_t equals = text.find('=');
            const std::string name = Trimmed(text.substr(0, equals));
            if (equals != std::string::npos && SameButCase(name, key))
                scan.settings.push_back(
                    {line, exactSection && name == key, Trimmed(text.substr(equals + 1))});
        }
        begin = line.next;
    }
    return scan;
}

SettingsText::Line SettingsText::LineAt(std::size_t begin) const
{
    const std::size_t feed = bytes.find('\n', begin);
    Line line{begin, feed == std::string::npos ? bytes.size() : feed, 0};
    line.next = feed == std::string::npos ? bytes.size() : feed + 1;
    if (line.end > begin && bytes[line.end - 1] == '\r')
        --line.end;
    return line;
}

std::string SettingsText::AddedLines(const Scan& scan, const std::string& section,
                                     const std::string& setting) const
{
    // Lines end as the text's first line does.
    const std::size_t feed = bytes.find('\n');
    const std::string newline =
        feed != std::string::npos && feed > 0 && bytes[feed - 1] == '\r' ? "\r\n" : "\n";
    const std::size_t at = scan.header ? scan.header->next : bytes.size();
    // A last line without its ending gets one first; a CR there is already the ending's start.
    const bool unended = at == bytes.size() && !bytes.empty() && bytes.back() != '\n';
    std::string lines = !unended ? "" : bytes.back() == '\r' ? "\n" : newline;
    if (!scan.header)
        lines += "[" + section + "]" + newline;
    return lines + setting + newline;
}
