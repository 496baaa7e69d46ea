#include "thermal_tables.h"

// Placeholders until the thermal table operations land.
void SortMixingHeatTable(ProblemData &) {}
int CheckMixingHeatTable(ProblemData &) { return 0; }
void SortVaporHeatCapacityTable(ProblemData &, int) {}
int CheckVaporHeatCapacityTable(ProblemData &, int) { return 0; }
void SortVaporizationHeatTable(ProblemData &, int) {}
int CheckVaporizationHeatTable(ProblemData &, int) { return 0; }
void SortSolutionTemperatures(ProblemData &) {}
void SortSolutionHeatCapacityTable(ProblemData &, int) {}
int CheckSolutionHeatCapacityTable(ProblemData &, int) { return 0; }
