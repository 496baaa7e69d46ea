#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct ProblemData;

// Prints the report of the last calculation through the platform's printer,
// line by line. A cancelled print dialog or a printer that fails is told to
// the student in a message box, and the answer is false: the caller must not
// count it as the one print of this calculation.
bool PrintReport(ProblemData &data);

// The report in a file, dated now: a ".pdf" file holds the pages as the
// printer prints them, a ".txt" file (or any other name) the lines in UTF-8
// with a form feed between pages. False with the reason in error when the
// file cannot be written.
bool WriteReportFile(const ProblemData &data, const QString &path, QString *error);
bool WriteReportFile(const QList<QStringList> &pages, const QString &path, QString *error);

// The system's short date with a four-digit year (the report's date text
// takes the year from the last four characters), and its short time.
QString SystemShortDate();
QString SystemShortTime();
