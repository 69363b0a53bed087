#pragma once

#include <QtGlobal>

namespace pdf {

// The 14 standard fonts; the value is also the number of the resource alias ("F" + value).
enum StandardFont {
    Helvetica,
    HelveticaBold,
    HelveticaOblique,
    HelveticaBoldOblique,
    TimesRoman,
    TimesBold,
    TimesItalic,
    TimesBoldItalic,
    Courier,
    CourierBold,
    CourierOblique,
    CourierBoldOblique,
    Symbol,
    ZapfDingbats,
    standardFontCount
};

// Advance widths in thousandths of the font size for the byte codes 32 to 255 (index = code - 32):
// WinAnsi codes for the text fonts, the built-in codes for Symbol and ZapfDingbats.
extern const quint16 standardFontWidths[standardFontCount][224];

} // namespace pdf
