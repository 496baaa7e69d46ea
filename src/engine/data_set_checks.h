#pragma once

#include "model/problem_data.h"

#include <QList>

// The data sets of a problem, in the order of the first-entry road and of
// the buttons of the change-data menu.
enum class DataSet {
    Equilibrium = 1,
    Feed,
    MixingHeat,
    VaporHeatCapacity1,
    VaporHeatCapacity2,
    VaporizationHeat1,
    VaporizationHeat2,
    SolutionHeatCapacity,
};

// The data sets that fail the check of their screen as they stand now; an
// absent optional set passes. The checks leave their verdicts in the problem
// state as the screens do.
QList<DataSet> FailingDataSets(ProblemData &data);
