#include "thermal_tables.h"

#include "model/typed_value.h"

#include <utility>

// All four tables are kept in ascending order of their argument by the same
// exchange sort: every later point with a smaller key is exchanged with the
// current one at once. Equal keys are never exchanged, so points that share a
// key keep the order in which the check will meet them.

namespace {

template <typename KeyAt, typename Exchange> void ExchangeSort(int count, KeyAt keyAt, Exchange exchange)
{
    for (int a = 1; a <= count; ++a)
        for (int i = a; i <= count; ++i)
            if (keyAt(i) < keyAt(a))
                exchange(a, i);
}

// Stores the verdict and hands it back.
int Verdict(ProblemData &data, int badPoint)
{
    data.BadPointIndex = badPoint;
    return badPoint;
}

bool Outside(float value, float low, float high)
{
    return value < low || value > high;
}

// A value refused as it was typed (no number in it) reads as 0, which many
// ranges hold: its text tells that it is missing.
bool Refused(const QString &first, const QString &second)
{
    return first == RefusedValueText || second == RefusedValueText;
}

} // namespace

void SortMixingHeatTable(ProblemData &data)
{
    MixingHeatTable &t = data.MixingHeat;
    ExchangeSort(
        t.N, [&](int i) { return t.X[i]; },
        [&](int a, int b) {
            std::swap(t.X[a], t.X[b]);
            std::swap(t.DH[a], t.DH[b]);
            std::swap(t.XText[a], t.XText[b]);
            std::swap(t.DHText[a], t.DHText[b]);
        });
}

int CheckMixingHeatTable(ProblemData &data)
{
    const MixingHeatTable &t = data.MixingHeat;
    for (int k = 1; k <= t.N; ++k) {
        const bool bad = Refused(t.XText[k], t.DHText[k]) || Outside(t.X[k], 0.0f, 1.0f) ||
                         Outside(t.DH[k], -MaxMixingHeat, MaxMixingHeat)
                         // a pure component has no heat of mixing
                         || (k == 1 && t.X[1] == 0.0f && t.DH[1] != 0.0f) ||
                         (k >= 2 && t.X[k] == 1.0f && t.DH[k] != 0.0f)
                         // two points at one composition
                         || (k >= 2 && t.X[k] == t.X[k - 1]);
        if (bad)
            return Verdict(data, k);
    }
    return Verdict(data, 0);
}

void SortVaporHeatCapacityTable(ProblemData &data, int component)
{
    VaporHeatCapacityTable &t = data.VaporHeatCapacity;
    const int k = component;
    ExchangeSort(
        t.N[k], [&](int i) { return t.T[k][i]; },
        [&](int a, int b) {
            std::swap(t.T[k][a], t.T[k][b]);
            std::swap(t.C[k][a], t.C[k][b]);
            std::swap(t.TText[k][a], t.TText[k][b]);
            std::swap(t.CText[k][a], t.CText[k][b]);
        });
}

int CheckVaporHeatCapacityTable(ProblemData &data, int component)
{
    const VaporHeatCapacityTable &t = data.VaporHeatCapacity;
    const int k = component;
    for (int i = 1; i <= t.N[k]; ++i) {
        const bool bad = Refused(t.TText[k][i], t.CText[k][i]) ||
                         Outside(t.T[k][i], VaporHeatCapacityLowestT, HighestTableT) ||
                         Outside(t.C[k][i], LowestVaporHeatCapacity, HighestVaporHeatCapacity) ||
                         (i >= 2 && t.T[k][i] == t.T[k][i - 1]);
        if (bad)
            return Verdict(data, i);
    }
    return Verdict(data, 0);
}

void SortVaporizationHeatTable(ProblemData &data, int component)
{
    VaporizationHeatTable &t = data.VaporizationHeat;
    const int k = component;
    ExchangeSort(
        t.N[k], [&](int i) { return t.T[k][i]; },
        [&](int a, int b) {
            std::swap(t.T[k][a], t.T[k][b]);
            std::swap(t.R[k][a], t.R[k][b]);
            std::swap(t.TText[k][a], t.TText[k][b]);
            std::swap(t.RText[k][a], t.RText[k][b]);
        });
}

int CheckVaporizationHeatTable(ProblemData &data, int component)
{
    const VaporizationHeatTable &t = data.VaporizationHeat;
    const int k = component;
    // Neighbouring points may share a temperature here.
    for (int i = 1; i <= t.N[k]; ++i) {
        const bool bad = Refused(t.TText[k][i], t.RText[k][i]) ||
                         Outside(t.T[k][i], VaporizationHeatLowestT, HighestTableT) ||
                         Outside(t.R[k][i], LowestVaporizationHeat, HighestVaporizationHeat);
        if (bad)
            return Verdict(data, i);
    }
    return Verdict(data, 0);
}

void SortSolutionTemperatures(ProblemData &data)
{
    SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
    ExchangeSort(
        s.NT, [&](int j) { return s.T[j]; },
        [&](int a, int b) {
            std::swap(s.T[a], s.T[b]);
            std::swap(s.TText[a], s.TText[b]);
            std::swap(s.N[a], s.N[b]);
            // The whole capacity is exchanged, so no point of either table is
            // lost whatever the two counts are.
            std::swap(s.X[a], s.X[b]);
            std::swap(s.C[a], s.C[b]);
            std::swap(s.XText[a], s.XText[b]);
            std::swap(s.CText[a], s.CText[b]);
        });
}

void SortSolutionHeatCapacityTable(ProblemData &data, int temperature)
{
    SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
    const int j = temperature;
    ExchangeSort(
        s.N[j], [&](int i) { return s.X[j][i]; },
        [&](int a, int b) {
            std::swap(s.X[j][a], s.X[j][b]);
            std::swap(s.C[j][a], s.C[j][b]);
            std::swap(s.XText[j][a], s.XText[j][b]);
            std::swap(s.CText[j][a], s.CText[j][b]);
        });
}

int CheckSolutionHeatCapacityTable(ProblemData &data, int temperature)
{
    const SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
    const int j = temperature;
    for (int i = 1; i <= s.N[j]; ++i) {
        const bool bad = Refused(s.XText[j][i], s.CText[j][i]) || Outside(s.X[j][i], 0.0f, 1.0f) ||
                         Outside(s.C[j][i], LowestSolutionHeatCapacity, HighestSolutionHeatCapacity) ||
                         (i >= 2 && s.X[j][i] == s.X[j][i - 1]);
        if (bad)
            return Verdict(data, i);
    }
    return Verdict(data, 0);
}

bool SolutionTemperatureInRange(float celsius)
{
    return !Outside(celsius, LowestSolutionTemperature, HighestTableT);
}

bool TableTemperatureInRange(float celsius)
{
    return !Outside(celsius, LowestTableTemperature, HighestTableT);
}

void RemoveSolutionTemperature(ProblemData &data, int j)
{
    SolutionHeatCapacitySet &s = data.SolutionHeatCapacity;
    if (j < 1 || j > s.NT)
        return;
    for (int i = j; i < s.NT; ++i) {
        s.T[i] = s.T[i + 1];
        s.TText[i] = s.TText[i + 1];
        s.N[i] = s.N[i + 1];
        for (int p = 1; p <= MaxPoints; ++p) {
            s.X[i][p] = s.X[i + 1][p];
            s.C[i][p] = s.C[i + 1][p];
            s.XText[i][p] = s.XText[i + 1][p];
            s.CText[i][p] = s.CText[i + 1][p];
        }
    }
    // The freed place keeps no stale table that a later addition could show.
    const int last = s.NT;
    s.T[last] = 0.0f;
    s.TText[last].clear();
    for (int p = 1; p <= s.N[last]; ++p) {
        s.X[last][p] = s.C[last][p] = 0.0f;
        s.XText[last][p].clear();
        s.CText[last][p].clear();
    }
    s.N[last] = 0;
    --s.NT;
}
