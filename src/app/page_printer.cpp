#include "page_printer.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

QString ReportFontFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : {QStringLiteral("Courier New Cyr"), QStringLiteral("Liberation Mono"),
                                  QStringLiteral("DejaVu Sans Mono")})
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

namespace {

// The size the report is set in when the paper has room for it.
constexpr qreal PreferredPointSize = 10.0;

void preparePaper(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The report makes its own left margin with spaces.
    printer.setPageMargins(QMarginsF(8, 10, 8, 10), QPageLayout::Millimeter);
}

QFont reportFont(qreal pointSize)
{
    QFont font(ReportFontFamily());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

// The largest size up to the preferred one at which every line and every
// page fits the printable area of the printer.
QFont fittingFont(const QList<QStringList> &pages, QPaintDevice *device, QSizeF area)
{
    qsizetype widest = 1, longest = 1;
    for (const QStringList &page : pages) {
        longest = std::max(longest, page.size());
        for (const QString &line : page)
            widest = std::max(widest, line.size());
    }
    qreal size = PreferredPointSize;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QFontMetricsF metrics(reportFont(size), device);
        const qreal width = metrics.horizontalAdvance(QString(widest, u'Ж'));
        const qreal height = metrics.lineSpacing() * qreal(longest);
        const qreal scale = std::min(area.width() / width, area.height() / height);
        if (scale >= 1.0)
            break;
        size *= scale * 0.995;
    }
    return reportFont(size);
}

bool render(QPrinter &printer, const QList<QStringList> &pages, QString *error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("Принтер недоступен.");
        return false;
    }
    const QSizeF area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const QFont font = fittingFont(pages, &printer, area);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            *error = QStringLiteral("Принтер не принял новую страницу.");
            painter.end();
            return false;
        }
        qreal baseline = metrics.ascent();
        for (const QString &line : pages[p]) {
            painter.drawText(QPointF(0, baseline), line);
            baseline += metrics.lineSpacing();
        }
    }
    if (!painter.end()) {
        *error = QStringLiteral("Печать не завершена.");
        return false;
    }
    return true;
}

} // namespace

PagePrinter::PagePrinter() = default;
PagePrinter::~PagePrinter() = default;

bool PagePrinter::chooseSystemPrinter(const QString &title, QWidget *parent)
{
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    preparePaper(*printer);
    printer->setDocName(title);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Печать результатов"));
    if (dialog.exec() != QDialog::Accepted) {
        printer.reset();
        return false;
    }
    return true;
}

void PagePrinter::usePdfFile(const QString &path, const QString &title)
{
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    preparePaper(*printer);
    printer->setDocName(title);
    printer->setCreator(QStringLiteral("Тарелин-7"));
}

void PagePrinter::printLine(const QString &line)
{
    current << line;
    pageOpen = true;
}

void PagePrinter::endPage()
{
    pages << current;
    current.clear();
    pageOpen = false;
}

bool PagePrinter::finish()
{
    if (pageOpen)
        endPage();
    if (!printer) {
        error = QStringLiteral("Принтер не выбран.");
        return false;
    }
    if (pages.isEmpty())
        return true;
    const bool printed = render(*printer, pages, &error);
    pages.clear();
    return printed;
}

bool RenderPagesToPdf(const QList<QStringList> &pages, const QString &path, QString *error)
{
    // The PDF writer only says that it failed; the file says why.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.close();
    PagePrinter printer;
    printer.usePdfFile(path, QStringLiteral("Тарелин-7"));
    for (const QStringList &page : pages) {
        for (const QString &line : page)
            printer.printLine(line);
        printer.endPage();
    }
    const bool done = printer.finish();
    if (!done && error)
        *error = printer.errorText();
    return done;
}
