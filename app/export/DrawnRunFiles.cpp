#include "app/export/DrawnRunFiles.h"

#include "app/export/DrawnFile.h"
#include "app/export/RunReport.h"

RunDrawer DrawnRunFiles(RunPicture::Graph graph)
{
    return [graph](const RunModel& run, RunFileKind kind, std::ostream& out) {
        const wxSize size(RunPicture::WIDTH, RunPicture::HEIGHT);
        const DrawnFile::drawing picture = [&](wxDC& dc) {
            RunPicture::Draw(dc, run, graph, size, RunPicture::ZOOM);
        };
        switch (kind) {
        case RunFileKind::PNG:
            return DrawnFile::WritePng(size, picture, out);
        case RunFileKind::SVG:
            return DrawnFile::WriteSvg(size, picture, out);
        case RunFileKind::PDF:
            return DrawnFile::WritePdf(
                RunReport::A4, [&](wxDC& dc) { RunReport(run).Draw(dc, RunReport::A4); }, out);
        default:
            return false;
        }
    };
}
