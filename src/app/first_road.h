#pragma once

#include "model/problem_data.h"

// The first-entry road goes on after the step just accepted: with the
// control screen of the first data set typed earlier that fails its check,
// otherwise with the first one not typed yet, and with the calculation once
// every data set is there. On a road typed from its start that is simply the
// next data set; a problem opened from a file goes on from where its typing
// ended.
void ContinueFirstRoad(RoadStep after);
