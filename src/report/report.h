#pragma once

#include "report_pages.h"

struct ProblemData;

// The input-data report, from page 1 onward: the student, the equilibrium
// curve, the feed and every thermal table, each figure as the student typed it.
void PrintInputReport(ReportPages &report, const ProblemData &data);

// The results report, continuing on the current page, and the end of the
// last page. What follows the result lines depends on how the calculation
// ended: both stage counts, or the failure in place of the count that failed.
void PrintResultsReport(ReportPages &report, const ProblemData &data);

// The whole report, pages of lines: the input data and then the results,
// sharing one page counter and one line counter.
QList<QStringList> BuildReport(const ProblemData &data, const QString &shortDate, const QString &shortTime);

// The pages as one plain text: lines end with a line feed, and a form feed
// stands between two pages.
QString ReportPlainText(const QList<QStringList> &pages);
