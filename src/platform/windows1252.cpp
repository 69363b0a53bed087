#include "platform/windows1252.h"

#include <QStringDecoder>

namespace platform {

namespace {
// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QChar Windows1252::toUnicode(uchar byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(high[byte - 0x80]);
    return QChar(char16_t(byte));
}

int Windows1252::fromUnicode(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int i = 0; i < 32; ++i)
        if (high[i] == c)
            return 0x80 + i;
    return -1;
}

QByteArray Windows1252::encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const int b = fromUnicode(c);
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

QString Windows1252::decode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = toUnicode(uchar(bytes[i]));
    return out;
}

} // namespace platform
