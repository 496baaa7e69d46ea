#include "equilibrium_table.h"

// Placeholders until the equilibrium table operations land.
void SortEquilibriumTable(ProblemData &) {}
bool DetectAzeotrope(ProblemData &) { return false; }
bool IsEquilibriumPointSuspect(const ProblemData &, int) { return false; }
int CheckEquilibriumTable(ProblemData &) { return 0; }
