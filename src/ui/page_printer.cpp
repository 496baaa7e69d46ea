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
#include <cmath>

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

// The size the report is set in when the paper has room for it, and the
// smallest size it is ever set in: a page that does not fit even then goes
// on with its lines closer together, and beyond that on the next sheet.
constexpr qreal PreferredPointSize = 10.0;
constexpr qreal SmallestPointSize = 8.0;

void preparePaper(QPrinter &printer)
{
    printer.setPageLayout(ReportPaper());
}

// The report's font on a device, in whole pixels of at least pointSize: a
// size given in points would be rounded to the nearest pixel, a little
// below the smallest size at times.
QFont reportFont(qreal pointSize, const QPaintDevice *device)
{
    QFont font(ReportFontFamily());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(int(std::ceil(pointSize * device->logicalDpiY() / 72.0 - 1e-6)));
    return font;
}

qsizetype widestLine(const QStringList &page)
{
    qsizetype widest = 1;
    for (const QString &line : page)
        widest = std::max(widest, line.size());
    return widest;
}

// The printable area of a sheet in the device's pixels.
QSizeF printableArea(QPageLayout paper, QPageLayout::Orientation orientation, const QPaintDevice *device)
{
    paper.setOrientation(orientation);
    return paper.paintRectPixels(device->logicalDpiY()).size();
}

// The largest size up to the preferred one at which the lines fit the
// area's width, and, with their natural spacing, its height.
qreal fittingSize(const QStringList &page, QPaintDevice *device, QSizeF area, bool heightToo)
{
    const QString widest(widestLine(page), u'Ж');
    const qreal lines = std::max<qsizetype>(page.size(), 1);
    qreal size = PreferredPointSize;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QFontMetricsF metrics(reportFont(size, device), device);
        qreal scale = area.width() / metrics.horizontalAdvance(widest);
        if (heightToo)
            scale = std::min(scale, area.height() / (metrics.lineSpacing() * lines));
        if (scale >= 1.0)
            break;
        size *= scale * 0.995;
    }
    return size;
}

SheetLayout layoutOn(const QStringList &page, const QPageLayout &paper, QPaintDevice *device,
                     QPageLayout::Orientation orientation, qreal pointSize)
{
    const QSizeF area = printableArea(paper, orientation, device);
    SheetLayout layout;
    layout.orientation = orientation;
    layout.pointSize = pointSize;
    const QFontMetricsF metrics(reportFont(pointSize, device), device);
    const qreal lines = std::max<qsizetype>(page.size(), 1);
    // Closer lines, down to the type size itself, before another sheet.
    const qreal closest = pointSize * device->logicalDpiY() / 72.0;
    layout.lineStep = std::max(closest, std::min(metrics.lineSpacing(), area.height() / lines));
    layout.linesPerSheet = std::max(1, int(area.height() / layout.lineStep));
    return layout;
}

bool render(QPrinter &printer, const QList<QStringList> &pages, QString *error)
{
    const QList<SheetLayout> layouts = LayOutReportPages(pages, printer.pageLayout(), &printer);
    if (!layouts.isEmpty())
        printer.setPageOrientation(layouts.first().orientation);
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("Принтер недоступен.");
        return false;
    }
    bool firstSheet = true;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const SheetLayout &layout = layouts[p];
        const QFont font = reportFont(layout.pointSize, &printer);
        for (qsizetype first = 0; first < std::max<qsizetype>(pages[p].size(), 1);
             first += layout.linesPerSheet) {
            if (!firstSheet) {
                printer.setPageOrientation(layout.orientation);
                if (!printer.newPage()) {
                    *error = QStringLiteral("Принтер не принял новую страницу.");
                    painter.end();
                    return false;
                }
            }
            firstSheet = false;
            painter.setFont(font);
            qreal baseline = QFontMetricsF(font, &printer).ascent();
            for (const QString &line : pages[p].mid(first, layout.linesPerSheet)) {
                painter.drawText(QPointF(0, baseline), line);
                baseline += layout.lineStep;
            }
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

QPageLayout ReportPaper()
{
    // The report makes its own left margin with spaces.
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(8, 7, 8, 7),
                       QPageLayout::Millimeter);
}

SheetLayout LayOutReportPage(const QStringList &page, const QPageLayout &paper, QPaintDevice *device)
{
    for (const QPageLayout::Orientation orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        const QSizeF area = printableArea(paper, orientation, device);
        const qreal whole = fittingSize(page, device, area, true);
        if (whole >= SmallestPointSize)
            return layoutOn(page, paper, device, orientation, whole);
        if (fittingSize(page, device, area, false) >= SmallestPointSize)
            return layoutOn(page, paper, device, orientation, SmallestPointSize);
    }
    // Lines too wide even across the sheet: only then is the type smaller.
    const QSizeF across = printableArea(paper, QPageLayout::Landscape, device);
    return layoutOn(page, paper, device, QPageLayout::Landscape, fittingSize(page, device, across, false));
}

QList<SheetLayout> LayOutReportPages(const QList<QStringList> &pages, const QPageLayout &paper,
                                     QPaintDevice *device)
{
    QList<SheetLayout> layouts;
    for (const QStringList &page : pages)
        layouts << LayOutReportPage(page, paper, device);
    return layouts;
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
