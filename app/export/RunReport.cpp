#include "app/export/RunReport.h"

#include "app/export/RunPicture.h"
#include "app/report/WordWrap.h"
#include "app/run/RunModel.h"

#include <algorithm>
#include <numeric>

namespace {

// Around the page, in points.
constexpr int MARGIN = 42;
// The graph's share of the page's height.
constexpr double GRAPH_SHARE = 0.38;
// The graph's texts and lines against the window's at 100%.
constexpr double GRAPH_ZOOM = 1;
// Sizes of the texts in points: the title, the run's numbers and the summary, the table.
constexpr double TITLE_SIZE = 18;
constexpr double TEXT_SIZE = 10;
constexpr double TABLE_SIZE = 10;
// The smallest the table's text becomes to keep the table to its room.
constexpr double LEAST_TABLE_SIZE = 4;
// Between the table's blocks, and round each cell's text, in points.
constexpr int BLOCK_GAP = 16;
constexpr int CELL_PADDING = 6;
// The table's headings take two rows.
constexpr int HEADING_ROWS = 2;

// The toolkit's DCs on cairo make a font of n points n/72 of 96 units high: on a page drawn in
// points, a font is asked for at 72/96 of the size it is to have.
wxFont PageFont(double points, bool bold)
{
    return wxFont(wxFontInfo(points * 72 / 96)
                      .Family(wxFONTFAMILY_SWISS)
                      .Weight(bold ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL));
}

wxString Text(const std::string& text) { return wxString::FromUTF8(text); }

int LineHeight(wxDC& dc) { return dc.GetTextExtent("Ag").y; }

} // namespace

const wxSize RunReport::A4(595, 842);

RunReport::RunReport(const RunModel& run)
    : run(run), theory(run.RunDice(), run.RunDie()), comparison(theory, run.Counts()),
      table(comparison)
{
}

void RunReport::Draw(wxDC& dc, const wxSize& page) const
{
    dc.SetTextForeground(*wxBLACK);
    const int width = page.x - 2 * MARGIN;
    int top = DrawHeading(dc, MARGIN);
    top = DrawGraph(dc, top, wxSize(width, static_cast<int>(page.y * GRAPH_SHARE)));

    dc.SetFont(PageFont(TEXT_SIZE, false));
    const std::vector<std::string> summary = SummaryLines(dc, width);
    const int lineHeight = LineHeight(dc);
    const int summaryHeight = static_cast<int>(summary.size()) * lineHeight;
    top = DrawTable(dc, top, wxSize(width, page.y - MARGIN - summaryHeight - top));

    dc.SetFont(PageFont(TEXT_SIZE, false));
    for (const std::string& line : summary) {
        dc.DrawText(Text(line), MARGIN, top);
        top += lineHeight;
    }
}

// The title and the run's numbers; returns where the next part starts.
int RunReport::DrawHeading(wxDC& dc, int top) const
{
    dc.SetFont(PageFont(TITLE_SIZE, true));
    dc.DrawText("Zobrin report", MARGIN, top);
    top += LineHeight(dc) + 4;
    dc.SetFont(PageFont(TEXT_SIZE, false));
    dc.DrawText(Text(run.RunDie().Counted(run.RunDice())) +
                    wxString::Format(", %ld rolls, seed %u", run.Made(), run.Seed()),
                MARGIN, top);
    return top + LineHeight(dc) + 12;
}

int RunReport::DrawGraph(wxDC& dc, int top, const wxSize& size) const
{
    const wxPoint origin = dc.GetLogicalOrigin();
    dc.SetLogicalOrigin(origin.x - MARGIN, origin.y - top);
    RunPicture::Draw(dc, run, RunPicture::Graph::THEORY, size, GRAPH_ZOOM);
    dc.SetLogicalOrigin(origin.x, origin.y);
    return top + size.y + 12;
}

// The table within `room`, in the largest text from TABLE_SIZE down to LEAST_TABLE_SIZE that
// keeps it there; returns where the next part starts.
int RunReport::DrawTable(wxDC& dc, int top, const wxSize& room) const
{
    const int rows = static_cast<int>(table.Rows().size());
    std::vector<int> widths;
    int blockWidth = 0, rowHeight = 0;
    ReportTable::shape shape;
    for (double size = TABLE_SIZE; size >= LEAST_TABLE_SIZE; size -= 0.5) {
        dc.SetFont(PageFont(size, false));
        widths = ColumnWidths(dc);
        blockWidth = std::accumulate(widths.begin(), widths.end(), 0);
        rowHeight = LineHeight(dc) + 1;
        const int mostRows = room.y / rowHeight - HEADING_ROWS;
        const int mostBlocks = (room.x + BLOCK_GAP) / (blockWidth + BLOCK_GAP);
        shape = ReportTable::Fit(rows, mostRows, mostBlocks);
        if (shape.fits)
            break;
    }
    for (int b = 0; b < shape.blocks; ++b) {
        const int first = b * shape.rowsPerBlock;
        DrawBlock(dc, wxPoint(MARGIN + b * (blockWidth + BLOCK_GAP), top), widths, first,
                  std::min(first + shape.rowsPerBlock, rows), rowHeight);
    }
    return top + (HEADING_ROWS + shape.rowsPerBlock) * rowHeight + 12;
}

// Rows first to last (not included) under the headings, the sums centred and the numbers to the
// right of their columns.
void RunReport::DrawBlock(wxDC& dc, const wxPoint& corner, const std::vector<int>& widths,
                          int first, int last, int rowHeight) const
{
    const wxFont font = dc.GetFont();
    const wxFont bold = font.Bold();
    int x = corner.x;
    for (int col = 0; col < ReportTable::COLUMNS; ++col) {
        const int align = wxALIGN_BOTTOM | (col == 0 ? wxALIGN_CENTER_HORIZONTAL : wxALIGN_RIGHT);
        const int inner = widths[col] - (col == 0 ? 0 : CELL_PADDING / 2);
        dc.SetFont(bold);
        dc.DrawLabel(Text(ReportTable::HEADINGS[col]),
                     wxRect(x, corner.y, inner, HEADING_ROWS * rowHeight), align);
        dc.SetFont(col == 0 ? bold : font);
        for (int r = first; r < last; ++r)
            dc.DrawLabel(
                Text(table.Rows()[r][col]),
                wxRect(x, corner.y + (HEADING_ROWS + r - first) * rowHeight, inner, rowHeight),
                align);
        x += widths[col];
    }
    dc.SetFont(font);
    dc.SetPen(*wxBLACK_PEN);
    const int rule = corner.y + HEADING_ROWS * rowHeight;
    dc.DrawLine(corner.x, rule, x, rule);
}

// Each column as wide as its heading or its widest text, with padding.
std::vector<int> RunReport::ColumnWidths(wxDC& dc) const
{
    const wxFont font = dc.GetFont();
    const wxFont bold = font.Bold();
    std::vector<int> widths;
    for (int col = 0; col < ReportTable::COLUMNS; ++col) {
        dc.SetFont(bold);
        int width = dc.GetMultiLineTextExtent(Text(ReportTable::HEADINGS[col])).x;
        dc.SetFont(col == 0 ? bold : font);
        for (const ReportTable::row& row : table.Rows())
            width = std::max(width, dc.GetTextExtent(Text(row[col])).x);
        widths.push_back(width + CELL_PADDING);
    }
    dc.SetFont(font);
    return widths;
}

// The summary's sentences, each broken into lines of the page's width.
std::vector<std::string> RunReport::SummaryLines(wxDC& dc, int width) const
{
    std::vector<std::string> lines;
    const auto measure = [&dc](const std::string& text) { return dc.GetTextExtent(Text(text)).x; };
    for (const std::string& sentence : comparison.Summary(run.Seed()))
        for (const std::string& line : WrappedLines(sentence, width, measure))
            lines.push_back(line);
    return lines;
}
