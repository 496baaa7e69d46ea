#pragma once

#include "atomic_file_write.h"

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
//
// The windowed program keeps the problem being typed in such a file. A file
// of an unfinished problem says so ("unfinished": true) and holds the data
// sets in road order up to the last one whose values are all typed.

struct ProblemFileResult {
    // The problem can be calculated: the file is finished and every data set
    // passes its check.
    bool ok = false;
    // Why not: the key that is missing, of the wrong type or with a count
    // outside its limits, the data set whose check failed with the first
    // faulty point its screen would report, or the first data set an
    // unfinished problem still lacks.
    QString error;
    // The windows can go on with the problem: the file was read whole, even
    // if it is unfinished or a data set fails its check (the road then opens
    // that data set's control screen, or the first one not typed yet).
    bool opens = false;
    // For a file that does not open: what is wrong, in Russian, for the
    // student.
    QString russianError;
};

// Loads a problem from the text of a problem file into data, which starts
// afresh as after "Готовы к работе ?". On failure data holds what was read
// so far and must not be calculated.
ProblemFileResult LoadProblem(const QByteArray &json, ProblemData &data);

// Reads and loads the problem file at path; a file that cannot be read is
// refused like a broken one.
ProblemFileResult LoadProblemFile(const QString &path, ProblemData &data);

// The problem file of data: every text as the screens show it, "???"
// included, so that loading it gives back the same problem state. Data sets
// not typed yet on the first-entry road are left out, and the file is marked
// unfinished.
QByteArray SaveProblem(const ProblemData &data);

// SaveProblem(data) written atomically to path.
FileWriteResult WriteProblemFile(const QString &path, const ProblemData &data);
