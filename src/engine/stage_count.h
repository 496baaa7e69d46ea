#pragma once

#include "model/problem_data.h"

#include <QString>

#include <optional>

// The stage-by-stage count from the bottoms upwards, with constant molar
// flows (the straight operating lines in mole fractions) or exactly (the
// heat balance through the top or bottom pole, in mass fractions and kJ/kg).
// Reads the balance in the results record and the feed data; works in the
// shared stage variables of the problem state.

// Counts stages until a stage's vapour is richer than the distillate or 300
// stages have been stepped. Writes N (results element 19) on reaching the
// top and Nf (element 20) on passing the feed; returns Stage.ReachedTop.
// With a profile, every stage stepped is recorded in it as computed.
bool CountStages(ProblemData &data, bool exactMode, StageProfile *profile = nullptr);

// The mole fraction of the liquid on the stage above the current one.
float NextStageLiquid(ProblemData &data, bool exactMode);

// The line through a pole and the current stage's vapour point on the
// enthalpy–composition diagram (mass fractions, kJ/kg).
struct PoleLine {
    float vapourFraction = 0.0f; // ym
    float vapourEnthalpy = 0.0f; // HV
    float slope = 0.0f;
};

// McCabe–Thiele: the liquid mole fraction on the operating line at vapour
// mole fraction y, the rectifying section's line y = R/(R + 1)·x + xDm/(R + 1)
// or the stripping section's, whose flows depend on f, the molar feed flow
// over the molar distillate flow.
float OperatingLineLiquid(const ProblemData &data, float y, bool rectifying, float feedToDistillate);

// The enthalpy of the top pole (at the distillate composition xD) and of
// the bottom pole (at xW), kJ/kg: the heat the condenser takes per kg of
// distillate above its enthalpy, and the heat the reboiler gives per kg of
// bottoms below it.
double TopPoleEnthalpy(const ProblemData &data);
double BottomPoleEnthalpy(const ProblemData &data);

// Zero where the pole line meets the boiling-liquid curve (liquid mass
// fraction x).
float PoleLineFunction(ProblemData &data, const PoleLine &line, float x);

// Zero where the saturated vapour of mass fraction y, the feed point and the
// top pole lie on one straight line.
float FeedLineFunction(ProblemData &data, float y);

// The minimum reflux ratio from the pinch the exact count ran into (the
// last liquid it produced). Empty when the pinch leaves it undefined: the
// vapour there has the liquid's composition, there is no condenser duty, or
// the ratio comes out beyond any number; whyNot then says which, for the
// student.
std::optional<float> MinimumRefluxRatio(ProblemData &data, QString *whyNot = nullptr);
