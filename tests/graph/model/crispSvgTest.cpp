#include "graph/model/crispSvg.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Lines as the toolkit writes them. A paint that draws nothing is said as none: some renderers
// draw a stroke of opacity 0 in full.
TEST(CrispSvg, PaintsThatDrawNothingAreNone)
{
    struct {
        const char* line;
        const char* expected;
    } cases[] = {
        {R"(<g style="stroke-width:1; fill:#FFFFFF; fill-opacity:1.00; stroke:#000000; stroke-opacity:0.0;">)",
         R"(<g style="stroke-width:1; fill:#FFFFFF; fill-opacity:1.00; stroke:none;">)"},
        {R"(<g style="stroke-width:1; fill:#FFFFFF; fill-opacity:0.0; stroke:#CCCCCC; stroke-opacity:1.00;">)",
         R"(<g style="stroke-width:1; fill:none; stroke:#CCCCCC; stroke-opacity:1.00;">)"},
        {R"(  <text x="1" style="font-size:12.00pt; fill:#000000; fill-opacity:1.00; stroke:#000000; stroke-opacity:1.00; stroke-width:0; white-space: pre;">1</text>)",
         R"(  <text x="1" style="font-size:12.00pt; fill:#000000; fill-opacity:1.00; stroke:none; stroke-width:0; white-space: pre;">1</text>)"},
        {R"(<g style="fill:black; stroke:black; stroke-width:1">)",
         R"(<g style="fill:black; stroke:black; stroke-width:1">)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CrispSvg(std::string(c.line) + "\n", {10, 10}), std::string(c.expected) + "\n");
}

} // namespace
