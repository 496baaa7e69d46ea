#pragma once

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <memory>

class QPaintDevice;
class QPrinter;
class QWidget;

// The font family the report is printed in: "Courier New Cyr" where it is
// installed, otherwise a metric-compatible fixed-pitch font with Cyrillic
// letters (Liberation Mono, then DejaVu Sans Mono), otherwise the system's
// fixed-pitch font.
QString ReportFontFamily();

// How one report page goes on paper. Each page is set on its own: in the
// largest size up to 10 points at which it fits, never below 8 points. A
// page too long for that has its lines closer together, down to the type
// size, and then continues on the next sheet; a page too wide for an upright
// sheet is turned across it.
struct SheetLayout {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    qreal pointSize = 10.0;
    qreal lineStep = 0.0; // between baselines, in the device's pixels
    int linesPerSheet = 1;
};
SheetLayout LayOutReportPage(const QStringList &page, const QPageLayout &paper, QPaintDevice *device);
QList<SheetLayout> LayOutReportPages(const QList<QStringList> &pages, const QPageLayout &paper,
                                     QPaintDevice *device);
// The paper the report is printed on unless the print dialog says other:
// upright A4 with narrow margins.
QPageLayout ReportPaper();

// Renders report pages on a printer or into a PDF file. Lines arrive one by
// one and pages end on request; the document is laid out when it is
// finished, page by page as above.
class PagePrinter {
public:
    PagePrinter();
    ~PagePrinter();

    // Opens the system print dialog, which also offers printing to a PDF
    // file. False when the student cancels it.
    bool chooseSystemPrinter(const QString &title, QWidget *parent = nullptr);
    // Prints into a PDF file instead, without a dialog.
    void usePdfFile(const QString &path, const QString &title);

    void printLine(const QString &line);
    void endPage();
    // Lays out and prints the collected pages. False when the printer or the
    // file could not be used; errorText() says why.
    bool finish();
    QString errorText() const { return error; }

private:
    std::unique_ptr<QPrinter> printer;
    QList<QStringList> pages;
    QStringList current;
    bool pageOpen = false;
    QString error;
};

// The same pages in a PDF file, as the printer would print them.
bool RenderPagesToPdf(const QList<QStringList> &pages, const QString &path, QString *error);
