// How long loading a problem file takes: parsing the JSON, taking every
// value as typed, sorting and checking every data set. Goal: at most 100 µs
// per load of the benzene–toluene example.
//
// And saving one: the windowed program builds the problem's file after
// every handler to see whether it has changed. Goal: at most 100 µs per
// build of the example's text, so that no click feels it.

#include "engine/problem_file.h"
#include "model/problem_data.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString ExamplePath = QStringLiteral(TARELIN_EXAMPLES_DIR "/benzene-toluene.json");

QByteArray exampleText()
{
    QFile file(ExamplePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The text already in memory: the loader's own work.
void LoadProblemText(benchmark::State &state)
{
    const QByteArray text = exampleText();
    auto data = std::make_unique<ProblemData>();
    for (auto _ : state) {
        const ProblemFileResult result = LoadProblem(text, *data);
        if (!result.ok) {
            state.SkipWithError(qPrintable(result.error));
            break;
        }
        benchmark::DoNotOptimize(data->Equilibrium.N);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}
BENCHMARK(LoadProblemText)->Unit(benchmark::kMicrosecond);

// The whole load as the batch mode does it, reading the file included.
void LoadProblemFromDisk(benchmark::State &state)
{
    auto data = std::make_unique<ProblemData>();
    for (auto _ : state) {
        const ProblemFileResult result = LoadProblemFile(ExamplePath, *data);
        if (!result.ok) {
            state.SkipWithError(qPrintable(result.error));
            break;
        }
        benchmark::DoNotOptimize(data->Equilibrium.N);
    }
}
BENCHMARK(LoadProblemFromDisk)->Unit(benchmark::kMicrosecond);

void SaveProblemText(benchmark::State &state)
{
    auto data = std::make_unique<ProblemData>();
    if (!LoadProblem(exampleText(), *data).ok) {
        state.SkipWithError("the example does not load");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveProblem(*data));
}
BENCHMARK(SaveProblemText)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
