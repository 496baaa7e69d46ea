#include "column_diagrams.h"

#include "properties.h"
#include "stage_count.h"

#include <cmath>

namespace {

// Points of the saturation curves between two table points: the enthalpies
// are not linear in the composition.
constexpr int CurveStepsPerSegment = 8;

CountSummary summaryOf(const StageProfile &profile)
{
    CountSummary summary;
    summary.ran = profile.Ran;
    if (!profile.Ran)
        return summary;
    summary.reachedTop = profile.ReachedTop;
    summary.stages = profile.Count;
    summary.feedStage = profile.FeedStage;
    summary.profile.reserve(profile.Count);
    for (int n = 1; n <= profile.Count; ++n)
        summary.profile << profile.Stages[n];
    return summary;
}

bool rectifying(const StageProfile &profile, int n)
{
    return profile.FeedStage > 0 && n >= profile.FeedStage;
}

// The curve the equilibrium lookup follows: the line from the origin to the
// first point, the table, and the line from the last point to the top end.
QList<QPointF> equilibriumCurve(const ProblemData &data)
{
    const EquilibriumTable &table = data.Equilibrium;
    QList<double> abscissae{0.0};
    for (int i = 1; i <= table.N; ++i)
        abscissae << table.X[i];
    const double top = table.Azeotropic ? double(table.AzeotropeX) : 1.0;
    if (table.N > 0 && top > table.X[table.N])
        abscissae << top;
    QList<QPointF> curve;
    for (const double x : abscissae)
        if (x >= 0.0 && x <= 1.0)
            curve << QPointF(x, EquilibriumLookup(data, false, float(x)).composition);
    return curve;
}

McCabeThieleDiagram mccabeThiele(const ProblemData &data)
{
    const EquilibriumTable &table = data.Equilibrium;
    McCabeThieleDiagram diagram;
    diagram.equilibriumCurve = equilibriumCurve(data);
    for (int i = 1; i <= table.N; ++i)
        diagram.tablePoints << QPointF(table.X[i], table.Y[i]);
    diagram.azeotropic = table.Azeotropic;
    diagram.azeotropeX = table.AzeotropeX;
    diagram.xW = data.Results(ResXWm);
    diagram.xF = data.Results(ResXF);
    diagram.xD = data.Results(ResXDm);

    const StageProfile &profile = data.Profiles.ConstantFlow;
    if (!profile.Ran)
        return diagram;
    const float f = profile.FeedToDistillateRatio;
    const float switchY = profile.FeedSwitchY;
    const QPointF switchPoint(OperatingLineLiquid(data, switchY, true, f), switchY);
    diagram.rectifyingLine = QLineF(QPointF(diagram.xD, diagram.xD), switchPoint);
    diagram.strippingLine = QLineF(QPointF(diagram.xW, diagram.xW),
                                   QPointF(OperatingLineLiquid(data, switchY, false, f), switchY));
    diagram.feedLine = QLineF(QPointF(diagram.xF, diagram.xF), switchPoint);

    QPointF from(diagram.xW, diagram.xW);
    for (int n = 1; n <= profile.Count; ++n) {
        const ProfileStage &stage = profile.Stages[n];
        // Above the last stage the count stepped, the liquid is the one its
        // operating line gives.
        const double above = n < profile.Count
                                 ? double(profile.Stages[n + 1].X)
                                 : OperatingLineLiquid(data, stage.Y, rectifying(profile, n), f);
        StaircaseStep step;
        step.stage = n;
        step.from = from;
        step.corner = QPointF(stage.X, stage.Y);
        step.to = QPointF(above, stage.Y);
        diagram.steps << step;
        from = step.to;
    }
    return diagram;
}

// The boiling liquid and the saturated vapour in equilibrium with it, at the
// temperatures of the equilibrium table.
void saturationCurves(const ProblemData &data, EnthalpyDiagram &diagram)
{
    const EquilibriumTable &table = data.Equilibrium;
    auto add = [&](double x) {
        const float liquid = float(x);
        const float vapour = InterpolateLinear(liquid, table.X, table.Y, table.N);
        const float T = InterpolateLinear(liquid, table.X, table.T, table.N);
        const float w = MoleToMassFraction(data, liquid);
        const float wy = MoleToMassFraction(data, vapour);
        diagram.liquidCurve << QPointF(w, LiquidEnthalpy(data, w, T));
        diagram.vapourCurve << QPointF(wy, VapourEnthalpy(data, wy, T));
    };
    for (int i = 1; i < table.N; ++i)
        for (int k = 0; k < CurveStepsPerSegment; ++k)
            add(table.X[i] + (double(table.X[i + 1]) - table.X[i]) * k / CurveStepsPerSegment);
    if (table.N > 0)
        add(table.X[table.N]);
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

EnthalpyDiagram enthalpy(const ProblemData &data)
{
    EnthalpyDiagram diagram;
    saturationCurves(data, diagram);
    diagram.xW = data.Feed.Value[FeedXW];
    diagram.xF = data.Results(ResWF);
    diagram.xD = data.Feed.Value[FeedXD];
    diagram.feedPoint = QPointF(diagram.xF, data.Results(ResHF));
    diagram.topPole = QPointF(diagram.xD, TopPoleEnthalpy(data));
    diagram.bottomPole = QPointF(diagram.xW, BottomPoleEnthalpy(data));

    const StageProfile &profile = data.Profiles.Exact;
    if (!profile.Ran)
        return diagram;
    auto liquidPoint = [&](const ProfileStage &stage) {
        const float w = MoleToMassFraction(data, stage.X);
        return QPointF(w, LiquidEnthalpy(data, w, stage.T));
    };
    for (int n = 1; n <= profile.Count; ++n) {
        const ProfileStage &stage = profile.Stages[n];
        EnthalpyStage drawn;
        drawn.stage = n;
        drawn.liquid = liquidPoint(stage);
        drawn.vapour = QPointF(MoleToMassFraction(data, stage.Y), stage.VapourEnthalpy);
        if (stage.Pole != StagePole::None) {
            const QPointF pole = stage.Pole == StagePole::Top ? diagram.topPole : diagram.bottomPole;
            QPointF farEnd = drawn.vapour;
            if (n < profile.Count) {
                const QPointF above = liquidPoint(profile.Stages[n + 1]);
                if (distance(pole, above) > distance(pole, farEnd))
                    farEnd = above;
            }
            drawn.hasPoleLine = true;
            drawn.poleLine = QLineF(pole, farEnd);
        }
        diagram.stages << drawn;
    }
    return diagram;
}

} // namespace

ColumnDiagrams BuildColumnDiagrams(const ProblemData &data)
{
    ColumnDiagrams diagrams;
    diagrams.student = data.Names[1];
    diagrams.moreVolatile = data.Names[2];
    diagrams.lessVolatile = data.Names[3];
    diagrams.outcome = data.Outcome;
    diagrams.invalidReason = data.InvalidReason;
    diagrams.minimumReflux = data.MinimumReflux;
    diagrams.reflux = data.Feed.Value[FeedR];
    diagrams.constantFlow = summaryOf(data.Profiles.ConstantFlow);
    diagrams.exact = summaryOf(data.Profiles.Exact);
    diagrams.mccabeThiele = mccabeThiele(data);
    diagrams.enthalpy = enthalpy(data);
    return diagrams;
}
