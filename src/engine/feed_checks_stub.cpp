#include "feed_checks.h"

// Placeholders until the feed checks land.
int CheckFeedBoilingLiquid(ProblemData &) { return 0; }
int CheckFeedVapour(ProblemData &) { return 0; }
int CheckFeedMixture(ProblemData &) { return 0; }
int CheckFeedLiquid(ProblemData &) { return 0; }
int CheckFeed(ProblemData &) { return 0; }
void ClearFeedValues(ProblemData &) {}
