#pragma once

#include "model/problem_data.h"

#include <QLineF>
#include <QList>
#include <QPointF>

// The two constructions behind the stage counts of the last calculation, in
// the diagrams' own units, built from the stage profiles and the engine's
// own property functions: the y–x diagram in mole fractions with the
// staircase of the constant-molar-flow count, and the enthalpy–composition
// diagram in mass fractions and kJ/kg with the exact count's tie lines and
// pole lines. Drawing them is left to the windows.

// One step of the staircase: up from the operating line (the diagonal for
// the lowest stage) to the equilibrium curve at the stage's liquid and
// vapour, then across to the operating line at the liquid of the stage above.
struct StaircaseStep {
    int stage = 0;
    QPointF from, corner, to;
};

struct McCabeThieleDiagram {
    QList<QPointF> equilibriumCurve; // the vertices of the piecewise-linear lookup
    QList<QPointF> tablePoints;      // the student's points
    bool azeotropic = false;
    double azeotropeX = 0.0;
    double xW = 0.0, xF = 0.0, xD = 0.0; // mole fractions
    // Each operating line from its product's point on the diagonal to the
    // point where both meet the feed line; the feed line from (xF, xF).
    QLineF rectifyingLine, strippingLine, feedLine;
    QList<StaircaseStep> steps;
};

// One stage of the exact count: the tie line from its liquid to its vapour,
// both on the saturation curves, and the line from the pole through its
// vapour and the liquid of the stage above.
struct EnthalpyStage {
    int stage = 0;
    QPointF liquid, vapour;
    bool hasPoleLine = false;
    QLineF poleLine; // from the pole to the farther of the two points
};

struct EnthalpyDiagram {
    QList<QPointF> liquidCurve, vapourCurve; // boiling liquid and saturated vapour
    QPointF feedPoint, topPole, bottomPole;
    double xW = 0.0, xF = 0.0, xD = 0.0; // mass fractions
    QList<EnthalpyStage> stages;
};

// What became of one count, for the words beside its drawing and its table.
struct CountSummary {
    bool ran = false;
    bool reachedTop = false;
    int stages = 0;    // stepped
    int feedStage = 0; // 0: the feed was never passed
    QList<ProfileStage> profile;
};

struct ColumnDiagrams {
    QString student, moreVolatile, lessVolatile;
    CalculationOutcome outcome = CalculationOutcome::NotCalculated;
    QString invalidReason;
    float minimumReflux = 0.0f;
    float reflux = 0.0f;
    CountSummary constantFlow, exact;
    McCabeThieleDiagram mccabeThiele;
    EnthalpyDiagram enthalpy;
};

// Everything the diagrams show after the last calculation. Reads the
// problem state only.
ColumnDiagrams BuildColumnDiagrams(const ProblemData &data);
