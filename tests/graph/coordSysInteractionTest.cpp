#include "graph/bufferedCoordSys.h"
#include "graph/clipboardPicture.h"

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
                        .Contains(wxPoint(size.x, size.y))) << size.x << "x" << size.y;
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
    ASSERT_NE(graph->GetToolTip(), nullptr);
    EXPECT_EQ(graph->GetToolTipText(), "(1.5, -2)\n---------------------\nfirst");

    motion.SetPosition(at + wxSize(30, 30));
    graph->GetEventHandler()->ProcessEvent(motion);
    EXPECT_EQ(graph->GetToolTip(), nullptr) << "off every marker the tooltip goes";
}
