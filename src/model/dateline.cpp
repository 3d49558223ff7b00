#include "model/dateline.h"

QString DateLine(const QDate &date)
{
    static const char *const days[] = {"Zondag", "Maandag", "Dinsdag", "Woensdag",
                                       "Donderdag", "Vrijdag", "Zaterdag"};
    static const char *const months[] = {"Januari", "Februari", "Maart", "April",
                                         "Mei", "Juni", "Juli", "Augustus",
                                         "September", "Oktober", "November", "December"};
    if (!date.isValid())
        return QString();
    // QDate counts Monday as 1 and Sunday as 7.
    const QString day = QString::fromLatin1(days[date.dayOfWeek() % 7]);
    return QStringLiteral("%1 %2 %3 %4")
        .arg(day)
        .arg(date.day())
        .arg(QString::fromLatin1(months[date.month() - 1]))
        .arg(date.year(), 4, 10, QChar(u'0'));
}

QString ClockText(const QTime &time)
{
    return QLatin1Char(' ') + time.toString(QStringLiteral("h:mm:ss"));
}
