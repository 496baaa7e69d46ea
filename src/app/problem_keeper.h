#pragma once

#include "model/problem_data.h"

#include <QString>

// Nothing typed is lost: from the first identity answer on, the problem is
// kept in a problem file of its own in the folder of problems, named by the
// student and the time the work began. The file is rewritten whenever the
// problem has changed by the end of a handler (an accepted correction, an
// accepted change, a calculation, an answer that ends the program), and at
// once when a data set's last value is typed; every write is atomic. The
// settings remember the last problem left unfinished or not calculated
// since its last change, which the program offers to continue at start-up.

// Where problems are kept: the user's data folder named by the program.
QString ProblemFolder();

// Turns the keeping on in folder (the windowed program, and tests), or off
// with an empty folder; either way the current problem's file is forgotten.
// The last unfinished problem is remembered in settingsFolder.
void KeepProblemsIn(const QString &folder, const QString &settingsFolder);

// "Готовы к работе ?": the next write starts a new file.
void KeepNewProblem();
// A problem opened from the file at path. The file is never written over:
// the problem's first change starts a file of its own.
void KeepOpenedProblem(const QString &path);
// The last unfinished problem, continued from path: a file of the folder of
// problems is kept on, any other file is taken as opened.
void KeepResumedProblem(const QString &path);

// The values of a step of the first-entry road are all typed (before its
// check): the step is recorded as typed and the problem written.
void DataSetTyped(RoadStep step);
// A calculation has run: every data set is there, and until the next change
// there is nothing to continue.
void ProblemCalculated();
// Writes the problem if it has changed since the last write. Run after every
// handler; a failed write is told to the student once.
void KeepProblem();

// The file of the last problem left unfinished or not calculated, empty when
// there is none.
QString LastUnfinishedProblem();
// The student starts afresh: the file stays, but is not offered again.
void ForgetLastUnfinishedProblem();
