#pragma once

#include "output/pdf/fontwidths.h"

#include <QByteArray>

namespace pdf {

// One font resource of a document: a standard font, its alias and, once a page that uses it
// has been written, its object number.
class PDFFont
{
public:
    explicit PDFFont(StandardFont font);

    StandardFont standardFont() const { return m_font; }
    QByteArray baseFont() const;
    QByteArray alias() const;        // "F0" to "F13"
    bool hasWinAnsiEncoding() const; // Symbol and ZapfDingbats keep their own encoding

    // Width of a byte code in thousandths of the font size (0 below the blank).
    int charWidth(uchar code) const { return code < 32 ? 0 : standardFontWidths[m_font][code - 32]; }

    int objectNumber() const { return m_objectNumber; }
    void setObjectNumber(int number) { m_objectNumber = number; }

private:
    StandardFont m_font;
    int m_objectNumber = 0; // 0: not written yet
};

} // namespace pdf
