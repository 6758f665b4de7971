#include "graph/loader/coordSysSettingsLoader.h"
#include "graph/loader/documentNumber.h"
#include "graph/loader/settingsParseState.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Loads a document whose root is gridProperties holding the given settings.
coordSysSettings Loaded(const std::string& settings)
{
    coordSysSettings s;
    EXPECT_TRUE(coordSysSettingsLoader(s).LoadSettings(
        ("<gridProperties>" + settings + "</gridProperties>").c_str()));
    return s;
}

// Every setting that is not a text, as numbers in a fixed order, to compare whole settings.
std::vector<double> Numbers(const coordSysSettings& s)
{
    const coordAxis& x = s.GetXAxis();
    const coordAxis& y = s.GetYAxis();
    return {s.GetXMin(),
            s.GetXMax(),
            s.GetYMin(),
            s.GetYMax(),
            x.GetTickUnit(),
            y.GetTickUnit(),
            x.GetMinorTickUnit(),
            y.GetMinorTickUnit(),
            1.0 * x.GetMaxTicks(),
            1.0 * y.GetMaxTicks(),
            1.0 * (x.autoScale + 2 * y.autoScale + 4 * x.minorAutoScale + 8 * y.minorAutoScale),
            1.0 * (x.showTicks + 2 * y.showTicks + 4 * x.showMinorTicks + 8 * y.showMinorTicks),
            1.0 * (x.showTickLabels + 2 * y.showTickLabels + 4 * s.xTrigScale + 8 * s.yTrigScale),
            1.0 * (s.equalScaling + 2 * s.originAlwaysViewable + 4 * s.axesAlwaysViewable),
            1.0 * (s.UsesCustomXTickLabels() + 2 * s.UsesCustomYTickLabels()),
            s.axisIntersection.x,
            s.axisIntersection.y,
            1.0 * s.gridStyle,
            1.0 * s.GetAxesStyle(),
            1.0 * s.GetXTickLabelPosition(),
            1.0 * s.GetYTickLabelPosition(),
            1.0 * s.GetXAxisLabelPosition(),
            1.0 * s.GetYAxisLabelPosition(),
            1.0 * s.GetFontSize()};
}

// What a document breaking after <xmin>1</xmin> must leave.
void ExpectOnlyXMinOne(const coordSysSettings& s)
{
    coordSysSettings expected;
    expected.SetXMin(1);
    EXPECT_EQ(Numbers(s), Numbers(expected));
    EXPECT_EQ(s.GetXAxisLabel(), "x");
}

std::string Repeated(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

// A path of this test process's own in the temporary folder.
std::string TempPath(const std::string& name)
{
    return testing::TempDir() + "zobrin-" + std::to_string(getpid()) + "-" + name;
}

std::string TempFile(const std::string& name, const std::string& content)
{
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

// While it lives, LC_NUMERIC may be taken from the locales generated into the build folder.
struct generatedLocales {
    generatedLocales() { setenv("LOCPATH", COMMA_LOCALE_PATH, 1); }
    ~generatedLocales()
    {
        std::setlocale(LC_NUMERIC, "C");
        unsetenv("LOCPATH");
    }
};

} // namespace

TEST(coordSysSettingsLoader, EveryKeyReachesItsSetting)
{
    const coordSysSettings s = Loaded(R"(
        <xmin> 2.5 </xmin><xmax>12 steps</xmax><ymin>-.5</ymin><ymax>+4e1</ymax>
        <xTrigScale>1</xTrigScale><yTrigScale>0.5</yTrigScale>
        <xMaxTicks>8</xMaxTicks><yMaxTicks>12.7</yMaxTicks>
        <xTickUnit>0.5</xTickUnit><yTickUnit>5</yTickUnit><yAutoScale>1</yAutoScale>
        <xMinorTickUnit>0.1</xMinorTickUnit><yMinorTickUnit>2</yMinorTickUnit>
        <yMinorAutoScale>1</yMinorAutoScale>
        <xShowTicks>0</xShowTicks><yShowMinorTicks>0</yShowMinorTicks>
        <xShowTickLabels>0</xShowTickLabels>
        <customYTickLabels><label>low</label><label>high</label></customYTickLabels>
        <yAxisLabel>frequency %</yAxisLabel>
        <axisIntersection><x>1.5</x><y>-2</y></axisIntersection>
        <gridStyle>7</gridStyle><axesStyle>2</axesStyle>
        <equalScaling>1</equalScaling><originAlwaysViewable>-3</originAlwaysViewable>
        <axesAlwaysViewable>0</axesAlwaysViewable>
        <xTickLabelPosition>3</xTickLabelPosition><yTickLabelPosition>8</yTickLabelPosition>
        <xAxisLabelPosition>15</xAxisLabelPosition><yAxisLabelPosition>9</yAxisLabelPosition>
        <fontSize>9.9</fontSize>)");
    EXPECT_EQ((std::vector<double>{s.GetXMin(), s.GetXMax(), s.GetYMin(), s.GetYMax()}),
              (std::vector<double>{2.5, 12, -0.5, 40}));
    EXPECT_TRUE(s.xTrigScale && s.yTrigScale);
    EXPECT_EQ((std::vector<int>{s.GetXMaxTicks(), s.GetYMaxTicks()}), (std::vector<int>{8, 12}));
    EXPECT_EQ(s.GetXTickUnit(), 0.5);
    EXPECT_FALSE(s.GetXAutoScale());
    EXPECT_TRUE(s.GetYAutoScale()); // yAutoScale after yTickUnit turns automatic choice back on
    EXPECT_EQ(s.GetXAxis().GetMinorTickUnit(), 0.1);
    EXPECT_FALSE(s.GetXAxis().minorAutoScale);
    EXPECT_TRUE(s.GetYAxis().minorAutoScale);
    EXPECT_FALSE(s.GetXAxis().showTicks || s.GetYAxis().showMinorTicks ||
                 s.GetXAxis().showTickLabels);
    EXPECT_TRUE(s.GetYAxis().showTicks && s.GetXAxis().showMinorTicks &&
                s.GetYAxis().showTickLabels);
    EXPECT_EQ(s.GetCustomYTickLabels(), (std::vector<std::string>{"low", "high"}));
    EXPECT_TRUE(s.UsesCustomYTickLabels() && !s.UsesCustomXTickLabels());
    EXPECT_EQ(s.GetYAxisLabel(), "frequency %");
    EXPECT_EQ((std::vector<double>{s.axisIntersection.x, s.axisIntersection.y}),
              (std::vector<double>{1.5, -2}));
    EXPECT_EQ(s.gridStyle, 7);
    EXPECT_EQ(s.GetAxesStyle(), 2);
    EXPECT_TRUE(s.equalScaling && s.originAlwaysViewable && !s.axesAlwaysViewable);
    EXPECT_EQ((std::vector<int>{s.GetXTickLabelPosition(), s.GetYTickLabelPosition(),
                                s.GetXAxisLabelPosition(), s.GetYAxisLabelPosition()}),
              (std::vector<int>{2, 8, 6, 9}));
    EXPECT_EQ(s.GetFontSize(), 9);
}

TEST(coordSysSettingsLoader, RefusedUnknownAndNumberlessValuesChangeNothing)
{
    // fontSize 0 and xTickUnit -1 are refused by their setters; xTrickUnit is no key; a numeric
    // key without a number is skipped (1e400 and inf are none, 0x10 is 0); a name that only
    // begins with a key is no key.
    const coordSysSettings s = Loaded("<fontSize>0</fontSize><xTickUnit>-1</xTickUnit>"
                                      "<xTrickUnit>3</xTrickUnit><xmin/><xmax>true</xmax>"
                                      "<equalScaling>yes</equalScaling><gridStyle>1e10</gridStyle>"
                                      "<originAlwaysViewableX>1</originAlwaysViewableX>"
                                      "<XMIN>3</XMIN><ymin>1e400</ymin><ymax>inf</ymax>"
                                      "<yTickUnit>0x10</yTickUnit><fontSize>.</fontSize>");
    EXPECT_EQ(Numbers(s), Numbers(coordSysSettings()));
}

TEST(coordSysSettingsLoader, SettingsApplyInDocumentOrder)
{
    EXPECT_TRUE(Loaded("<xTickUnit>2</xTickUnit><xAutoScale>1</xAutoScale>").GetXAutoScale());
    EXPECT_FALSE(Loaded("<xAutoScale>1</xAutoScale><xTickUnit>2</xTickUnit>").GetXAutoScale());
    EXPECT_EQ(Loaded("<xmin>1</xmin><xmin>3</xmin>").GetXMin(), 3);
}

TEST(coordSysSettingsLoader, TextsAreTakenUpToTwentyCharacters)
{
    EXPECT_EQ(Loaded("<xAxisLabel>abcdefghijklmnopqrst</xAxisLabel>").GetXAxisLabel(),
              "abcdefghijklmnopqrst");
    EXPECT_EQ(Loaded("<xAxisLabel>abcdefghijklmnopqrstu</xAxisLabel>").GetXAxisLabel(), "");
    // Twenty characters of which some take two bytes.
    EXPECT_EQ(Loaded("<yAxisLabel>Größe der Augensumme</yAxisLabel>").GetYAxisLabel(),
              "Größe der Augensumme");
    // The parser splits text at references and line breaks; each piece is trimmed and the
    // pieces are joined, as long as the next one fits.
    EXPECT_EQ(Loaded("<xAxisLabel>a &amp; b\n  c</xAxisLabel>").GetXAxisLabel(), "a&bc");
    EXPECT_EQ(Loaded("<xAxisLabel>abcdefghij\nklmnopqrstu\nv</xAxisLabel>").GetXAxisLabel(),
              "abcdefghijv");
}

TEST(coordSysSettingsLoader, LabelListsAndTheirEmptyEntry)
{
    const coordSysSettings s =
        Loaded("<customXTickLabels><label>1</label><label>nbsp</label><label> </label>"
               "<label>abcdefghijklmnopqrstu</label><label>3</label></customXTickLabels>"
               "<customYTickLabels/>");
    EXPECT_EQ(s.GetCustomXTickLabels(), (std::vector<std::string>{"1", "", "3"}));
    EXPECT_TRUE(s.UsesCustomXTickLabels());
    EXPECT_TRUE(s.GetCustomYTickLabels().empty());
    EXPECT_TRUE(s.UsesCustomYTickLabels());
    // Each label has the whole limit to itself, and text beside the labels is not part of one.
    EXPECT_EQ(Loaded("<customXTickLabels>junk<label>abcdefghijklmnop</label>"
                     "<label>qrstuvwxyz0123456</label></customXTickLabels>")
                  .GetCustomXTickLabels(),
              (std::vector<std::string>{"abcdefghijklmnop", "qrstuvwxyz0123456"}));
    // Markup inside a text is read over: its text is part of the value.
    const coordSysSettings marked = Loaded("<customXTickLabels><label><b>Tue</b></label>"
                                           "</customXTickLabels><axisIntersection><x><i>2</i>"
                                           "</x></axisIntersection>");
    EXPECT_EQ(marked.GetCustomXTickLabels(), std::vector<std::string>{"Tue"});
    EXPECT_EQ(marked.axisIntersection.x, 2);
}

TEST(coordSysSettingsLoader, LabelsPastTheTickBoundAreNotCollected)
{
    coordSysSettings s;
    settingsParseState state(s);
    for (const char* name : {"gridProperties", "customYTickLabels"})
        state.StartElement(name);
    for (int i = 0; i < 2500; ++i) {
        state.StartElement("label");
        state.CharacterData("a", 1);
        state.EndElement();
    }
    EXPECT_EQ(state.Labels().size(), 2001u);
}

TEST(coordSysSettingsLoader, AxisIntersectionTakesBothCoordinatesOrZero)
{
    coordSysSettings s;
    s.axisIntersection = {7, 7};
    EXPECT_TRUE(coordSysSettingsLoader(s).LoadSettings(
        "<gridProperties><axisIntersection><y>4</y></axisIntersection></gridProperties>"));
    EXPECT_EQ(s.axisIntersection.x, 0);
    EXPECT_EQ(s.axisIntersection.y, 4);
    // Long coordinates each fit, and a number split at a reference is read whole.
    s = Loaded("<axisIntersection><x>-1234567.12345678</x><y>1&#46;5</y></axisIntersection>");
    EXPECT_EQ(s.axisIntersection.x, -1234567.12345678);
    EXPECT_EQ(s.axisIntersection.y, 1.5);
}

TEST(coordSysSettingsLoader, OnlyChildrenOfAnOpenGridPropertiesAreSettings)
{
    coordSysSettings s;
    EXPECT_TRUE(coordSysSettingsLoader(s).LoadSettings(R"(
        <document><xmin>1</xmin>
          <graph><gridProperties>
            <xmax>7</xmax>
            <gridProperties><ymax>3</ymax></gridProperties>
            <fontSize>8</fontSize>
          </gridProperties></graph>
          <graph><ymin>-9</ymin></graph>
        </document>)"));
    EXPECT_EQ((std::vector<double>{s.GetXMin(), s.GetXMax(), s.GetYMin(), s.GetYMax()}),
              (std::vector<double>{-5, 7, -5, 3}));
    EXPECT_EQ(s.GetFontSize(), 8);
}

TEST(coordSysSettingsLoader, NumbersTakeOneSignAndIntsEndAtTheirLimits)
{
    // text, whether it reads as a number, and as an int (the int read, or 7 left standing)
    const struct {
        const char* text;
        bool number;
        int whole;
    } cases[] = {
        {"+-5", false, 7},             // one sign at most
        {"2147483647", true, INT_MAX}, // the largest int
        {"2147483648", true, 7},
        {"-2147483648", true, INT_MIN}, // the smallest
        {"-2147483649", true, 7},
    };
    for (const auto& c : cases) {
        double number = 7;
        int whole = 7;
        EXPECT_EQ(ReadDocumentNumber(c.text, number), c.number) << c.text;
        EXPECT_EQ(ReadDocumentInt(c.text, whole), c.whole != 7) << c.text;
        EXPECT_EQ(whole, c.whole) << c.text;
    }
}

TEST(coordSysSettingsLoader, NumbersReadWithAPointUnderACommaLocale)
{
    const generatedLocales locales;
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "none in " COMMA_LOCALE_PATH;
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const coordSysSettings s =
        Loaded("<xmin>2.5</xmin><xTickUnit>0.25</xTickUnit><fontSize>9.9</fontSize>");
    EXPECT_EQ(s.GetXMin(), 2.5);
    EXPECT_EQ(s.GetXTickUnit(), 0.25);
    EXPECT_EQ(s.GetFontSize(), 9);
}

TEST(coordSysSettingsLoader, BrokenDocumentsKeepWhatCameBefore)
{
    const std::string before = "<gridProperties><xmin>1</xmin>";
    const std::string broken[] = {
        before + "<xmax>2",                                             // cut off mid-element
        before + "<xAxisLabel>\xff\xfe</xAxisLabel>",                   // invalid UTF-8
        before + "</gridProperties>" + std::string(1, '\0') + "<xmax>", // a zero byte after the end
        before + Repeated("<a>", 100000),                               // deep, and never closed
    };
    for (const std::string& text : broken) {
        coordSysSettings s;
        EXPECT_FALSE(coordSysSettingsLoader(s).LoadSettings(text.data(), text.size()));
        ExpectOnlyXMinOne(s);
    }
    coordSysSettings s;
    EXPECT_FALSE(coordSysSettingsLoader(s).LoadSettings(""));
    EXPECT_FALSE(coordSysSettingsLoader(s).LoadSettings(nullptr));
}

TEST(coordSysSettingsLoader, HostileDocumentsAreBounded)
{
    // Nesting 100000 deep, then closed again.
    EXPECT_EQ(Loaded("<xmin>1</xmin>" + Repeated("<a>", 100000) + Repeated("</a>", 100000) +
                     "<xmax>9</xmax>")
                  .GetXMax(),
              9);
    // A 50 MB text is no label, and the settings after it still apply.
    const coordSysSettings s =
        Loaded("<xAxisLabel>" + std::string(50 << 20, 'w') + "</xAxisLabel><fontSize>8</fontSize>");
    EXPECT_EQ(s.GetXAxisLabel(), "");
    EXPECT_EQ(s.GetFontSize(), 8);
    // Entities expanding to gigabytes, nested or side by side, are stopped.
    std::string nested = "<!ENTITY e0 \"lol\">";
    for (int i = 1; i <= 9; ++i)
        nested += "<!ENTITY e" + std::to_string(i) + " \"" +
                  Repeated("&e" + std::to_string(i - 1) + ";", 10) + "\">";
    const std::pair<std::string, std::string> bombs[] = {
        {nested, "&e9;"},
        {"<!ENTITY w \"" + std::string(100000, 'w') + "\">", Repeated("&w;", 10000)}};
    for (const auto& [entities, text] : bombs) {
        coordSysSettings bombed;
        const std::string document = "<!DOCTYPE gridProperties [" + entities + "]>" +
                                     "<gridProperties><xmin>1</xmin><xAxisLabel>" + text +
                                     "</xAxisLabel></gridProperties>";
        EXPECT_FALSE(coordSysSettingsLoader(bombed).LoadSettings(document.c_str()));
        ExpectOnlyXMinOne(bombed);
    }
}

TEST(coordSysSettingsLoader, FilesAreReadWholeAndOnlyWhenRegular)
{
    coordSysSettings s;
    coordSysSettingsLoader loader(s);
    EXPECT_TRUE(loader.LoadSettingsFile(
        TempFile("settings.xml", "<gridProperties><xmin>3</xmin></gridProperties>")));
    EXPECT_EQ(s.GetXMin(), 3);
    // The document's own encoding applies.
    std::string utf16 = "\xff\xfe";
    for (const char c : std::string("<gridProperties><xmax>8</xmax></gridProperties>"))
        utf16 += {c, '\0'};
    EXPECT_TRUE(loader.LoadSettingsFile(TempFile("utf16.xml", utf16)));
    EXPECT_EQ(s.GetXMax(), 8);
    const std::string fifo = TempPath("settings.fifo");
    mkfifo(fifo.c_str(), 0600);
    for (const std::string& unreadable :
         {TempFile("empty.xml", ""),
          TempFile("zero.xml", std::string("<gridProperties/>\0<x>", 22)), TempPath("missing.xml"),
          testing::TempDir(), fifo})
        EXPECT_FALSE(loader.LoadSettingsFile(unreadable)) << unreadable;
    EXPECT_EQ(s.GetXMin(), 3);
    for (const char* name : {"settings.xml", "utf16.xml", "settings.fifo", "empty.xml", "zero.xml"})
        std::remove(TempPath(name).c_str());
}

TEST(coordSysSettingsLoader, FilesAbove16MiBAreRefused)
{
    const std::string document = "<gridProperties><xmin>4</xmin></gridProperties>";
    const std::string full = document + std::string((16 << 20) - document.size(), ' ');
    coordSysSettings s;
    EXPECT_FALSE(coordSysSettingsLoader(s).LoadSettingsFile(TempFile("big.xml", full + " ")));
    EXPECT_TRUE(coordSysSettingsLoader(s).LoadSettingsFile(TempFile("big.xml", full)));
    EXPECT_EQ(s.GetXMin(), 4);
    std::remove(TempPath("big.xml").c_str());
}
