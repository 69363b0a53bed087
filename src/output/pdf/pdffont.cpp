#include "output/pdf/pdffont.h"

namespace pdf {

PDFFont::PDFFont(StandardFont font) : m_font(font) {}

QByteArray PDFFont::baseFont() const
{
    static const char* const names[standardFontCount] = {
        "Helvetica",   "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique",
        "Times-Roman", "Times-Bold",     "Times-Italic",      "Times-BoldItalic",
        "Courier",     "Courier-Bold",   "Courier-Oblique",   "Courier-BoldOblique",
        "Symbol",      "ZapfDingbats"};
    return QByteArray(names[m_font]);
}

QByteArray PDFFont::alias() const
{
    QByteArray alias("F");
    alias += QByteArray::number(int(m_font));
    return alias;
}

bool PDFFont::hasWinAnsiEncoding() const
{
    return m_font != Symbol && m_font != ZapfDingbats;
}

} // namespace pdf
