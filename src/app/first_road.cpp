#include "start_screen.h"

#include "engine/road_steps.h"
#include "engine/thermal_tables.h"
#include "equilibrium/equilibrium_screens.h"
#include "input/input_screens.h"
#include "results/results_screens.h"

namespace {

// Opens a step of the road: its entry, or its control screen when it was
// typed earlier.
void openRoadStep(RoadStep step, bool typed)
{
    switch (step.set) {
    case RoadSet::None:
    case RoadSet::Student:
    case RoadSet::Components:
        AskIdentity(step.set);
        return;
    case RoadSet::Equilibrium:
        if (typed) {
            ShowTypedEquilibriumTable();
        } else {
            PrepareEquilibriumWindow();
            EnterEquilibriumData();
        }
        return;
    case RoadSet::Feed:
        if (typed)
            ShowTypedFeedParameters();
        else
            ShowFeedConditionWindow();
        return;
    case RoadSet::Calculation:
        // The calculation interpolates over the solution temperatures in
        // ascending order; one corrected on a table screen may have passed
        // its neighbours.
        SortSolutionTemperatures(problem());
        RunCalculation();
        return;
    default:
        if (typed)
            ShowTypedThermalTable(step);
        else
            EnterThermalStep(step);
        return;
    }
}

} // namespace

void ContinueFirstRoad(RoadStep after)
{
    ProblemData &data = problem();
    const RoadStep step = StepToEnter(data, after);
    openRoadStep(step, step.set != RoadSet::Calculation && step <= data.Entered);
}
