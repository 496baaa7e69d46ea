#pragma once

#include "model/problem_data.h"

// Sorting, azeotrope detection and checks of the equilibrium table, shared by
// the entry screens, the diagram editor and the problem files.

void SortEquilibriumTable(ProblemData &data);
bool DetectAzeotrope(ProblemData &data);
bool IsEquilibriumPointSuspect(const ProblemData &data, int i);
// Sets CheckFailed and BadPoint; returns BadPoint (0 when valid, N + 1 for
// the azeotrope composition).
int CheckEquilibriumTable(ProblemData &data);
