#include "report_printing.h"

#include "model/problem_data.h"
#include "report/report.h"
#include "ui/platform.h"

namespace {

const QString PrintTitle = QStringLiteral("Печать результатов");

QString documentTitle(const ProblemData &data)
{
    const QString student = data.Names[1].trimmed();
    return student.isEmpty() ? QStringLiteral("Тарелин-7") : QStringLiteral("Тарелин-7 — ") + student;
}

} // namespace

bool PrintReport(ProblemData &data)
{
    Platform &desk = platform();
    const QList<QStringList> pages = BuildReport(data, desk.shortDate(), desk.shortTime());
    if (!desk.beginDocument(documentTitle(data))) {
        desk.showMessage(PrintTitle, QStringLiteral("Печать отменена: отчёт не напечатан.\n"
                                                    "Его можно напечатать ещё раз."));
        return false;
    }
    for (const QStringList &page : pages) {
        for (const QString &line : page)
            desk.printLine(line);
        desk.endPage();
    }
    if (!desk.endDocument()) {
        desk.showMessage(PrintTitle, QStringLiteral("Принтер не смог напечатать отчёт.\n"
                                                    "Проверьте принтер и напечатайте отчёт ещё раз."));
        return false;
    }
    return true;
}
