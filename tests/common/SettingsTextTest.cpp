#include "common/SettingsText.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

// What a settings file says the zoom is, when it says so clearly, whatever bytes it holds.
TEST(SettingsText, OnlyAClearSettingIsRead)
{
    const struct {
        std::string bytes;
        std::optional<std::string> zoom;
    } cases[] = {
        {"[View]\nZoom=300\n[View]\nZoom=150\n", {}}, // twice, even in sections of their own
        {"[View]\nZoom=300\n[view]\nZoom=150\n", {}}, // a section that may be the same
        {"[View]\nZoom=200\n[/View]\nZoom=200\n", {}},
        {"[View]\nZoom=200\nZoom=200\n", {}},
        {"[view]\nZoom=200\n", {}},
        {"[View]\n[Oops\nZoom=200\n", {}}, // a broken header ends the section
        {"Zoom=200\n[View]\n", {}},
        {"\xef\xbb\xbf[View]\nZoom=200\n", {}},
        {"[a]\n[b]\n[a]\n=200\n[View]\nZoom=250\n[view]\n[a]\nZoom=100\n", "250"},
        {"# mine\r\n[ View ]\r\n\tZoom \t= 175 \r\n", "175"},
        {"[View]\n\0\xff\xfe=1\nZoom=150\r"s, "150"},
        {"[View]\nZoom=300\0\xff"s, "300\0\xff"s},
        {"[View]\n" + std::string(100000, '=') + "\nZoom=125", "125"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingsText(c.bytes).Value("View", "Zoom"), c.zoom)
            << testing::PrintToString(c.bytes.substr(0, 60));
}

// A change rewrites the zoom's line and no other: every other line stays byte for byte, lines
// that might set the zoom too go, and the zoom then reads back clearly.
TEST(SettingsText, AChangeKeepsEveryOtherLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a=1\n[View]\n  Zoom = 200  \r\n# after\n", "a=1\n[View]\nZoom=125\r\n# after\n"},
        {"[View]\nZoom=300\n[View]\nZoom=150\n", "[View]\nZoom=125\n[View]\n"},
        {"[/View]\nZoom=150\n[View]\n[View]\nzoom=9\nZoom=200",
         "[/View]\n[View]\n[View]\nZoom=125"},
        {"[View]\nzoom=300\n", "[View]\nZoom=125\n"},
        {"; c\r\n[view]\r\nzoom=2\r\n[View]\r\nx=1", "; c\r\n[view]\r\n[View]\r\nZoom=125\r\nx=1"},
        {"[View]", "[View]\nZoom=125\n"},
        {"a\r\n[View]\r", "a\r\n[View]\r\nZoom=125\r\n"},
        {"# mine\n[a]\n[b]\n[a]\n=200\nx", "# mine\n[a]\n[b]\n[a]\n=200\nx\n[View]\nZoom=125\n"},
        {"[View]\n\0junk\xff\nZoom=1\n"s, "[View]\n\0junk\xff\nZoom=125\n"s},
        {"", "[View]\nZoom=125\n"},
    };
    for (const auto& [before, after] : cases) {
        SettingsText text(before);
        text.SetValue("View", "Zoom", "125");
        EXPECT_EQ(text.Bytes(), after) << testing::PrintToString(before);
        EXPECT_EQ(text.Value("View", "Zoom"), "125") << testing::PrintToString(before);
    }
}
