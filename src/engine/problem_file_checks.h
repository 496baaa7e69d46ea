#pragma once

#include "problem_file_reading.h"

#include "model/problem_data.h"

#include <QString>

// What loading a problem file does once its answers are read, as the screens
// do once a data set is typed in: the tables put in order, the azeotrope
// detected or taken as declared, and every data set checked, with the
// verdict its screen would give in the words of the file.

// The equilibrium table sorted, its azeotrope detected or, when the
// detection finds nothing, the declared one taken (refused when it is no
// composition).
void SettleEquilibrium(ProblemData &data, const DeclaredAzeotrope &declared);

// Every table typed is put in order, as its screen does once it is typed;
// the solution temperatures only on a finished road.
void SortTypedTables(ProblemData &data, bool unfinished);

// The message of a step whose check failed, with the first faulty point its
// screen would report.
QString CheckFailure(ProblemData &data, RoadStep step, bool declaredAzeotrope);

// The key of the first step an unfinished problem lacks.
QString MissingStepKey(const ProblemData &data, RoadStep step);
