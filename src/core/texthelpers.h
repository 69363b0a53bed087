#pragma once

#include <QDate>
#include <QString>

namespace core {

bool IsAllDigits(const QString& text);          // non-empty, "0".."9" only
int ToIntOrZero(const QString& text);           // value of an all-digit text, else 0
QString StripChar(const QString& text, QChar c);
QString UpperCaseAscii(const QString& text);    // only a..z change
QString LowerCaseAscii(const QString& text);    // only A..Z change
// Returns the text before the first c and removes it and the c from `text`; when `text` is
// empty or lacks c, returns empty text and leaves `text` as it was.
QString NextToken(QString& text, QChar c);
bool IsShortDate(const QString& text);          // "mm/dd/yy"
QString NormalizeShortDate(const QString& text); // "m/d/yyyy" -> "mm/dd/yy"
QString DateDigits(const QString& text);        // "m/d/yy" -> "mmddyy"
int DayOfYear(int year, int month, int day);
// Days from a backup date to today as the seven-day reminder counts them.
int DaysSince(const QDate& then, const QDate& today);

} // namespace core
