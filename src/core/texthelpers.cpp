#include "core/texthelpers.h"

#include <QDate>
#include <QStringList>

namespace core {

bool IsAllDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar ch : text)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    return true;
}

int ToIntOrZero(const QString& text)
{
    if (!IsAllDigits(text))
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

QString StripChar(const QString& text, QChar c)
{
    QString result = text;
    result.remove(c);
    return result;
}

QString UpperCaseAscii(const QString& text)
{
    QString result = text;
    for (QChar& ch : result)
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - 32);
    return result;
}

QString LowerCaseAscii(const QString& text)
{
    QString result = text;
    for (QChar& ch : result)
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            ch = QChar(ch.unicode() + 32);
    return result;
}

QString NextToken(QString& text, QChar c)
{
    const qsizetype at = text.indexOf(c);
    if (text.isEmpty() || at < 0)
        return QString();
    const QString token = text.left(at);
    text.remove(0, at + 1);
    return token;
}

bool IsShortDate(const QString& text)
{
    if (text.size() != 8 || text.at(2) != QLatin1Char('/') || text.at(5) != QLatin1Char('/'))
        return false;
    for (QChar ch : text)
        if (ch != QLatin1Char('/') && (ch < QLatin1Char('0') || ch > QLatin1Char('9')))
            return false;
    return true;
}

namespace {
QStringList dateParts(const QString& text)
{
    QStringList parts = text.split(QLatin1Char('/'));
    while (parts.size() < 3)
        parts.append(QString());
    for (int i = 0; i < 3; ++i) {
        if (i == 2 && parts[i].size() == 4)
            parts[i] = parts[i].right(2);
        parts[i] = parts[i].rightJustified(2, QLatin1Char('0'));
    }
    return parts.mid(0, 3);
}
} // namespace

QString NormalizeShortDate(const QString& text)
{
    return dateParts(text).join(QLatin1Char('/'));
}

QString DateDigits(const QString& text)
{
    return dateParts(text).join(QString());
}

int DayOfYear(int year, int month, int day)
{
    static const int before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    int n = day + before[(month >= 1 && month <= 12) ? month - 1 : 0];
    if (year % 4 == 0 && month > 2)
        ++n;
    return n;
}

int DaysSince(const QDate& then, const QDate& today)
{
    // Two or more years back is plainly more than a week, though the day-of-year count
    // alone would wrap around to a small number.
    if (today.year() - then.year() >= 2)
        return 365 * (today.year() - then.year());
    int now = DayOfYear(today.year(), today.month(), today.day());
    if (then.year() < today.year())
        now += 365;
    return now - DayOfYear(then.year(), then.month(), then.day());
}

} // namespace core
