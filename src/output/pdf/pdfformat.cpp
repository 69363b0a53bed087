#include "output/pdf/pdfformat.h"

#include "platform/windows1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace pdf {

namespace {
// Coordinates beyond this are nonsense on a page; keeping them bounded keeps the text short.
constexpr double largestNumber = 1e15;

char winAnsiByte(QStringView text, qsizetype& i)
{
    const char16_t u = text[i].unicode();
    const int byte = platform::Windows1252::fromUnicode(u);
    if (byte >= 0)
        return static_cast<char>(byte);
    // one "?" for a character outside the basic plane, not one per surrogate
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    return '?';
}

char* writeEscaped(char* p, char c)
{
    switch (c) {
    case '\r':
        *p++ = '\\';
        *p++ = 'r';
        break;
    case '(':
    case ')':
    case '\\':
        *p++ = '\\';
        *p++ = c;
        break;
    default:
        *p++ = c;
    }
    return p;
}
} // namespace

char* writeNumber(char* out, double value)
{
    if (!std::isfinite(value)) value = 0;
    value = std::clamp(value, -largestNumber, largestNumber);
    const double scaled = value * 10000.0;
    const double rounded = std::nearbyint(scaled);
    long long units;
    if (std::fabs(value) < 1e9 && std::fabs(scaled - rounded) < 0.49) {
        // Far from a half: the product rounds as the exact decimal value would.
        units = static_cast<long long>(rounded);
    } else {
        // Close to a half or very large: let to_chars round the exact binary value.
        char buffer[numberBufferSize];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
        char* end = result.ptr;
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.') --end;
        const char* begin = buffer;
        if (end - begin == 2 && begin[0] == '-' && begin[1] == '0')
            ++begin; // a tiny negative value is "0", not "-0"
        std::memcpy(out, begin, size_t(end - begin));
        return out + (end - begin);
    }
    if (units < 0) {
        *out++ = '-';
        units = -units;
    }
    long long whole = units / 10000;
    int fraction = int(units % 10000);
    char digits[24];
    int n = 0;
    do {
        digits[n++] = char('0' + whole % 10);
        whole /= 10;
    } while (whole);
    while (n)
        *out++ = digits[--n];
    if (fraction) {
        *out++ = '.';
        int divisor = 1000;
        while (fraction) {
            *out++ = char('0' + fraction / divisor);
            fraction %= divisor;
            divisor /= 10;
        }
    }
    return out;
}

void appendNumber(QByteArray& out, double value)
{
    char buffer[numberBufferSize];
    out.append(buffer, writeNumber(buffer, value) - buffer);
}

QByteArray formatNumber(double value)
{
    QByteArray out;
    appendNumber(out, value);
    return out;
}

QByteArray toWinAnsi(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char* p = out.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        *p++ = winAnsiByte(text, i);
    out.truncate(p - out.data());
    return out;
}

void appendString(QByteArray& out, const QByteArray& bytes)
{
    const qsizetype start = out.size();
    out.resize(start + 2 * bytes.size() + 2);
    char* p = out.data() + start;
    *p++ = '(';
    for (const char c : bytes)
        p = writeEscaped(p, c);
    *p++ = ')';
    out.truncate(p - out.data());
}

QByteArray escapeString(const QByteArray& bytes)
{
    QByteArray out;
    appendString(out, bytes);
    return out;
}

void appendTextString(QByteArray& out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size() + 2);
    char* p = out.data() + start;
    *p++ = '(';
    for (qsizetype i = 0; i < text.size(); ++i)
        p = writeEscaped(p, winAnsiByte(text, i));
    *p++ = ')';
    out.truncate(p - out.data());
}

} // namespace pdf
