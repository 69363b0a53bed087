#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace pdf {

// A real number as "0.####": at most four decimals, no trailing zeros, "." whatever the locale,
// no exponent. writeNumber needs numberBufferSize bytes at out and returns the end.
constexpr int numberBufferSize = 32;
char* writeNumber(char* out, double value);
void appendNumber(QByteArray& out, double value);
QByteArray formatNumber(double value);

// Text as the Windows-1252 bytes the standard fonts' WinAnsi encoding expects;
// characters outside that code page become "?".
QByteArray toWinAnsi(QStringView text);

// A string literal for the file: the bytes between parentheses with CR, "(", ")" and "\" escaped.
void appendString(QByteArray& out, const QByteArray& bytes);
QByteArray escapeString(const QByteArray& bytes);
// The same for text, encoded as by toWinAnsi, in one pass.
void appendTextString(QByteArray& out, QStringView text);

} // namespace pdf
