#include "app/report/WordWrap.h"

#include <sstream>

std::vector<std::string> WrappedLines(const std::string& text, double width,
                                      const std::function<double(const std::string&)>& measure)
{
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string line, word;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && measure(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}
