#include "graph/bufferedCoordSys.h"
#include "graph/clipboardPicture.h"
#include "graph/pictureSize.h"

#include "graphWindowFixture.h"

#include <expat.h>
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/image.h>
#include <wx/mstream.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The root element of an SVG text, when the text is well-formed XML, with the size its view
// box gives in pixels.
struct svgRoot {
    bool wellFormed = false;
    std::string name;
    int width = -1;
    int height = -1;
};

svgRoot ParseSvg(const std::string& text)
{
    svgRoot root;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &root);
    XML_SetStartElementHandler(parser, [](void* data, const XML_Char* name, const XML_Char** attributes) {
        auto& found = *static_cast<svgRoot*>(data);
        if (!found.name.empty())
            return;
        found.name = name;
        for (; *attributes; attributes += 2)
            if (std::strcmp(attributes[0], "viewBox") == 0)
                std::sscanf(attributes[1], "0 0 %d %d", &found.width, &found.height);
    });
    root.wellFormed = XML_Parse(parser, text.data(), static_cast<int>(text.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return root;
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

wxImage DecodePng(const std::string& bytes)
{
    wxMemoryInputStream in(bytes.data(), bytes.size());
    return wxImage(in, wxBITMAP_TYPE_PNG);
}

const wxDataFormat PNG("image/png");
const wxDataFormat SVG(clipboardPicture::SVG_FORMAT);

void PutTextOnClipboard()
{
    wxClipboardLocker locker;
    wxTheClipboard->SetData(new wxTextDataObject("sentinel"));
}

// Expects the clipboard to hold one picture as PNG and as SVG, of the same size, no larger
// than the size rule allows for the window; returns that size.
wxSize ExpectPictureOnClipboard(const wxSize& window)
{
    const wxImage png = DecodePng(ClipboardBytes(PNG));
    EXPECT_TRUE(png.IsOk());
    const svgRoot svg = ParseSvg(ClipboardBytes(SVG));
    EXPECT_TRUE(svg.wellFormed);
    EXPECT_EQ(svg.name, "svg");
    EXPECT_EQ(wxSize(svg.width, svg.height), png.GetSize());
    const pixelSize largest = PictureSize(window.x, window.y, {window.x, window.y});
    EXPECT_GE(png.GetWidth(), 10);
    EXPECT_LE(png.GetWidth(), largest.width);
    EXPECT_GE(png.GetHeight(), 10);
    EXPECT_LE(png.GetHeight(), largest.height);
    return png.GetSize();
}

class coordSysInteraction : public graphWindowFixture {
protected:
    void SetUp() override
    {
        graphWindowFixture::SetUp();
        graph = new coordSys(parent, 3, wxDefaultPosition, wxSize(200, 100));
        buffered = new bufferedCoordSys(parent, 4, wxDefaultPosition, wxSize(240, 120));
        PutTextOnClipboard();
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

    coordSys* graph = nullptr;
    bufferedCoordSys* buffered = nullptr;
};

} // namespace

TEST(clipboardPicture, TakesTheSizeOfWhatWasDrawnWithinTheWindow)
{
    const wxSize window(200, 100);
    const auto square = [](wxDC& dc) {
        dc.SetBrush(*wxBLACK_BRUSH);
        dc.DrawRectangle(20, 10, 103, 35);
    };
    const clipboardPicture picture(window, square);
    EXPECT_EQ(picture.GetSize(), wxSize(133, 55));
    const wxImage image = picture.GetBitmap().ConvertToImage();
    EXPECT_EQ(image.GetRed(60, 30), 0);
    EXPECT_EQ(image.GetRed(5, 5), 255);
    EXPECT_EQ(image.GetRed(130, 50), 255);
    const svgRoot svg = ParseSvg(picture.GetSvg());
    EXPECT_TRUE(svg.wellFormed);
    EXPECT_EQ(wxSize(svg.width, svg.height), picture.GetSize());
    EXPECT_NE(picture.GetSvg().find("<rect"), std::string::npos) << "drawn as a vector";

    const auto farOff = [](wxDC& dc) { dc.DrawLine(0, 0, 10000, 10000); };
    EXPECT_EQ(clipboardPicture(window, farOff).GetSize(), wxSize(210, 110));

    // Both forms reach the clipboard, the PNG even when the host registered no PNG handler.
    wxImage::RemoveHandler("PNG file");
    ASSERT_TRUE(picture.PutOnClipboard());
    EXPECT_EQ(DecodePng(ClipboardBytes(PNG)).GetSize(), picture.GetSize());
    EXPECT_EQ(ClipboardBytes(SVG), picture.GetSvg());
}

TEST_F(coordSysInteraction, CtrlCCopiesThePictureAndOtherKeysPassOn)
{
    EXPECT_FALSE(Press(graph, 'C', false));
    EXPECT_FALSE(Press(buffered, 'C', false));
    EXPECT_FALSE(Press(graph, 'V', true));
    EXPECT_TRUE(ClipboardBytes(PNG).empty());

    EXPECT_TRUE(Press(graph, 'C', true));
    ExpectPictureOnClipboard(graph->GetSize());
    PutTextOnClipboard();
    EXPECT_TRUE(Press(graph, 'C', true, true));
    ExpectPictureOnClipboard(graph->GetSize());

    // The buffered graph copies the picture it renders, which brings its view up to date.
    buffered->SetXMax(20);
    EXPECT_TRUE(Press(buffered, 'C', true, true));
    ExpectPictureOnClipboard(buffered->GetSize());
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
