#pragma once

#include "model/problem_data.h"

// The steps of the first-entry road as data: which data set comes after
// which, whether a step is typed already, and the check its control screen
// runs. A problem that is opened from a file, or resumed after an accident,
// goes on from the step these say, and skips the steps it holds already.

// The step after step: the second table of a set kept per component, the
// next solution table, the calculation after the last one.
RoadStep NextRoadStep(const ProblemData &data, RoadStep step);

// Runs the check of a typed step, as its control screen does; returns the
// first faulty point or parameter, 0 when the step passes (and always for the
// steps without a check, or an optional set the student declined).
int CheckRoadStep(ProblemData &data, RoadStep step);

// The step the road goes on with after `after`: the first typed step that
// fails its check, otherwise the first one not typed yet; the calculation
// when every data set is typed and passes.
RoadStep StepToEnter(ProblemData &data, RoadStep after);

// Records that the values of step are all typed. Once the last solution
// table is typed, every data set is there.
void MarkTyped(ProblemData &data, RoadStep step);

// Whether every data set of the road is typed.
bool IsEveryDataSetTyped(const ProblemData &data);
