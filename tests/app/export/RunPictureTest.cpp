#include "../window/DiceFrameFixture.h"

#include "app/export/DrawnFile.h"
#include "app/report/ReportTable.h"
#include "app/theory/TheoryComparison.h"
#include "app/window/WindowZoom.h"
#include "graph/drawing/clipboardPicture.h"

#include <wx/mstream.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace diceframetest;

namespace {

wxImage PngImage(const std::string& bytes)
{
    wxMemoryInputStream in(bytes.data(), bytes.size());
    return wxImage(in, wxBITMAP_TYPE_PNG);
}

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What a command writes on its standard output.
std::string Output(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

bool SamePixels(const wxImage& a, const wxImage& b)
{
    return a.IsOk() && b.IsOk() && a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

// How many channels of 8 x 8 blocks of the two images differ by more than 48 on average: an edge
// a pixel aside or smoothed otherwise changes a block little, a missing column or line much.
// -1 when the sizes differ.
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

class RunPictureTest : public DiceFrameTest {
protected:
    // The PNG picture of the run's graph that the window saves, at `size` and `zoom`.
    wxImage Picture(RunPicture::Graph graph, const wxSize& size, double zoom) const
    {
        std::ostringstream png;
        EXPECT_TRUE(DrawnFile::WritePng(
            size, [&](wxDC& dc) { RunPicture::Draw(dc, Probe().Model(), graph, size, zoom); },
            png));
        return PngImage(png.str());
    }
};

} // namespace

// A saved picture is drawn as the page's graph is drawn for the clipboard: at the graph's own
// size and zoom, the same pixels, at 100% and at 200%, for both graphs.
TEST_F(RunPictureTest, ThePictureIsTheClipboardsPictureOfThePagesGraph)
{
    RunWith(3, 2000, false);
    for (const int percent : {100, 200}) {
        frame->Zoom().Set(percent);
        LetEventsThrough(0.3);
        const struct {
            RunPicture::Graph graph;
            coordSys& window;
            clipboardPicture::drawing draw;
        } graphs[] = {
            {RunPicture::Graph::COLUMNS, Probe().Graph(),
             [&](wxDC& dc) { Probe().Graph().RenderTo(dc); }},
            {RunPicture::Graph::THEORY, Probe().Theory().Graph(),
             [&](wxDC& dc) { Probe().Theory().Graph().DrawAll(dc); }},
        };
        for (const auto& g : graphs) {
            SCOPED_TRACE(std::to_string(percent) + "%, graph " + std::to_string(int(g.graph)));
            const wxSize size = g.window.GetClientSize();
            const wxImage copied = clipboardPicture(g.window.GetSize(), g.draw)
                                       .GetBitmap()
                                       .ConvertToImage()
                                       .GetSubImage(wxRect(size));
            const wxImage saved = Picture(g.graph, size, percent / 100.0);
            EXPECT_TRUE(SamePixels(saved, copied));
        }
    }
}

// The saved files: the PNG 1200 x 800, of the graph of the page shown (the Theory graph when the
// page has none), the same pixels with or without a display, and the SVG the same picture as
// rsvg-convert renders it.
TEST_F(RunPictureTest, SavedPicturesReadBack)
{
    RunWith(2, 3000, false);
    const std::string folder = std::filesystem::temp_directory_path();
    const std::string png = folder + "/zobrin-picture.png", svg = folder + "/zobrin-picture.svg";
    const wxSize size(RunPicture::WIDTH, RunPicture::HEIGHT);
    const std::pair<int, RunPicture::Graph> pages[] = {{1, RunPicture::Graph::COLUMNS},
                                                       {0, RunPicture::Graph::THEORY}};
    for (const auto& [page, graph] : pages) {
        Probe().Notebook().SetSelection(page);
        ASSERT_TRUE(Probe().Saving().SaveAs(png, RunFileKind::PNG));
        EXPECT_TRUE(SamePixels(wxImage(png, wxBITMAP_TYPE_PNG), Picture(graph, size, 2)))
            << "page " << page;
    }
    const wxImage saved(png, wxBITMAP_TYPE_PNG);
    EXPECT_EQ(saved.GetSize(), size);
    const std::string headless = folder + "/zobrin-headless.png";
    const std::string command = "env -u DISPLAY " ZOBRIN_PROGRAM " 2 3000 --seed " +
                                std::to_string(SEED) + " --save " + headless;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(SamePixels(saved, wxImage(headless, wxBITMAP_TYPE_PNG)));

    ASSERT_TRUE(Probe().Saving().SaveAs(svg, RunFileKind::SVG));
    const std::string rendered = folder + "/zobrin-rendered.png";
    ASSERT_EQ(std::system(("rsvg-convert -o " + rendered + " " + svg).c_str()), 0);
    // Vector renderers smooth the edges, and place text by its exact width rather than whole
    // pixels, which moves the graph by a pixel here and there: the same picture is the same blocks.
    const int different = DifferentBlocks(wxImage(rendered, wxBITMAP_TYPE_PNG), saved);
    std::cout << "rsvg-convert, in blocks of 8 x 8 pixels: " << different << " differ\n";
    EXPECT_GE(different, 0) << "sizes differ";
    EXPECT_LT(different, 150 * 100 * 3 / 50);
    for (const std::string& path : {png, svg, headless, rendered})
        std::remove(path.c_str());
}

// The report is one A4 page whose text is text: the run's numbers, every sentence of the
// summary and the table's rows; its graph is drawn in the run's colours. The same run gives the
// same file, with or without a display.
TEST_F(RunPictureTest, TheReportIsOnePageOfTextAndTheGraph)
{
    RunWith(100, 20000, false);
    const std::string folder = std::filesystem::temp_directory_path();
    const std::string pdf = folder + "/zobrin-report.pdf", headless = folder + "/zobrin-h.pdf";
    ASSERT_TRUE(Probe().Saving().SaveAs(pdf, RunFileKind::PDF));
    const std::string command = "env -u DISPLAY " ZOBRIN_PROGRAM " 100 20000 --seed " +
                                std::to_string(SEED) + " --save " + headless;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Contents(pdf), Contents(headless));
    EXPECT_NE(Output("pdfinfo " + pdf).find("Pages:           1\n"), std::string::npos);
    EXPECT_NE(Output("pdfinfo " + pdf).find("(A4)"), std::string::npos);

    // The text as laid out on the page, each run of blanks and line ends one blank.
    std::string text;
    for (const char c : Output("pdftotext -layout " + pdf + " -"))
        if (!std::isspace(static_cast<unsigned char>(c)) || (!text.empty() && text.back() != ' '))
            text += std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
    const SumDistribution theory(100);
    const TheoryComparison comparison(theory, Probe().Counts());
    const ReportTable table(comparison);
    std::vector<std::string> expected = comparison.Summary(SEED);
    expected.push_back("100 six-sided dice, 20000 rolls, seed " + std::to_string(SEED));
    for (const ReportTable::row& row : table.Rows())
        expected.push_back(row[0] + " " + row[1] + " " + row[2] + " " + row[3]);
    for (const std::string& words : expected)
        EXPECT_NE(text.find(words), std::string::npos) << words;

    ASSERT_EQ(
        std::system(
            ("pdftoppm -r 50 -png -singlefile " + pdf + " " + folder + "/zobrin-report").c_str()),
        0);
    const wxImage page(folder + "/zobrin-report.png", wxBITMAP_TYPE_PNG);
    int green = 0, red = 0;
    for (int i = 0; i < page.GetWidth() * page.GetHeight() * 3; i += 3) {
        const unsigned char* p = page.GetData() + i;
        green += p[0] < 60 && p[1] > 200 && p[2] < 60;
        red += p[0] > 180 && p[1] < 60 && p[2] < 60;
    }
    EXPECT_GT(green, 1000);
    EXPECT_GT(red, 50);
    for (const std::string& path : {pdf, headless, folder + "/zobrin-report.png"})
        std::remove(path.c_str());
}
