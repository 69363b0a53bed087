#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform {

// The single-byte Windows code page 1252, exact in both directions. The five bytes the code
// page leaves undefined map to the C1 controls of the same value, so every byte reads back
// as it was written. Characters the code page cannot hold are written as "?", one per
// character.
class Windows1252
{
public:
    static QByteArray encode(QStringView text);
    static QString decode(QByteArrayView bytes);
    static QChar toUnicode(uchar byte);
    // The byte of a character, or -1 when the code page has none.
    static int fromUnicode(char32_t c);
};

} // namespace platform
