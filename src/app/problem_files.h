#pragma once

#include <QString>

struct FileWriteResult;

// What the student does with problem files in the windows: open one, save
// the problem under a name, and continue the last problem after an
// accident.

// The suffix of the problem files the program writes.
inline const QString ProblemFileSuffix = QStringLiteral("tarelin");

// Opens the problem in path as if its answers had just been typed: a
// finished problem is calculated and shown on the results window, an
// unfinished one goes on along the first-entry road, a data set that fails
// its check opens at its control screen. A file that cannot be opened is
// told in a message box, and the problem at hand stays as it is. True when
// the file opened.
bool OpenProblemFile(const QString &path);

// The start screen's "Открыть файл задачи": the file dialog in the folder of
// problems, then OpenProblemFile.
void OpenProblemFromDialog();

// Ctrl+S and the results window's button: the problem as typed so far,
// saved to a file the student chooses. Nothing happens before the first
// identity answer.
void SaveProblemAs();

// At start-up: when the last problem was left unfinished or not calculated,
// offers to continue it ("Да"); "Нет" starts afresh and keeps its file.
void OfferToContinueLastProblem();

// text as a part of a file name: the characters a file name on a desktop or
// a memory stick cannot hold become "_".
QString FileNamePart(const QString &text);

// Why a file could not be written, in Russian, naming the file.
QString WriteFailureText(const QString &path, const FileWriteResult &result);
