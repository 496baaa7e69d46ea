// Drawing both stage diagrams the way the diagram window paints them: the
// construction built from the last calculation and painted onto an image of
// the window's canvas size. One redraw has to fit a 60 Hz frame (16 ms), so
// that a what-if change can redraw while the student drags. The problems:
// a short column, a long exact count, and a pinch of 300 stages.
#include "../tests/engine/benzene_toluene_problem.h"

#include "engine/calculation.h"
#include "results/column_diagram_painter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int CanvasWidth = 1060, CanvasHeight = 610;

ProblemData calculated(int condition, float reflux)
{
    ProblemData data = BenzeneToluene::problem(condition, reflux);
    CalculateColumn(data);
    return data;
}

void drawBoth(QImage &image, const ColumnDiagrams &diagrams)
{
    QPainter painter(&image);
    const QRectF left(0, 0, CanvasWidth / 2.0, CanvasHeight);
    DrawColumnDiagram(painter, ColumnDiagramKind::McCabeThiele, left, diagrams);
    DrawColumnDiagram(painter, ColumnDiagramKind::Enthalpy, left.translated(CanvasWidth / 2.0, 0), diagrams);
}

void DrawBothDiagrams(benchmark::State &state)
{
    const ProblemData data = calculated(int(state.range(0)), float(state.range(1)) / 10.0f);
    QImage image(CanvasWidth, CanvasHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const ColumnDiagrams diagrams = BuildColumnDiagrams(data);
        drawBoth(image, diagrams);
        benchmark::ClobberMemory();
    }
    state.counters["cmf_stages"] = data.Profiles.ConstantFlow.Count;
    state.counters["exact_stages"] = data.Profiles.Exact.Count;
}

} // namespace

// Feed condition and reflux ratio times ten.
BENCHMARK(DrawBothDiagrams)
    ->ArgNames({"condition", "reflux_x10"})
    ->Args({BoilingLiquidFeed, 30})
    ->Args({VapourFeed, 30})
    ->Args({BoilingLiquidFeed, 15})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    // Text needs the fonts of a GUI application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
