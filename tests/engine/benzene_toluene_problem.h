#pragma once

#include "model/problem_data.h"

#include <initializer_list>

// Benzene (more volatile) and toluene at 760 mm Hg: the classic published
// vapour–liquid equilibrium table, with heats of vaporization, heat
// capacities and a small heat of mixing of the same order as the published
// data. The feed parameters follow the feed condition.
namespace BenzeneToluene {

inline void fill(float *table, std::initializer_list<float> values)
{
    int i = 1;
    for (const float value : values)
        table[i++] = value;
}

inline ProblemData problem(int condition = BoilingLiquidFeed, float reflux = 3.0f)
{
    ProblemData data;
    ResetProblemState(data);

    EquilibriumTable &eq = data.Equilibrium;
    eq.N = 12;
    fill(eq.X, {0.0f, 0.05f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f});
    fill(eq.Y, {0.0f, 0.118f, 0.214f, 0.38f, 0.511f, 0.619f, 0.712f, 0.79f, 0.854f, 0.91f, 0.959f, 1.0f});
    fill(eq.T, {110.6f, 108.3f, 106.1f, 102.2f, 98.6f, 95.2f, 92.1f, 89.4f, 86.8f, 84.4f, 82.3f, 80.2f});
    eq.Azeotropic = false;

    FeedSpec &feed = data.Feed;
    feed.Condition = condition;
    feed.Value[FeedMA] = 78.11f;
    feed.Value[FeedMB] = 92.14f;
    feed.Value[FeedXD] = 0.97f;
    feed.Value[FeedXW] = 0.02f;
    feed.Value[FeedR] = reflux;
    switch (condition) {
    case BoilingLiquidFeed:
        feed.Value[FeedFl] = 2.0f;
        feed.Value[FeedXFl] = 0.4f;
        break;
    case VapourFeed: // colder than its dew point
        feed.Value[FeedFv] = 2.0f;
        feed.Value[FeedXFv] = 0.4f;
        feed.Value[FeedTv] = 90.0f;
        break;
    case MixtureFeed:
        feed.Value[FeedFv] = 1.5f;
        feed.Value[FeedFl] = 2.0f;
        feed.Value[FeedXFv] = 0.5f;
        feed.Value[FeedXFl] = 0.4f;
        feed.Value[FeedTv] = 95.0f;
        feed.Value[FeedTl] = 60.0f;
        break;
    case LiquidFeed: // a cold liquid
        feed.Value[FeedFl] = 2.0f;
        feed.Value[FeedXFl] = 0.4f;
        feed.Value[FeedTl] = 30.0f;
        break;
    }
    feed.Text[FeedXFl] = QStringLiteral("0.4");
    feed.Text[FeedXFv] = QStringLiteral("0.4");

    data.Results(ResT0) = 20.0f;
    MixingHeatTable &mixing = data.MixingHeat;
    mixing.Present = true;
    mixing.N = 5;
    fill(mixing.X, {0.0f, 0.25f, 0.5f, 0.75f, 1.0f});
    fill(mixing.DH, {0.0f, 25.0f, 33.0f, 25.0f, 0.0f});

    VaporHeatCapacityTable &vapour = data.VaporHeatCapacity;
    vapour.Present = false; // the path through the liquid unless a test asks
    vapour.N[1] = vapour.N[2] = 2;
    fill(vapour.T[1], {20.0f, 120.0f});
    fill(vapour.C[1], {1.05f, 1.35f});
    fill(vapour.T[2], {20.0f, 120.0f});
    fill(vapour.C[2], {1.12f, 1.44f});

    VaporizationHeatTable &heat = data.VaporizationHeat;
    heat.N[1] = heat.N[2] = 3;
    fill(heat.T[1], {20.0f, 80.0f, 120.0f});
    fill(heat.R[1], {435.0f, 394.0f, 366.0f});
    fill(heat.T[2], {20.0f, 80.0f, 120.0f});
    fill(heat.R[2], {414.0f, 380.0f, 355.0f});

    SolutionHeatCapacitySet &solution = data.SolutionHeatCapacity;
    solution.NT = 2;
    fill(solution.T, {20.0f, 100.0f});
    solution.N[1] = solution.N[2] = 3;
    fill(solution.X[1], {0.0f, 0.5f, 1.0f});
    fill(solution.C[1], {155.0f, 144.0f, 134.0f});
    fill(solution.X[2], {0.0f, 0.5f, 1.0f});
    fill(solution.C[2], {180.0f, 165.0f, 152.0f});
    return data;
}

} // namespace BenzeneToluene
