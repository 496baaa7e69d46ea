#pragma once

#include <QLatin1String>

// What the reading and the writing of problem files share: the format
// written today and the feed parameters by their symbols in the file (the
// parameters of each condition are FeedParameterElements, feed_checks.h).

// The format of the problem files this program writes; files of a later
// format come from a newer program and are refused.
inline constexpr int ProblemFileFormat = 1;

// The symbol of a feed element in "feed.values" ("MA", "xFl", ...).
QLatin1String FeedSymbol(int element);
