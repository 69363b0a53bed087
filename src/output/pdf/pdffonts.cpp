#include "output/pdf/pdffonts.h"

#include "output/pdf/pdfexception.h"

namespace pdf {

StandardFont PDFFonts::standardFontFor(const QString& name, int style)
{
    const int form = style & 3; // underline and strike-out do not change the font
    auto is = [&name](const char* candidate) {
        return name.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0;
    };
    if (is("Arial") || is("Helvetica")) return StandardFont(Helvetica + form);
    if (is("Times New Roman") || is("Times")) return StandardFont(TimesRoman + form);
    if (is("Courier New") || is("Courier")) return StandardFont(Courier + form);
    if (is("Symbol")) return Symbol;
    if (is("ZapfDingbats")) return ZapfDingbats;
    throw PDFException(QStringLiteral("Not valid true type font. ") + name);
}

PDFFont* PDFFonts::font(const QString& name, int style)
{
    const StandardFont which = standardFontFor(name, style);
    if (!m_byFont[which]) {
        m_fonts.push_back(std::make_unique<PDFFont>(which));
        m_byFont[which] = m_fonts.back().get();
    }
    return m_byFont[which];
}

void PDFFonts::clear()
{
    m_fonts.clear();
    for (PDFFont*& entry : m_byFont)
        entry = nullptr;
}

} // namespace pdf
