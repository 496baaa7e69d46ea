#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Report pages in a file: a ".pdf" file holds the pages as the printer
// prints them, a ".txt" file (or any other name) the lines in UTF-8 with a
// form feed between pages. False with the reason in error when the file
// cannot be written.
bool WriteReportFile(const QList<QStringList> &pages, const QString &path, QString *error);
