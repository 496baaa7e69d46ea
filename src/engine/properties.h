#pragma once

#include "model/problem_data.h"

// The small property functions every engine number rests on. Compositions
// are fractions of the more volatile component: mass fractions for the
// enthalpies, mole fractions for the equilibrium lookup. Arithmetic runs in
// double; every result is rounded to single precision as it is returned.

float MassToMoleFraction(const ProblemData &data, float w);
float MoleToMassFraction(const ProblemData &data, float x);
// Mean molar mass of a mixture of mass fraction w, kg/kmol.
float MixtureMolarMass(const ProblemData &data, float w);

// Piecewise-linear interpolation in a 1-based table of n points with
// ascending abscissae, extrapolating the end segments. One point gives its
// ordinate whatever p is.
float InterpolateLinear(float p, const float *xs, const float *ys, int n);

// The equilibrium lookup. For a liquid mole fraction v (fromVapour false) it
// writes the vapour in Stage.StageY, for a vapour mole fraction it writes the
// liquid in Stage.StageX; inside the table it also writes the boiling
// temperature in Stage.EqTemperature. Below the first point the curve is the
// line from the origin, beyond the last one the line to the top end (the
// azeotrope, or pure component); there EqTemperature keeps the value of the
// last lookup inside the table.
void EquilibriumPoint(ProblemData &data, bool fromVapour, float v);
// The same lookup without touching the shared stage variables, for drawing
// the curve: the temperature is only found inside the table.
struct EquilibriumComposition {
    float composition = 0.0f;
    float temperature = 0.0f;
    bool insideTable = false;
};
EquilibriumComposition EquilibriumLookup(const ProblemData &data, bool fromVapour, float v);
// Whether EquilibriumPoint interpolates v inside the table (and so writes
// EqTemperature) rather than reading it off an end line.
bool EquilibriumInsideTable(const ProblemData &data, bool fromVapour, float v);

// Specific enthalpy of the boiling liquid of mass fraction w at T, kJ/kg,
// counted from the reference temperature T0 (results element 10).
float LiquidEnthalpy(const ProblemData &data, float w, float T);

// Specific enthalpy of the vapour of mass fraction w at T, kJ/kg: vaporized
// at T0 and heated as vapour when vapour heat capacities are given, heated
// as liquid and vaporized at T otherwise.
float VapourEnthalpy(const ProblemData &data, float w, float T);
