#pragma once

#include "model/problem_data.h"

// The feed quantities that a feed condition fixes. The feed checks derive
// them between their checks, and every calculation derives them again, so
// that a calculation after a change of data starts from consistent feed data.

// The boiling temperature of a liquid feed of mass fraction xFl: stores Tl
// and its text (six decimals).
void DeriveBoilingTemperature(ProblemData &data);

// A vapour feed colder than its dew point is taken as saturated: Tv is
// raised to the dew temperature, its text rewritten. Returns the dew
// temperature.
float RaiseVapourToDewPoint(ProblemData &data);

// The mean mass fraction of a mixture feed. The two flows must not both be 0.
float MixtureFeedComposition(const ProblemData &data);

// Stores the mean feed composition wF (results element 4) with its text.
void StoreFeedComposition(ProblemData &data, float wF, const QString &text);
