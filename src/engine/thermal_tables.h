#pragma once

#include "model/problem_data.h"

// Sorting and checking of the thermal property tables. Every check stores its
// verdict in BadPointIndex (the first faulty point, 0 when valid) and returns it.

void SortMixingHeatTable(ProblemData &data);
int CheckMixingHeatTable(ProblemData &data);

void SortVaporHeatCapacityTable(ProblemData &data, int component);
int CheckVaporHeatCapacityTable(ProblemData &data, int component);

void SortVaporizationHeatTable(ProblemData &data, int component);
int CheckVaporizationHeatTable(ProblemData &data, int component);

// Orders the solution temperatures, each carrying its table along.
void SortSolutionTemperatures(ProblemData &data);
void SortSolutionHeatCapacityTable(ProblemData &data, int temperature);
int CheckSolutionHeatCapacityTable(ProblemData &data, int temperature);
