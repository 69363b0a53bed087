#pragma once

#include "output/pdf/pdffont.h"

#include <QString>

#include <memory>
#include <vector>

namespace pdf {

// The fonts of a document, one entry per standard font in the order they were first selected.
class PDFFonts
{
public:
    // The entry for a font name and style (bit 0 bold, bit 1 italic), created on first use.
    // Throws "Not valid true type font." for a name outside the standard fonts.
    PDFFont* font(const QString& name, int style);

    int count() const { return int(m_fonts.size()); }
    PDFFont* at(int index) const { return m_fonts[size_t(index)].get(); }
    void clear();

    static StandardFont standardFontFor(const QString& name, int style); // throws like font()

private:
    std::vector<std::unique_ptr<PDFFont>> m_fonts;
    PDFFont* m_byFont[standardFontCount] = {};
};

} // namespace pdf
