#pragma once

#include "model/problem_data.h"

#include <QByteArray>
#include <QString>

// Problem files: everything a student types on the first-entry road, as the
// texts they type, in one JSON document (see examples/). Loading one applies
// the very steps the entry screens apply to typed answers: every value goes
// through NormalizeDecimal and becomes its single-precision twin, names are
// proper-cased, out-of-range equilibrium values become "???", tables are
// sorted, the azeotrope is detected (or taken as declared) and every data set
// is checked with the check of its screen, in the order of the screens.

struct ProblemFileResult {
    bool ok = false;
    // Why the problem cannot be calculated: the key that is missing, of the
    // wrong type or with a count outside its limits, or the data set whose
    // check failed with the first faulty point its screen would report.
    QString error;
};

// Loads a problem from the text of a problem file into data, which starts
// afresh as after "Готовы к работе ?". On failure data holds what was read
// so far and must not be calculated.
ProblemFileResult LoadProblem(const QByteArray &json, ProblemData &data);

// Reads and loads the problem file at path; a file that cannot be read is
// refused like a broken one.
ProblemFileResult LoadProblemFile(const QString &path, ProblemData &data);
