#pragma once

#include "engine/calculation.h"
#include "engine/problem_file.h"

// An example problem file of the examples folder, calculated; reflux, when
// given, replaces the file's reflux ratio.
inline ProblemData CalculatedExample(const QString &file, float reflux = 0.0f)
{
    ProblemData data;
    if (!LoadProblemFile(QStringLiteral(TARELIN_EXAMPLES_DIR "/") + file, data).ok)
        qFatal("cannot load %s", qPrintable(file));
    if (reflux > 0.0f)
        data.Feed.Value[FeedR] = reflux;
    CalculateColumn(data);
    return data;
}
