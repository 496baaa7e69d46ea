#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The printed report is plain fixed-pitch text: every line starts at the left
// edge of the paper and the layout is made with spaces only. The report is
// first built as pages of lines; a printer, a PDF file or a text file then
// receives the same pages.

// A page holds this many counted lines.
inline constexpr int ReportPageLines = 75;
// Every ordinary line of the report starts with this many spaces.
inline constexpr int ReportMargin = 15;

// n spaces.
QString Spaces(int n);

// The rule that separates the sections: 76 dashes.
QString RuleLine();

// The date and time of the page header, from the system's short date and
// time texts: "08.12.2026" and "14:05:31" give "08 декабря 2026г." followed by
// eight spaces and "14:05:31". A day-first date has dots, a month-first one
// slashes; a month number above 12 counts as December.
QString DateText(const QString &shortDate, const QString &shortTime);

// A number the way the general number-to-text conversion prints it: a
// leading space stands where a minus sign would be (1 prints as " 1").
QString SignedNumberText(int value);

// A stage number: rounded to a whole number (halves to even) and printed
// with the space of its sign.
QString StageNumberText(float value);

// The pages of the report as they are printed, with the design's two
// counters: the page number and the running count of lines on the page.
// The count is not advanced line by line: each part of the report adds the
// amount it is designed to add, and a page ends only where the report asks
// for it.
class ReportPages {
public:
    ReportPages(const QString &shortDate, const QString &shortTime);

    int ReportPageNumber = 1;
    int ReportLineCount = 0;

    // One line, exactly as given.
    void printLine(const QString &line);
    // The margin, then the text.
    void printText(const QString &text);
    void printEmptyLine();
    // The margin, then the rule.
    void printRule();
    void endPage();

    // The header of the current page: margin, date and time padded to 60
    // characters, the program name and the page number.
    void PrintPageHeader();
    // Ends the page and starts the next one with its header and an empty
    // line; the new page starts with those two lines counted.
    void StartNewPage();
    // StartNewPage when the count has reached a full page.
    void breakPageIfFull();

    // The finished pages, plus the page in progress if it holds anything.
    QList<QStringList> pages() const;

private:
    QString dateText;
    QList<QStringList> finished;
    QStringList current;
};
