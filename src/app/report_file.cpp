#include "report_file.h"

#include "report/report.h"
#include "ui/page_printer.h"

#include <QFile>
#include <QGuiApplication>

namespace {

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

bool WriteReportFile(const QList<QStringList> &pages, const QString &path, QString *error)
{
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return writePdf(pages, path, error);
    return writeText(pages, path, error);
}
