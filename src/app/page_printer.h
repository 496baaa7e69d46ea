#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

// The font family the report is printed in: "Courier New Cyr" where it is
// installed, otherwise a metric-compatible fixed-pitch font with Cyrillic
// letters (Liberation Mono, then DejaVu Sans Mono), otherwise the system's
// fixed-pitch font.
QString ReportFontFamily();

// Renders report pages on a printer or into a PDF file. Lines arrive one by
// one and pages end on request; the whole document is laid out when it is
// finished, so that one font size serves every page: the widest line fits
// the paper's width and the longest page its height (the report's pages run
// to about 90 lines, more than fit at the usual 10 points).
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
