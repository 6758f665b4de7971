#include "app/export/RunPicture.h"

#include "app/report/ColumnGraph.h"
#include "app/report/TheoryGraph.h"
#include "app/run/RunModel.h"
#include "app/theory/SumDistribution.h"
#include "app/theory/TheoryComparison.h"
#include "graph/drawing/graphDrawing.h"

#include <cmath>

void RunPicture::Draw(wxDC& dc, const RunModel& run, Graph graph, const wxSize& size, double zoom)
{
    graphDrawing picture({size.x, size.y}, dc);
    if (graph == Graph::THEORY) {
        const SumDistribution theory(run.RunDice(), run.RunDie());
        TheoryGraph theoryGraph(picture, picture);
        theoryGraph.Show(TheoryComparison(theory, run.Counts()));
        theoryGraph.FitTo({size.x, size.y});
    } else {
        ColumnGraph columns(picture);
        columns.Start(run);
        columns.Finish(run);
        picture.AddSeries(columns.Series());
    }
    picture.SetFontSize(static_cast<int>(std::lround(picture.GetFontSize() * zoom)));
    picture.SetLineScale(zoom);
    picture.UpdateView();
    picture.Draw(dc);
}
