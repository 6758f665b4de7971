#pragma once

#include <string>

// A path as a message shows it: between double quotes, with the quote, the backslash and every
// control character escaped (\", \\, \n, \t, \x1b ...), so that no file name can break a message
// into lines of its own or make one look like another.
std::string QuotedPath(const std::string& path);
