#include "problem_data.h"

ProblemData &problem()
{
    static ProblemData data;
    return data;
}

void ResetProblemState(ProblemData &data)
{
    // The order follows the design; numeric twins and check verdicts are left
    // alone, since every screen sets them before it reads them.
    data.VaporHeatCapacity.Present = false;
    data.MixingHeat.Present = false;

    for (int i = 1; i <= ResultCount; ++i)
        data.Results.Value[i] = 0.0f;

    data.Equilibrium.AzeotropeX = NoAzeotropeX;
    data.Equilibrium.N = 0;
    data.MixingHeat.N = 0;
    data.SolutionHeatCapacity.NT = 0;

    data.Feed.Condition = BoilingLiquidFeed;
    data.Equilibrium.AzeotropeXText.clear();
    data.Stage.EqTemperature = 0.0f;

    for (int i = 1; i <= 3; ++i)
        data.Names[i].clear();
    data.Entered = {};

    for (int i = 1; i <= MaxPoints; ++i) {
        data.Equilibrium.XText[i].clear();
        data.Equilibrium.YText[i].clear();
        data.Equilibrium.TText[i].clear();
        data.Feed.Text[i].clear();
        data.Results.Text[i].clear();
        data.MixingHeat.DHText[i].clear();
        data.MixingHeat.XText[i].clear();
    }

    for (int k = 1; k <= MaxComponents; ++k) {
        data.VaporHeatCapacity.N[k] = 0;
        data.VaporizationHeat.N[k] = 0;
        for (int i = 1; i <= MaxPoints; ++i) {
            data.VaporHeatCapacity.TText[k][i].clear();
            data.VaporHeatCapacity.CText[k][i].clear();
            data.VaporizationHeat.TText[k][i].clear();
            data.VaporizationHeat.RText[k][i].clear();
        }
    }

    for (int j = 1; j <= MaxTemperatures; ++j) {
        data.SolutionHeatCapacity.TText[j].clear();
        data.SolutionHeatCapacity.N[j] = 0;
        for (int i = 1; i <= MaxPoints; ++i) {
            data.SolutionHeatCapacity.XText[j][i].clear();
            data.SolutionHeatCapacity.CText[j][i].clear();
        }
    }
}
