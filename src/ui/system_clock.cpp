#include "system_clock.h"

#include <QDate>
#include <QLocale>
#include <QTime>

QString SystemShortDate()
{
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // A format the date text cannot read (the C locale's "d MMM yyyy") gives
    // way to the Russian one.
    if (!format.contains(u'.') && !format.contains(u'/'))
        format = QStringLiteral("dd.MM.yyyy");
    else if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return locale.toString(QDate::currentDate(), format);
}

QString SystemShortTime()
{
    // The system's time text with its seconds, as 14:05:31.
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}
