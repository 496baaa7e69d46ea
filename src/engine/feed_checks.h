#pragma once

#include "model/problem_data.h"

#include <span>

// The FeedSpec elements a condition asks for, in the order of its prompts:
// parameter number n of the checks is element n - 1 here.
std::span<const int> FeedParameterElements(int condition);

// Checks of the feed parameters of each feed condition: each stores the
// number of the first failing parameter in BadPointIndex (0 when all pass),
// derives the values the condition fixes, and returns BadPointIndex. A
// parameter refused as it was typed ("???", no number in it) fails first.

int CheckFeedBoilingLiquid(ProblemData &data);
int CheckFeedVapour(ProblemData &data);
int CheckFeedMixture(ProblemData &data);
int CheckFeedLiquid(ProblemData &data);
// The check of the condition in FeedSpec.Condition.
int CheckFeed(ProblemData &data);
// Sets FeedSpec.Value(1..20) to 0.
void ClearFeedValues(ProblemData &data);
