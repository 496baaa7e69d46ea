// Drawing both stage diagrams the way the diagram window paints them: the
// construction built from the last calculation and painted onto an image of
// the window's canvas size. One redraw has to fit a 60 Hz frame (16 ms), so
// that a what-if change can redraw while the student drags. The problems:
// a short column, a long exact count, and a pinch of 300 stages.
#include "../tests/engine/benzene_toluene_problem.h"
#include "diagrams/column_diagram_painter.h"
#include "diagrams/reflux_curve_painter.h"
#include "engine/calculation.h"
#include "engine/reflux_study.h"

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

// One step of the what-if: the copy calculated at the tried reflux ratio,
// its construction built, and the study's page painted (N(R) beside the
// y–x diagram), as the diagram window does while the slider moves.
void WhatIfRedraw(benchmark::State &state)
{
    const ProblemData data = calculated(BoilingLiquidFeed, 3.0f);
    const RefluxCurve curve = StudyRefluxCurve(data);
    RefluxCalculator calculator(data);
    QImage image(CanvasWidth, CanvasHeight, QImage::Format_ARGB32_Premultiplied);
    const QRectF left(0, 0, CanvasWidth / 2.0, CanvasHeight);
    int step = 0;
    for (auto _ : state) {
        const float R =
            float(curve.whatIfLow + (curve.whatIfHigh - curve.whatIfLow) * (step++ % 100) / 100.0);
        const RefluxPoint tried = calculator.point(R);
        const ColumnDiagrams diagrams = BuildColumnDiagrams(calculator.calculate(R));
        QPainter painter(&image);
        DrawRefluxCurve(painter, left, curve, &tried);
        DrawColumnDiagram(painter, ColumnDiagramKind::McCabeThiele, left.translated(CanvasWidth / 2.0, 0),
                          diagrams);
        benchmark::ClobberMemory();
    }
}

// Opening the study: both minimum reflux ratios, the fewest stages and the
// N(R) curve of both counts.
void StudyCurve(benchmark::State &state)
{
    const ProblemData data = calculated(BoilingLiquidFeed, 3.0f);
    for (auto _ : state)
        benchmark::DoNotOptimize(StudyRefluxCurve(data));
}

} // namespace

BENCHMARK(WhatIfRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(StudyCurve)->Unit(benchmark::kMillisecond);

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
