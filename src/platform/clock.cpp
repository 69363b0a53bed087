#include "platform/clock.h"

#include <QLocale>
#include <QStringList>

namespace platform {

namespace {
QDateTime& pinned()
{
    static QDateTime value;
    return value;
}
} // namespace

QDateTime Clock::now()
{
    return pinned().isValid() ? pinned() : QDateTime::currentDateTime();
}

void Clock::pin(const QDateTime& fixed)
{
    pinned() = fixed;
}

QString Clock::shortDate(const QDate& date)
{
    return QLocale::c().toString(date, QStringLiteral("M/d/yyyy"));
}

QString Clock::longTime(const QTime& time)
{
    return QLocale::c().toString(time, QStringLiteral("h:mm:ss AP"));
}

QString Clock::stamp(const QDateTime& moment)
{
    return shortDate(moment.date()) + QLatin1Char(' ') + longTime(moment.time());
}

QDate Clock::parseShortDate(const QString& text)
{
    const QStringList parts = text.trimmed().section(QLatin1Char(' '), 0, 0).split(QLatin1Char('/'));
    if (parts.size() != 3)
        return {};
    bool okM = false, okD = false, okY = false;
    const int m = parts[0].toInt(&okM), d = parts[1].toInt(&okD);
    int y = parts[2].toInt(&okY);
    if (!okM || !okD || !okY)
        return {};
    if (parts[2].size() <= 2)
        y += y < 50 ? 2000 : 1900;
    return QDate(y, m, d);
}

} // namespace platform
