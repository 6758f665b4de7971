#include "../window/DiceFrameFixture.h"

#include "app/export/DrawnFile.h"
#include "app/theory/TheoryComparison.h"
#include "app/window/WindowZoom.h"
#include "graph/drawing/clipboardPicture.h"

#include <wx/mstream.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <sstream>

using namespace diceframetest;

namespace {

// What a command writes on its standard output, each run of blanks and line ends one blank.
std::string Words(const std::string& command)
{
    std::string words;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        for (int c; (c = std::fgetc(pipe)) != EOF;)
            if (!std::isspace(c) || (!words.empty() && words.back() != ' '))
                words += std::isspace(c) ? ' ' : static_cast<char>(c);
        pclose(pipe);
    }
    return words;
}

// How many channels of 8 x 8 blocks of the two images differ by more than 48 on average: an edge
// a pixel aside or smoothed otherwise changes a block little, a missing column or line much.
int DifferentBlocks(const wxImage& a, const wxImage& b)
{
    if (a.GetSize() != b.GetSize())
        return -1;
    const wxSize blocks = a.GetSize() / 8;
    const wxImage p = a.Scale(blocks.x, blocks.y, wxIMAGE_QUALITY_BOX_AVERAGE);
    const wxImage q = b.Scale(blocks.x, blocks.y, wxIMAGE_QUALITY_BOX_AVERAGE);
    int different = 0;
    for (int i = 0; i < blocks.x * blocks.y * 3; ++i)
        different += std::abs(p.GetData()[i] - q.GetData()[i]) > 48;
    return different;
}

} // namespace

// A saved picture is drawn as the page's graph is drawn for the clipboard: at the graph's own
// size and zoom, the same pixels, at 100% and at 200%, for both graphs.
TEST_F(DiceFrameTest, APictureIsTheClipboardsPictureOfThePagesGraph)
{
    RunWith(3, 2000, false);
    for (const int percent : {100, 200}) {
        frame->Zoom().Set(percent);
        ASSERT_TRUE(WaitFor([&] { return frame->Zoom().Settled(); }, 10));
        LetEventsThrough(0.3);
        const std::pair<RunPicture::Graph, coordSys*> graphs[] = {
            {RunPicture::Graph::COLUMNS, &Probe().Graph()},
            {RunPicture::Graph::THEORY, &Probe().Theory().Graph()}};
        for (const auto& [graph, window] : graphs) {
            const wxSize size = window->GetClientSize();
            const auto draw = [window = window](wxDC& dc) {
                if (auto* buffered = dynamic_cast<bufferedCoordSys*>(window))
                    buffered->RenderTo(dc);
                else
                    window->DrawAll(dc);
            };
            const wxImage whole =
                clipboardPicture(window->GetSize(), draw).GetBitmap().ConvertToImage();
            // The copy ends where the drawing does, which may fall short of the window's edge.
            const wxRect shared = wxRect(size).Intersect(wxRect(whole.GetSize()));
            const wxImage copied = whole.GetSubImage(shared);
            std::ostringstream png;
            ASSERT_TRUE(DrawnFile::WritePng(
                size,
                [&](wxDC& dc) {
                    RunPicture::Draw(dc, Probe().Model(), graph, size, percent / 100.0);
                },
                png));
            const std::string bytes = png.str();
            wxMemoryInputStream in(bytes.data(), bytes.size());
            const wxImage saved = wxImage(in, wxBITMAP_TYPE_PNG).GetSubImage(shared);
            EXPECT_TRUE(saved.GetSize() == copied.GetSize() &&
                        std::equal(copied.GetData(),
                                   copied.GetData() + shared.width * shared.height * 3,
                                   saved.GetData()))
                << percent << "%, graph " << static_cast<int>(graph);
        }
    }
}

// The saved files read back: the PNG 1200 x 800, the SVG the same picture as rsvg-convert renders
// it, and the report one A4 page whose text is text (the run's numbers, every sentence of the
// summary) and whose graph has its colours.
TEST_F(DiceFrameTest, SavedPicturesAndReportReadBack)
{
    RunWith(100, 20000, false);
    const std::string base = std::filesystem::temp_directory_path() / "zobrin-drawn";
    for (const char* kind : {".png", ".svg", ".pdf"})
        ASSERT_TRUE(Probe().Saving().SaveAs(base + kind, RunFileKind::PNG)) << kind;
    const wxImage png(base + ".png", wxBITMAP_TYPE_PNG);
    EXPECT_EQ(png.GetSize(), wxSize(RunPicture::WIDTH, RunPicture::HEIGHT));
    ASSERT_EQ(std::system(("rsvg-convert -o " + base + "-svg.png " + base + ".svg").c_str()), 0);
    const int different = DifferentBlocks(wxImage(base + "-svg.png", wxBITMAP_TYPE_PNG), png);
    EXPECT_TRUE(different >= 0 && different < 150 * 100 * 3 / 50) << different;

    EXPECT_NE(Words("pdfinfo " + base + ".pdf").find("Pages: 1 "), std::string::npos);
    EXPECT_NE(Words("pdfinfo " + base + ".pdf").find("(A4)"), std::string::npos);
    const std::string text = Words("pdftotext -layout " + base + ".pdf -");
    const SumDistribution theory(100);
    std::vector<std::string> expected = TheoryComparison(theory, Probe().Counts()).Summary(SEED);
    expected.push_back("100 six-sided dice, 20000 rolls, seed " + std::to_string(SEED));
    for (const std::string& words : expected)
        EXPECT_NE(text.find(words), std::string::npos) << words;
    ASSERT_EQ(std::system(("pdftoppm -r 50 -png -singlefile " + base + ".pdf " + base).c_str()), 0);
    const wxImage page(base + ".png", wxBITMAP_TYPE_PNG);
    int green = 0, red = 0;
    for (const unsigned char* p = page.GetData();
         p < page.GetData() + page.GetWidth() * page.GetHeight() * 3; p += 3) {
        green += p[0] < 60 && p[1] > 200 && p[2] < 60;
        red += p[0] > 180 && p[1] < 60 && p[2] < 60;
    }
    EXPECT_TRUE(green > 1000 && red > 50) << green << " green, " << red << " red";
    for (const char* file : {".png", ".svg", ".pdf", "-svg.png"})
        std::remove((base + file).c_str());
}
