#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// "Zaterdag 5 December 2026": Dutch day name, day, Dutch month name, four-digit year.
QString DateLine(const QDate &date);
// " 9:05:07": a blank and the time, hours without a leading zero.
QString ClockText(const QTime &time);
