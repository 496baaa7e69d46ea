#include "qt_platform.h"

#include "page_printer.h"

// The printer side of the desktop platform.

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

bool QtPlatform::beginDocument(const QString &)
{
    return false;
}

void QtPlatform::printLine(const QString &)
{
}

void QtPlatform::endPage()
{
}

bool QtPlatform::endDocument()
{
    return false;
}
