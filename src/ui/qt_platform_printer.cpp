#include "page_printer.h"
#include "qt_platform.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

// The printer side of the desktop platform: the report's lines are collected
// by a PagePrinter and printed when the document ends; a picture is painted
// straight onto one landscape page.

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

bool QtPlatform::beginDocument(const QString &title)
{
    throwIfEnded();
    printer = std::make_unique<PagePrinter>();
    const bool chosen = printer->chooseSystemPrinter(title, QApplication::activeWindow());
    throwIfEnded();
    if (!chosen)
        printer.reset();
    return chosen;
}

void QtPlatform::printLine(const QString &line)
{
    if (printer)
        printer->printLine(line);
}

void QtPlatform::endPage()
{
    if (printer)
        printer->endPage();
}

bool QtPlatform::endDocument()
{
    if (!printer)
        return false;
    const bool printed = printer->finish();
    printer.reset();
    return printed;
}

bool QtPlatform::printPicture(const QString &title, const PagePainter &paint)
{
    throwIfEnded();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Печать: ") + title);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    throwIfEnded();
    if (!chosen)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paint(painter, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    return painter.end();
}
