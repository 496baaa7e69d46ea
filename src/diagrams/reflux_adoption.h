#pragma once

#include <QString>

// The diagram window's "Принять R в задачу": the reflux ratio typed as on
// the feed's change road, and the problem calculated again, the results
// window shown anew. A ratio the feed check refuses changes nothing and is
// told; false then.
bool TakeRefluxIntoProblem(const QString &typed);
