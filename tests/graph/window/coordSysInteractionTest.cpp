#include "graph/drawing/clipboardPicture.h"
#include "graph/window/bufferedCoordSys.h"

#include "ScreenArea.h"
#include "ToolkitTestSupport.h"
#include "graphWindowFixture.h"

#include <expat.h>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dcmemory.h>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/mstream.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>

namespace {

const wxDataFormat PNG("image/png");
const wxDataFormat SVG(clipboardPicture::SVG_FORMAT);

// The pixel size in the view box of an SVG text's root element; (-1, -1) unless the text is
// well-formed XML with an "svg" root.
wxSize SvgSize(const std::string& text)
{
    wxSize size(-1, -1);
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &size);
    XML_SetStartElementHandler(parser, [](void* data, const XML_Char* name, const XML_Char** at) {
        for (; std::strcmp(name, "svg") == 0 && *at; at += 2)
            if (std::strcmp(at[0], "viewBox") == 0) {
                auto* found = static_cast<wxSize*>(data);
                std::sscanf(at[1], "0 0 %d %d", &found->x, &found->y);
            }
    });
    const bool wellFormed = XML_Parse(parser, text.data(), int(text.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return wellFormed ? size : wxSize(-1, -1);
}

// What the clipboard offers in a format, as bytes; empty when it does not offer it.
std::string ClipboardBytes(const wxDataFormat& format)
{
    wxCustomDataObject data(format);
    wxClipboardLocker locker;
    if (!locker || !wxTheClipboard->IsSupported(format) || !wxTheClipboard->GetData(data))
        return {};
    return std::string(static_cast<const char*>(data.GetData()), data.GetSize());
}

// The size of the PNG on the clipboard; (-1, -1) when there is none or it does not decode.
wxSize ClipboardPngSize()
{
    const std::string bytes = ClipboardBytes(PNG);
    wxMemoryInputStream in(bytes.data(), bytes.size());
    const wxImage image(in, wxBITMAP_TYPE_PNG);
    return image.IsOk() ? image.GetSize() : wxSize(-1, -1);
}

// The picture an SVG renderer makes of the text at 96 dpi, read back as an image; not ok when
// the renderer is not installed. Each command has the SVG file and the PNG file put in.
wxImage RenderedSvg(const std::string& svg, const char* command)
{
    const wxString in = wxFileName::CreateTempFileName("zobrin-svg");
    const wxString out = in + ".png";
    wxFile(in, wxFile::write).Write(svg.data(), svg.size());
    const std::string line = wxString::Format(command, in, out).utf8_string();
    wxImage image;
    if (std::system(line.c_str()) == 0)
        image.LoadFile(out, wxBITMAP_TYPE_PNG);
    wxRemoveFile(in);
    wxRemoveFile(out);
    return image;
}

// How many pixels of the two images differ by more than a quarter of the range in a channel;
// -1 when their sizes differ.
int DifferentPixels(const wxImage& a, const wxImage& b)
{
    if (a.GetSize() != b.GetSize())
        return -1;
    int different = 0;
    const unsigned char* p = a.GetData();
    const unsigned char* q = b.GetData();
    for (int i = 0; i < a.GetWidth() * a.GetHeight(); ++i, p += 3, q += 3)
        different +=
            std::abs(p[0] - q[0]) > 64 || std::abs(p[1] - q[1]) > 64 || std::abs(p[2] - q[2]) > 64;
    return different;
}

// Whether ImageMagick reads SVG with a renderer of its own (its extra coders installed) rather
// than through rsvg: its list of formats then has an SVG coder that names no RSVG.
bool ImageMagickRendersSvgItself()
{
    FILE* list = popen("convert -list format 2>/dev/null", "r");
    if (list == nullptr)
        return false;
    bool own = false;
    char line[512];
    while (std::fgets(line, sizeof line, list) != nullptr) {
        std::string format;
        std::istringstream(line) >> format;
        own |= (format == "SVG" || format == "SVG*") && std::strstr(line, "RSVG") == nullptr;
    }
    pclose(list);
    return own;
}

// The SVG text without its text elements, which the toolkit writes one a line.
std::string WithoutText(const std::string& svg)
{
    std::istringstream in(svg);
    std::string out, line;
    while (std::getline(in, line))
        if (line.find("<text") == std::string::npos)
            out += line + '\n';
    return out;
}

// What draw puts on white within the window, on a picture of a size, with text of a colour.
wxImage Drawn(const wxSize& window, const wxSize& size, const std::function<void(wxDC&)>& draw,
              const wxColour& text)
{
    wxBitmap bitmap(size, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetClippingRegion(wxPoint(0, 0), window);
        dc.SetTextForeground(text);
        draw(dc);
    }
    return bitmap.ConvertToImage();
}

// Whether a pixel of one picture has a pixel of the other within one pixel of it whose every
// channel lies within half the range of its own.
bool HasNear(const wxImage& picture, const wxImage& other, int x, int y)
{
    const unsigned char* p = picture.GetData() + 3 * (y * picture.GetWidth() + x);
    for (int v = std::max(y - 1, 0); v <= std::min(y + 1, other.GetHeight() - 1); ++v)
        for (int u = std::max(x - 1, 0); u <= std::min(x + 1, other.GetWidth() - 1); ++u) {
            const unsigned char* q = other.GetData() + 3 * (v * other.GetWidth() + u);
            if (std::abs(p[0] - q[0]) < 128 && std::abs(p[1] - q[1]) < 128 &&
                std::abs(p[2] - q[2]) < 128)
                return true;
        }
    return false;
}

// How many pixels of either picture have nothing near them in the other, as HasNear says;
// -1 when their sizes differ.
int FarPixels(const wxImage& a, const wxImage& b)
{
    if (a.GetSize() != b.GetSize())
        return -1;
    int far = 0;
    for (int y = 0; y < a.GetHeight(); ++y)
        for (int x = 0; x < a.GetWidth(); ++x)
            far += !HasNear(a, b, x, y) + !HasNear(b, a, x, y);
    return far;
}

class coordSysInteraction : public graphWindowFixture {
protected:
    void SetUp() override
    {
        graphWindowFixture::SetUp();
        graph = new coordSys(parent, 3, wxDefaultPosition, wxSize(200, 100));
        buffered = new bufferedCoordSys(parent, 4, wxDefaultPosition, wxSize(240, 120));
        wxClipboardLocker locker;
        wxTheClipboard->SetData(new wxTextDataObject("sentinel"));
    }

    // Whether the window consumed a key press (false: passed on).
    static bool Press(wxWindow* window, int key, bool ctrl, bool shift = false)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = key;
        event.SetControlDown(ctrl);
        event.SetShiftDown(shift);
        return window->GetEventHandler()->ProcessEvent(event);
    }

    // Expects one picture on the clipboard as PNG and SVG of the same size, which the window
    // bounds: at most its full size and 10 pixels.
    static void ExpectPictureOf(wxWindow* window)
    {
        const wxSize size = ClipboardPngSize();
        EXPECT_EQ(SvgSize(ClipboardBytes(SVG)), size);
        EXPECT_TRUE(wxRect(10, 10, window->GetSize().x + 1, window->GetSize().y + 1)
                        .Contains(wxPoint(size.x, size.y)))
            << size.x << "x" << size.y;
    }

    coordSys* graph = nullptr;
    bufferedCoordSys* buffered = nullptr;
};

} // namespace

TEST(clipboardPicture, BothFormsTakeTheSizeOfWhatWasDrawnWithinTheWindow)
{
    const wxSize window(200, 100);
    const clipboardPicture picture(window, [](wxDC& dc) {
        dc.SetBrush(*wxBLACK_BRUSH);
        dc.DrawRectangle(20, 10, 103, 35);
    });
    EXPECT_EQ(picture.GetSize(), wxSize(133, 55));
    const wxImage image = picture.GetBitmap().ConvertToImage();
    EXPECT_EQ(image.GetRed(60, 30) + image.GetRed(5, 5) + image.GetRed(130, 50), 0 + 255 + 255);
    EXPECT_EQ(SvgSize(picture.GetSvg()), picture.GetSize());
    EXPECT_NE(picture.GetSvg().find("<rect"), std::string::npos) << "drawn as a vector";

    // A line toward a far-off point counts only up to the window's edge; nothing drawn, nothing.
    const auto farOff = [](wxDC& dc) { dc.DrawLine(-20, -20, 10000, 10000); };
    EXPECT_EQ(clipboardPicture(window, farOff).GetSize(), wxSize(210, 110));
    EXPECT_EQ(clipboardPicture(window, [](wxDC&) {}).GetSize(), wxSize(10, 10));
}

TEST_F(coordSysInteraction, CtrlCCopiesThePictureAndOtherKeysPassOn)
{
    EXPECT_FALSE(Press(graph, 'C', false));
    EXPECT_FALSE(Press(buffered, 'C', false));
    EXPECT_FALSE(Press(graph, 'V', true));
    EXPECT_TRUE(ClipboardBytes(PNG).empty());

    wxImage::RemoveHandler("PNG file"); // the copy registers it when the host has not
    EXPECT_TRUE(Press(graph, 'C', true));
    ExpectPictureOf(graph);
    // The buffered graph copies the picture it renders, which brings its view up to date.
    buffered->SetXMax(20);
    EXPECT_TRUE(Press(buffered, 'C', true, true));
    ExpectPictureOf(buffered);
    EXPECT_EQ(buffered->GetViewXMax(), 20);
}

TEST_F(coordSysInteraction, RightClickWithoutTheMenuPassesOnAndTheMenuItemShowsProperties)
{
    wxMouseEvent rightUp(wxEVT_RIGHT_UP);
    EXPECT_FALSE(graph->GetEventHandler()->ProcessEvent(rightUp));
    EXPECT_FALSE(graph->GetPropertiesWindow()->IsShown());

    wxCommandEvent chosen(wxEVT_MENU, 0);
    EXPECT_TRUE(graph->GetEventHandler()->ProcessEvent(chosen));
    EXPECT_TRUE(graph->GetPropertiesWindow()->IsShown());
}

TEST_F(coordSysInteraction, TooltipShowsTheFirstMarkerWithinReachShownOrHidden)
{
    graph->UpdateView();
    pointLabel first;
    first.x = 1.5;
    first.y = -2;
    first.text = "first";
    first.visible = false;
    pointLabel second = first;
    second.text = "second";
    second.visible = true;
    graph->AddLabel(first);
    graph->AddLabel(second);
    const wxPoint at(graph->XToPixel(1.5), graph->YToPixel(-2));

    EXPECT_EQ(graph->LabelAt(at + wxSize(3, 2))->text, "first") << "3.6 pixels off: within 4";
    EXPECT_EQ(graph->LabelAt(at + wxSize(3, 3)), nullptr) << "4.24 pixels off: beyond 4";

    wxMouseEvent motion(wxEVT_MOTION);
    motion.SetPosition(at + wxSize(-2, 1));
    graph->GetEventHandler()->ProcessEvent(motion);
    EXPECT_EQ(graph->GetShownTooltip(), "(1.5, -2)\n---------------------\nfirst");

    motion.SetPosition(at + wxSize(30, 30));
    graph->GetEventHandler()->ProcessEvent(motion);
    EXPECT_EQ(graph->GetShownTooltip(), "") << "off every marker the tooltip goes";
}

TEST_F(coordSysInteraction, TooltipIsOnScreenWithinTheFirstEventLoopTurnsOverAMarker)
{
    buffered->Move(0, 150);
    frame->SetClientSize(400, 300);
    frame->Show();
    ASSERT_TRUE(WaitFor([this] { return graph->IsShownOnScreen(); }, 5));
    graph->UpdateView();
    pointLabel label;
    label.x = 1.5;
    label.y = -2;
    label.text = "marked";
    graph->AddLabel(label);
    const wxPoint marker = graph->ClientToScreen({graph->XToPixel(1.5), graph->YToPixel(-2)});
    bool reached = false;
    graph->Bind(wxEVT_MOTION, [&](wxMouseEvent& event) {
        reached = reached || graph->LabelAt(event.GetPosition());
        event.Skip();
    });
    // Beside the pointer, where a tooltip comes up.
    const wxRect beside(marker + wxSize(4, 4), wxSize(150, 60));
    WaitFor([] { return false; }, 0.2);
    const wxImage before = ScreenArea(beside);

    wxUIActionSimulator user;
    user.MouseMove(marker);
    ASSERT_TRUE(WaitFor([&] { return reached; }, 5)) << "the graph never saw the pointer come";
    int turns = 0;
    while (DifferentPixels(ScreenArea(beside), before) < 200 && turns < 10) {
        wxTheApp->Yield();
        wxMilliSleep(5);
        ++turns;
    }
    EXPECT_LT(turns, 10) << "no tooltip on the screen 10 event-loop turns after the pointer came";
    EXPECT_EQ(graph->GetShownTooltip(), "(1.5, -2)\n---------------------\nmarked");

    user.MouseMove(graph->ClientToScreen(wxPoint(250, 50))); // off the graph
    EXPECT_TRUE(WaitFor([this] { return graph->GetShownTooltip().empty(); }, 5));
}

TEST_F(coordSysInteraction, SvgRendersAsThePngAt96Dpi)
{
    // ImageMagick reads SVG through rsvg or, with its extra coders installed, with a renderer of
    // its own, which draws text in other letters, smooths every edge and puts edges half a pixel
    // off. That one is given the drawing without its text and compared with the same drawing
    // without its text, within a pixel.
    const bool own = ImageMagickRendersSvgItself();
    const struct {
        const char* name;
        const char* command;
        bool exact;
    } renderers[] = {
        {"rsvg-convert", "rsvg-convert --dpi-x 96 --dpi-y 96 -o '%2$s' '%1$s'", true},
        {own ? "ImageMagick's own SVG renderer" : "ImageMagick through rsvg",
         "convert -density 96 '%1$s' '%2$s'", !own},
    };
    // Lines, outlined and filled shapes, ellipses and text, and a column reaching far past the
    // window: a graph with both kinds of grid and a column series.
    Resize(buffered, 300, 200);
    dataSeries columns;
    columns.style = dataSeries::COLUMNS;
    columns.runs = {{{-2, 3}, {1, 1.5}, {3, 1e9}}};
    buffered->SetSeries(&columns);
    const auto draw = [this](wxDC& dc) {
        buffered->gridStyle = coordSysSettings::RECTANGULAR_GRID;
        buffered->RenderTo(dc);
        buffered->gridStyle = coordSysSettings::POLAR_GRID;
        buffered->DrawGrid(dc);
    };
    const clipboardPicture picture(buffered->GetSize(), draw);
    EXPECT_EQ(picture.GetSvg().find("clip-path"), std::string::npos);
    const wxImage png = picture.GetBitmap().ConvertToImage();
    const wxImage letterless = Drawn(buffered->GetSize(), png.GetSize(), draw, wxTransparentColour);
    int rendered = 0;
    for (const auto& renderer : renderers) {
        const wxImage svg = RenderedSvg(
            renderer.exact ? picture.GetSvg() : WithoutText(picture.GetSvg()), renderer.command);
        if (!svg.IsOk())
            continue;
        ++rendered;
        // Only the text's letters may differ a little: each renderer shapes glyphs its own way.
        const int different =
            renderer.exact ? DifferentPixels(svg, png) : FarPixels(svg, letterless);
        std::cout << renderer.name
                  << (renderer.exact ? ", pixel for pixel: " : ", without text, within a pixel: ")
                  << different << " pixels differ\n";
        EXPECT_GE(different, 0) << renderer.name << ": sizes differ";
        EXPECT_LT(different, png.GetWidth() * png.GetHeight() / 200) << renderer.name;
    }
    if (rendered == 0)
        GTEST_SKIP() << "no SVG renderer installed";
}
