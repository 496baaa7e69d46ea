// The whole calculation. Two kinds of input:
//  - a problem file, loaded and checked as in batch mode, then calculated;
//  - a byte 0x01 followed by raw bytes that overwrite the numbers of the
//    benzene–toluene example (tables in any order and range, equal
//    abscissae, one-point tables, huge and denormal values) with the checks
//    bypassed.
// Either way the calculation ends with an outcome and shows no infinity or NaN.
#include "engine/calculation.h"
#include "engine/problem_file.h"

#include <QFile>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const ProblemData &example()
{
    static const ProblemData loaded = [] {
        ProblemData data;
        QFile file(QStringLiteral(TARELIN_EXAMPLES_DIR "/benzene-toluene.json"));
        if (!file.open(QIODevice::ReadOnly) || !LoadProblem(file.readAll(), data).ok)
            std::abort();
        return data;
    }();
    return loaded;
}

class ByteReader {
public:
    ByteReader(const uint8_t *bytes, size_t size)
        : bytes(bytes)
        , size(size)
    {
    }
    bool empty() const { return offset >= size; }
    float nextFloat()
    {
        float value = 0;
        uint8_t raw[4] = {};
        for (uint8_t &b : raw)
            b = offset < size ? bytes[offset++] : 0;
        std::memcpy(&value, raw, sizeof value);
        return value;
    }
    int nextCount(int low, int high)
    {
        return low + (offset < size ? bytes[offset++] : 0) % (high - low + 1);
    }

private:
    const uint8_t *bytes;
    size_t size;
    size_t offset = 0;
};

// Overwrites counts and numbers; non-finite values are left out, as no typed
// answer can produce them.
void overwrite(ProblemData &data, ByteReader &in)
{
    auto next = [&in](float &target) {
        const float value = in.nextFloat();
        if (std::isfinite(value))
            target = value;
    };
    data.Equilibrium.N = in.nextCount(8, 20);
    data.Equilibrium.Azeotropic = in.nextCount(0, 1);
    next(data.Equilibrium.AzeotropeX);
    for (int i = 1; i <= data.Equilibrium.N; ++i) {
        next(data.Equilibrium.X[i]);
        next(data.Equilibrium.Y[i]);
        next(data.Equilibrium.T[i]);
    }
    data.Feed.Condition = in.nextCount(0, 3);
    for (int e = 1; e <= 12; ++e)
        next(data.Feed.Value[e]);
    data.MixingHeat.Present = in.nextCount(0, 1);
    data.MixingHeat.N = in.nextCount(4, 20);
    next(data.Results.Value[ResT0]);
    for (int i = 1; i <= data.MixingHeat.N; ++i) {
        next(data.MixingHeat.X[i]);
        next(data.MixingHeat.DH[i]);
    }
    data.VaporHeatCapacity.Present = in.nextCount(0, 1);
    for (int k = 1; k <= 2; ++k) {
        data.VaporHeatCapacity.N[k] = in.nextCount(1, 20);
        data.VaporizationHeat.N[k] = in.nextCount(1, 20);
        for (int i = 1; i <= 20; ++i) {
            next(data.VaporHeatCapacity.T[k][i]);
            next(data.VaporHeatCapacity.C[k][i]);
            next(data.VaporizationHeat.T[k][i]);
            next(data.VaporizationHeat.R[k][i]);
        }
    }
    data.SolutionHeatCapacity.NT = in.nextCount(1, 5);
    for (int j = 1; j <= data.SolutionHeatCapacity.NT; ++j) {
        next(data.SolutionHeatCapacity.T[j]);
        data.SolutionHeatCapacity.N[j] = in.nextCount(2, 20);
        for (int i = 1; i <= data.SolutionHeatCapacity.N[j]; ++i) {
            next(data.SolutionHeatCapacity.X[j][i]);
            next(data.SolutionHeatCapacity.C[j][i]);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    ProblemData data;
    if (size > 0 && bytes[0] == 0x01) {
        data = example();
        ByteReader in(bytes + 1, size - 1);
        overwrite(data, in);
    } else if (!LoadProblem(QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(size)), data).ok) {
        return 0;
    }
    const CalculationOutcome outcome = CalculateColumn(data);
    if (outcome == CalculationOutcome::NotCalculated)
        std::abort();
    for (const ResultLine &line : ResultScreenLines(data)) {
        const QString text = line.text.toLower();
        if (text.contains(QLatin1String("nan")) || text.contains(QLatin1String("inf")))
            std::abort();
    }
    return 0;
}
