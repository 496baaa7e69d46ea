#include "report_pages.h"

#include "model/text.h"

#include <QDate>
#include <algorithm>
#include <cmath>

QString Spaces(int n)
{
    return n > 0 ? QString(n, u' ') : QString();
}

QString RuleLine()
{
    return QString(76, u'-');
}

namespace {

const char16_t *const MonthNames[] = {u" января ",   u" февраля ", u" марта ",  u" апреля ",
                                      u" мая ",      u" июня ",    u" июля ",   u" августа ",
                                      u" сентября ", u" октября ", u" ноября ", u" декабря "};

struct DayMonthYear {
    QString day, year;
    int month = 0;
};

// The design's reading: the year is the last four characters, the day and
// month stand before them, separated by a dot (day first) or a slash
// (month first).
DayMonthYear splitSystemDate(const QString &date)
{
    DayMonthYear parts;
    parts.year = date.right(4);
    const QString rest = date.left(std::max<qsizetype>(0, date.size() - 5));
    const qsizetype dot = rest.indexOf(u'.');
    if (dot >= 0) {
        parts.day = rest.left(dot);
        parts.month = int(ParseLeadingNumber(rest.mid(dot + 1)));
    } else {
        const qsizetype slash = rest.indexOf(u'/');
        parts.month = int(ParseLeadingNumber(rest.left(std::max<qsizetype>(0, slash))));
        parts.day = slash >= 0 ? rest.mid(slash + 1) : rest;
    }
    return parts;
}

// A date with neither dots nor slashes, such as 2026-12-08, is read as an
// ISO date where it is one; otherwise it is kept as it stands.
bool readIsoDate(const QString &date, DayMonthYear *parts)
{
    const QDate iso = QDate::fromString(date.trimmed(), Qt::ISODate);
    if (!iso.isValid())
        return false;
    parts->day = QStringLiteral("%1").arg(iso.day(), 2, 10, QLatin1Char('0'));
    parts->month = iso.month();
    parts->year = QString::number(iso.year());
    return true;
}

} // namespace

QString DateText(const QString &shortDate, const QString &shortTime)
{
    const QString timePart = Spaces(8) + shortTime;
    DayMonthYear parts;
    if (shortDate.contains(u'.') || shortDate.contains(u'/'))
        parts = splitSystemDate(shortDate);
    else if (!readIsoDate(shortDate, &parts))
        return shortDate + timePart;
    // The month name table has twelve entries: a larger number is December,
    // a missing one January.
    const int month = std::clamp(parts.month, 1, 12);
    return parts.day + QString::fromUtf16(MonthNames[month - 1]) + parts.year + QStringLiteral("г.") +
           timePart;
}

QString SignedNumberText(int value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString StageNumberText(float value)
{
    if (!std::isfinite(value))
        return SignedNumberText(0);
    const double whole = std::nearbyint(double(value));
    return whole < 0 ? QString::number(whole, 'f', 0) : u' ' + QString::number(whole, 'f', 0);
}

ReportPages::ReportPages(const QString &shortDate, const QString &shortTime)
    : dateText(DateText(shortDate, shortTime))
{
}

void ReportPages::printLine(const QString &line)
{
    current << line;
}

void ReportPages::printText(const QString &text)
{
    printLine(Spaces(ReportMargin) + text);
}

void ReportPages::printEmptyLine()
{
    printLine(QString());
}

void ReportPages::printRule()
{
    printText(RuleLine());
}

void ReportPages::endPage()
{
    finished << current;
    current.clear();
}

void ReportPages::PrintPageHeader()
{
    printText(dateText + PadSpaces(dateText, 60) + QStringLiteral("Tarelin-7                  стр.") +
              SignedNumberText(ReportPageNumber));
}

void ReportPages::StartNewPage()
{
    endPage();
    ++ReportPageNumber;
    ReportLineCount = 2;
    PrintPageHeader();
    printEmptyLine();
}

void ReportPages::breakPageIfFull()
{
    if (ReportLineCount >= ReportPageLines)
        StartNewPage();
}

QList<QStringList> ReportPages::pages() const
{
    QList<QStringList> all = finished;
    if (!current.isEmpty())
        all << current;
    return all;
}
