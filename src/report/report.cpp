#include "report.h"

QList<QStringList> BuildReport(const ProblemData &data, const QString &shortDate, const QString &shortTime)
{
    ReportPages report(shortDate, shortTime);
    PrintInputReport(report, data);
    PrintResultsReport(report, data);
    return report.pages();
}

QString ReportPlainText(const QList<QStringList> &pages)
{
    QString text;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0)
            text += u'\f';
        for (const QString &line : pages[p])
            text += line + u'\n';
    }
    return text;
}
