#include "road_steps.h"
#include "equilibrium_table.h"
#include "feed_checks.h"
#include "thermal_tables.h"

RoadStep NextRoadStep(const ProblemData &data, RoadStep step)
{
    switch (step.set) {
    case RoadSet::None:
        return {RoadSet::Student};
    case RoadSet::Student:
        return {RoadSet::Components};
    case RoadSet::Components:
        return {RoadSet::Equilibrium};
    case RoadSet::Equilibrium:
        return {RoadSet::Feed};
    case RoadSet::Feed:
        return {RoadSet::MixingHeat};
    case RoadSet::MixingHeat:
        return {RoadSet::VaporHeatCapacity, 1};
    case RoadSet::VaporHeatCapacity:
        return step.sub < MaxComponents ? RoadStep{RoadSet::VaporHeatCapacity, step.sub + 1}
                                        : RoadStep{RoadSet::VaporizationHeat, 1};
    case RoadSet::VaporizationHeat:
        return step.sub < MaxComponents ? RoadStep{RoadSet::VaporizationHeat, step.sub + 1}
                                        : RoadStep{RoadSet::SolutionTemperatures};
    case RoadSet::SolutionTemperatures:
        return data.SolutionHeatCapacity.NT > 0 ? RoadStep{RoadSet::SolutionHeatCapacity, 1}
                                                : RoadStep{RoadSet::Calculation};
    case RoadSet::SolutionHeatCapacity:
        return step.sub < data.SolutionHeatCapacity.NT ? RoadStep{RoadSet::SolutionHeatCapacity, step.sub + 1}
                                                       : RoadStep{RoadSet::Calculation};
    case RoadSet::Calculation:
        break;
    }
    return {RoadSet::Calculation};
}

int CheckRoadStep(ProblemData &data, RoadStep step)
{
    switch (step.set) {
    case RoadSet::Equilibrium:
        return CheckEquilibriumTable(data);
    case RoadSet::Feed:
        return CheckFeed(data);
    case RoadSet::MixingHeat:
        return data.MixingHeat.Present ? CheckMixingHeatTable(data) : 0;
    case RoadSet::VaporHeatCapacity:
        return data.VaporHeatCapacity.Present ? CheckVaporHeatCapacityTable(data, step.sub) : 0;
    case RoadSet::VaporizationHeat:
        return CheckVaporizationHeatTable(data, step.sub);
    case RoadSet::SolutionHeatCapacity:
        return CheckSolutionHeatCapacityTable(data, step.sub);
    default:
        return 0;
    }
}

RoadStep StepToEnter(ProblemData &data, RoadStep after)
{
    // The checks run in the order of the road, since a later one may rely on
    // an earlier data set (the feed on the equilibrium curve).
    RoadStep step = NextRoadStep(data, after);
    for (; step.set != RoadSet::Calculation && step <= data.Entered; step = NextRoadStep(data, step))
        if (CheckRoadStep(data, step) != 0)
            return step;
    return step;
}

void MarkTyped(ProblemData &data, RoadStep step)
{
    if (data.Entered < step)
        data.Entered = step;
    if (NextRoadStep(data, data.Entered).set == RoadSet::Calculation)
        data.Entered = {RoadSet::Calculation};
}

bool IsEveryDataSetTyped(const ProblemData &data)
{
    return data.Entered.set == RoadSet::Calculation;
}
