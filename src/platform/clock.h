#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace platform {

// Today and now, and the edition's short date and long time formats. Tests pin the time.
class Clock
{
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    static void pin(const QDateTime& fixed); // an invalid value unpins

    static QString shortDate(const QDate& date);  // M/d/yyyy
    static QString longTime(const QTime& time);   // h:mm:ss AP
    // Short date, a blank and the long time, as the program stamps its records and log.
    static QString stamp(const QDateTime& moment);
    static QString stampNow() { return stamp(now()); }
    // Reads a short date; the year may have two digits (taken as 20yy below 50, else 19yy).
    static QDate parseShortDate(const QString& text);
};

} // namespace platform
