#include "report_printing.h"

#include "app/page_printer.h"
#include "app/platform.h"
#include "model/problem_data.h"
#include "results/report/report.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTime>

namespace {

const QString PrintTitle = QStringLiteral("Печать результатов");

QString documentTitle(const ProblemData &data)
{
    const QString student = data.Names[1].trimmed();
    return student.isEmpty() ? QStringLiteral("Тарелин-7") : QStringLiteral("Тарелин-7 — ") + student;
}

bool writeText(const QList<QStringList> &pages, const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(ReportPlainText(pages).toUtf8()) < 0 || !file.flush()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writePdf(const QList<QStringList> &pages, const QString &path, QString *error)
{
    // Text on a page needs the fonts of a GUI application.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (error)
            *error = QStringLiteral("PDF output needs the graphical platform");
        return false;
    }
    return RenderPagesToPdf(pages, path, error);
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

bool WriteReportFile(const QList<QStringList> &pages, const QString &path, QString *error)
{
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return writePdf(pages, path, error);
    return writeText(pages, path, error);
}

bool WriteReportFile(const ProblemData &data, const QString &path, QString *error)
{
    return WriteReportFile(BuildReport(data, SystemShortDate(), SystemShortTime()), path, error);
}

QString SystemShortDate()
{
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // A format the date text cannot read (the C locale's "d MMM yyyy") gives
    // way to the Russian one.
    if (!format.contains(u'.') && !format.contains(u'/'))
        format = QStringLiteral("dd.MM.yyyy");
    else if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return locale.toString(QDate::currentDate(), format);
}

QString SystemShortTime()
{
    // The system's time text with its seconds, as 14:05:31.
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}
