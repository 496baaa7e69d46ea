#include "qt_platform.h"

#include "page_printer.h"

#include <QApplication>

// The printer side of the desktop platform: the report's lines are collected
// by a PagePrinter and printed when the document ends.

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
