#pragma once

#include <functional>
#include <string>
#include <vector>

// A text broken into lines at its blanks, each line as long as fits within `width` by `measure`;
// a word longer than that has a line of its own.
std::vector<std::string> WrappedLines(const std::string& text, double width,
                                      const std::function<double(const std::string&)>& measure);
