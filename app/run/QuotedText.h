#pragma once

#include <string>

// `text` in double quotes, for a message on a terminal: whatever a user typed or a file is named,
// it cannot fake a line or move the cursor. Control characters are written as escapes (\n, \t,
// \x0d, \x1b), as are bytes that are not UTF-8 and the C1 controls; a quote or a backslash in the
// text gets a backslash before it. Any other UTF-8 text shows as it is.
std::string QuotedText(const std::string& text);
