#include "properties.h"

#include <algorithm>

namespace {

double molarMassA(const ProblemData &data)
{
    return data.Feed.Value[FeedMA];
}

double molarMassB(const ProblemData &data)
{
    return data.Feed.Value[FeedMB];
}

double referenceTemperature(const ProblemData &data)
{
    return data.Results(ResT0);
}

// The heat capacity of the liquid solution of mole fraction x at Tm: first
// along each temperature's curve, then between the temperatures.
float solutionHeatCapacity(const ProblemData &data, float x, float Tm)
{
    const SolutionHeatCapacitySet &set = data.SolutionHeatCapacity;
    float atTemperature[MaxTemperatures + 1] = {};
    for (int j = 1; j <= set.NT; ++j)
        atTemperature[j] = InterpolateLinear(x, set.X[j], set.C[j], set.N[j]);
    return InterpolateLinear(Tm, set.T, atTemperature, set.NT);
}

// The table segment [a - 1, a] that InterpolateLinear reads p on: the first
// point beyond p, kept within 2..n. A lookup that reads several columns at
// one abscissa finds it once.
int segmentOf(float p, const float *xs, int n)
{
    int a = 1;
    while (a <= n && !(xs[a] > p))
        ++a;
    return std::clamp(a, 2, n);
}

float interpolateOnSegment(float p, const float *xs, const float *ys, int a)
{
    // Two points at one abscissa, which the checks allow (two heats of
    // vaporization at one temperature, two solution tables at one
    // temperature), make a step rather than a slope: p takes the ordinate on
    // its side of it instead of a division by zero.
    if (xs[a] == xs[a - 1])
        return p < xs[a] ? ys[a - 1] : ys[a];
    return float(ys[a - 1] +
                 (double(ys[a]) - ys[a - 1]) * (double(p) - xs[a - 1]) / (double(xs[a]) - xs[a - 1]));
}

// The point of the straight line from (x1, y1) to (x2, y2) at abscissa v.
// A line of zero length runs parallel to the diagonal, so that the
// equilibrium curve keeps rising past a last point that already sits at its
// top end.
float pointOnLine(double x1, double y1, double x2, double y2, double v)
{
    if (v == x1)
        return float(y1);
    if (x2 == x1)
        return float(y1 + (v - x1));
    return float(y1 + (y2 - y1) * (v - x1) / (x2 - x1));
}

// One pure component's vapour enthalpy, kJ/kg.
float componentVapourEnthalpy(const ProblemData &data, int k, float T)
{
    const double T0 = referenceTemperature(data);
    const float Tm = float((T0 + T) / 2);
    const VaporizationHeatTable &heat = data.VaporizationHeat;
    if (data.VaporHeatCapacity.Present) {
        const VaporHeatCapacityTable &vapour = data.VaporHeatCapacity;
        const float cv = InterpolateLinear(Tm, vapour.T[k], vapour.C[k], vapour.N[k]);
        const float r = InterpolateLinear(float(T0), heat.T[k], heat.R[k], heat.N[k]);
        return float(r + double(cv) * (T - T0));
    }
    const float pureX = k == 1 ? 1.0f : 0.0f;
    const double M = k == 1 ? molarMassA(data) : molarMassB(data);
    const float cl = solutionHeatCapacity(data, pureX, Tm);
    const float r = InterpolateLinear(T, heat.T[k], heat.R[k], heat.N[k]);
    return float(double(cl) * (T - T0) / M + r);
}

bool strictlyInside(const float *given, int n, float v)
{
    return given[1] < v && v < given[n];
}

// The equilibrium lookup behind EquilibriumPoint and EquilibriumLookup. The
// stage counts call it in their innermost loop, so it is kept inline.
inline EquilibriumComposition lookUpEquilibrium(const ProblemData &data, bool fromVapour, float v)
{
    const EquilibriumTable &table = data.Equilibrium;
    const int n = table.N;
    const double top = table.Azeotropic ? double(table.AzeotropeX) : 1.0;
    // Given and sought compositions: X → Y for a liquid, Y → X for a vapour.
    const float *given = fromVapour ? table.Y : table.X;
    const float *sought = fromVapour ? table.X : table.Y;

    EquilibriumComposition found;
    if (strictlyInside(given, n, v)) {
        // Inside the table n >= 2, as InterpolateLinear needs it.
        const int segment = segmentOf(v, given, n);
        found.composition = interpolateOnSegment(v, given, sought, segment);
        found.temperature = interpolateOnSegment(v, given, table.T, segment);
        found.insideTable = true;
    } else if (v <= given[1]) {
        // The line from the origin; a first point at the origin itself
        // leaves only that point.
        found.composition = given[1] == 0.0f ? sought[1] : float(double(v) * sought[1] / given[1]);
    } else {
        found.composition = pointOnLine(given[n], sought[n], top, top, v);
    }
    return found;
}

} // namespace

float MassToMoleFraction(const ProblemData &data, float w)
{
    return float(w / (w + (1.0 - w) * molarMassA(data) / molarMassB(data)));
}

float MoleToMassFraction(const ProblemData &data, float x)
{
    return float(x / (x + (1.0 - x) * molarMassB(data) / molarMassA(data)));
}

float MixtureMolarMass(const ProblemData &data, float w)
{
    const double x = MassToMoleFraction(data, w);
    return float(molarMassA(data) * x + molarMassB(data) * (1.0 - x));
}

float InterpolateLinear(float p, const float *xs, const float *ys, int n)
{
    if (n <= 1)
        return ys[1];
    return interpolateOnSegment(p, xs, ys, segmentOf(p, xs, n));
}

EquilibriumComposition EquilibriumLookup(const ProblemData &data, bool fromVapour, float v)
{
    return lookUpEquilibrium(data, fromVapour, v);
}

void EquilibriumPoint(ProblemData &data, bool fromVapour, float v)
{
    const EquilibriumComposition found = lookUpEquilibrium(data, fromVapour, v);
    (fromVapour ? data.Stage.StageX : data.Stage.StageY) = found.composition;
    if (found.insideTable)
        data.Stage.EqTemperature = found.temperature;
}

bool EquilibriumInsideTable(const ProblemData &data, bool fromVapour, float v)
{
    const EquilibriumTable &table = data.Equilibrium;
    return strictlyInside(fromVapour ? table.Y : table.X, table.N, v);
}

float LiquidEnthalpy(const ProblemData &data, float w, float T)
{
    const double T0 = referenceTemperature(data);
    const float x = MassToMoleFraction(data, w);
    const float Tm = float((T0 + T) / 2);
    const float c = solutionHeatCapacity(data, x, Tm);
    const MixingHeatTable &mixing = data.MixingHeat;
    const float mixingHeat = mixing.Present ? InterpolateLinear(x, mixing.X, mixing.DH, mixing.N) : 0.0f;
    return float((double(c) * (T - T0) + mixingHeat) / MixtureMolarMass(data, w));
}

float VapourEnthalpy(const ProblemData &data, float w, float T)
{
    const float h1 = componentVapourEnthalpy(data, 1, T);
    const float h2 = componentVapourEnthalpy(data, 2, T);
    return float(double(w) * h1 + (1.0 - w) * h2);
}
