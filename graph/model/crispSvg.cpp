#include "graph/model/crispSvg.h"

#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>

namespace {

bool StartsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

// The number after `name:` in a style, or 0 when the style has none.
double StyleValue(const std::string& style, const std::string& name)
{
    const size_t at = style.find(name + ":");
    return at == std::string::npos ? 0 : std::strtod(style.c_str() + at + name.size() + 1, nullptr);
}

bool Declares(const std::string& style, const std::string& name)
{
    return style.find(name + ":") != std::string::npos;
}

// Whether a style declares a paint ("fill" or "stroke") that draws nothing: of opacity 0, or a
// stroke of width 0.
bool DrawsNothing(const std::string& style, const std::string& paint)
{
    const std::string opacity = paint + "-opacity";
    const bool transparent = Declares(style, opacity) && StyleValue(style, opacity) == 0;
    const bool thin = paint == "stroke" && Declares(style, "stroke-width") &&
                      StyleValue(style, "stroke-width") == 0;
    return transparent || thin;
}

// The line with each paint that draws nothing said as none, without its opacity: some renderers
// draw a paint of opacity 0 in full.
std::string WithoutInvisiblePaint(std::string line)
{
    const auto first = std::regex_constants::format_first_only;
    for (const std::string paint : {"fill", "stroke"})
        if (DrawsNothing(line, paint)) {
            line = std::regex_replace(line, std::regex(paint + ":[^;\"]*"), paint + ":none", first);
            line = std::regex_replace(line, std::regex(" *" + paint + "-opacity:[^;\"]*;?"), "",
                                      first);
        }
    return line;
}

// How a group's pen draws: whether it draws an outline at all, and whether of odd width.
struct groupPen {
    bool outlines = false;
    bool odd = false;
};

groupPen PenOf(const std::string& group)
{
    const long width = std::lround(StyleValue(group, "stroke-width"));
    const bool outlines = StyleValue(group, "stroke-opacity") > 0;
    return {outlines, outlines && width % 2 == 1};
}

// The shape element a line holds; empty when it holds none.
std::string ShapeName(const std::string& line)
{
    static const std::regex shape(R"(^\s*<(path|polygon|polyline|rect|ellipse|circle|line)\b)");
    std::smatch match;
    return std::regex_search(line, match, shape) ? match.str(1) : std::string();
}

// The line with a number attribute of its element changed by delta.
std::string Adjusted(const std::string& line, const std::string& attribute, double delta)
{
    const std::regex value(" " + attribute + R"(="([-+0-9.eE]+)\")");
    std::smatch match;
    if (!std::regex_search(line, match, value))
        return line;
    std::ostringstream changed;
    changed << " " << attribute << "=\"" << std::strtod(match.str(1).c_str(), nullptr) + delta
            << "\"";
    return match.prefix().str() + changed.str() + match.suffix().str();
}

// An outlined rectangle covers one pixel less each way in the bitmap than its size says, so that
// its outline lies within the size; so does an outlined ellipse or circle as the graph draws
// it, around the same centre.
std::string Outlined(const std::string& line, const std::string& shape)
{
    if (shape == "rect")
        return Adjusted(Adjusted(line, "width", -1), "height", -1);
    if (shape == "ellipse")
        return Adjusted(Adjusted(line, "rx", -0.5), "ry", -0.5);
    if (shape == "circle")
        return Adjusted(line, "r", -0.5);
    return line;
}

// The line of an outlined shape, placed as the bitmap drawing places it.
std::string Crisp(const std::string& line, const std::string& shape, const groupPen& pen)
{
    std::string crisp = Outlined(line, shape);
    if (pen.odd && shape != "ellipse" && shape != "circle")
        crisp.insert(crisp.find(shape) + shape.size(), " transform=\"translate(0.5 0.5)\"");
    return crisp;
}

std::string WithPixelSize(const std::string& root, pixelSize size)
{
    static const std::regex width(R"( width="[^"]*")"), height(R"( height="[^"]*")");
    const auto first = std::regex_constants::format_first_only;
    std::string sized =
        std::regex_replace(root, width, " width=\"" + std::to_string(size.width) + "px\"", first);
    sized = std::regex_replace(sized, height, " height=\"" + std::to_string(size.height) + "px\"",
                               first);
    // The bitmap's text is drawn without smoothing too.
    return sized.insert(std::string("<svg").size(), " text-rendering=\"optimizeSpeed\"");
}

} // namespace

std::string CrispSvg(const std::string& svg, pixelSize size)
{
    std::istringstream in(svg);
    std::string out, line;
    bool sized = false;
    groupPen pen;
    while (std::getline(in, line)) {
        if (!sized && StartsWith(line, "<svg ")) {
            line = WithPixelSize(line, size);
            sized = true;
        } else if (StartsWith(line, "<g ")) {
            pen = PenOf(line);
        } else if (const std::string shape = ShapeName(line); pen.outlines && !shape.empty()) {
            line = Crisp(line, shape, pen);
        }
        out += WithoutInvisiblePaint(line) + '\n';
    }
    return out;
}
