#include "platform/printerrecorder.h"

#include <QTextStream>

namespace platform {

PrinterRecorder::PrinterRecorder()
    : m_names{builtInPdfName(), QStringLiteral("Front Office Laser"), QStringLiteral("Shop Label Printer")}, m_index(1)
{
    install(this);
}

PrinterRecorder::~PrinterRecorder()
{
    install(nullptr);
}

void PrinterRecorder::setPrinters(const QStringList& names, int selected)
{
    m_names = names;
    m_index = selected;
}

void PrinterRecorder::setPageSize(int portraitWidth, int portraitHeight)
{
    m_width = portraitWidth;
    m_height = portraitHeight;
}

void PrinterRecorder::setPrinterIndex(int index)
{
    if (!m_printing && index >= 0 && index < m_names.size())
        m_index = index;
}

void PrinterRecorder::setOrientation(Orientation orientation)
{
    if (!m_printing)
        m_orientation = orientation;
}

int PrinterRecorder::pageWidth()
{
    return m_orientation == Orientation::Portrait ? m_width : m_height;
}

int PrinterRecorder::pageHeight()
{
    return m_orientation == Orientation::Portrait ? m_height : m_width;
}

bool PrinterRecorder::startDocument()
{
    if (refuseDocuments) {
        refuseDocuments = false;
        return false;
    }
    documents.append({printerName(), m_index, m_orientation, 1, false, documentTitle()});
    m_printing = true;
    m_font = PrintFont();
    m_pen = Qt::black;
    m_penWidth = 1;
    m_brush = QColor();
    return true;
}

void PrinterRecorder::newPage()
{
    if (drawing())
        ++documents.last().pages;
}

void PrinterRecorder::endDocument()
{
    if (!m_printing)
        return;
    documents.last().ended = true;
    m_printing = false;
}

bool PrinterRecorder::drawing()
{
    if (!m_printing)
        ++strayDrawings;
    return m_printing;
}

void PrinterRecorder::drawText(int x, int y, const QString& text)
{
    if (drawing())
        texts.append({int(documents.size()), documents.last().pages, x, y, text, m_font});
}

int PrinterRecorder::textWidth(const QString& text)
{
    return int(text.size()) * m_font.size * 4;
}

void PrinterRecorder::setPen(const QColor& color, int width)
{
    m_pen = color;
    m_penWidth = width;
}

void PrinterRecorder::drawRect(int left, int top, int right, int bottom)
{
    if (drawing())
        rects.append({int(documents.size()), documents.last().pages, left, top, right, bottom, m_pen, m_penWidth, m_brush});
}

void PrinterRecorder::drawLine(int x1, int y1, int x2, int y2)
{
    if (drawing())
        lines.append({int(documents.size()), documents.last().pages, x1, y1, x2, y2, m_pen, m_penWidth});
}

QStringList PrinterRecorder::pageTexts(int document, int page) const
{
    QStringList list;
    for (const Text& t : texts)
        if (t.document == document && t.page == page)
            list << t.text;
    return list;
}

const PrinterRecorder::Text* PrinterRecorder::find(const QString& text) const
{
    for (const Text& t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

namespace {
QString fontText(const PrintFont& f)
{
    QString style;
    if (f.bold)
        style += QLatin1Char('B');
    if (f.italic)
        style += QLatin1Char('I');
    return f.name + QLatin1Char(' ') + QString::number(f.size) + (style.isEmpty() ? QString() : QLatin1Char(' ') + style);
}

QString colorText(const QColor& c)
{
    return c.isValid() ? c.name() : QStringLiteral("none");
}
} // namespace

QString PrinterRecorder::dump() const
{
    QString out;
    QTextStream s(&out);
    for (int d = 1; d <= documents.size(); ++d) {
        const Document& doc = documents.at(d - 1);
        s << "job " << d << (doc.title == defaultTitle() ? QString() : QStringLiteral(" \"") + doc.title + u'"')
          << " [" << doc.printer << "] "
          << (doc.orientation == Orientation::Portrait ? "portrait" : "landscape") << ", " << doc.pages
          << (doc.pages == 1 ? " page" : " pages") << (doc.ended ? "" : ", not ended") << '\n';
        for (int p = 1; p <= doc.pages; ++p) {
            for (const Text& t : texts)
                if (t.document == d && t.page == p)
                    s << "p" << p << " x=" << t.x << " y=" << t.y << ' ' << fontText(t.font) << ": " << t.text << '\n';
            for (const Rect& r : rects)
                if (r.document == d && r.page == p)
                    s << "p" << p << " rect " << r.left << ',' << r.top << ' ' << r.right << ',' << r.bottom << " pen "
                      << colorText(r.pen) << '/' << r.penWidth << " brush " << colorText(r.brush) << '\n';
            for (const Line& l : lines)
                if (l.document == d && l.page == p)
                    s << "p" << p << " line " << l.x1 << ',' << l.y1 << ' ' << l.x2 << ',' << l.y2 << " pen "
                      << colorText(l.pen) << '/' << l.penWidth << '\n';
        }
    }
    return out;
}

void PrinterRecorder::clear()
{
    documents.clear();
    texts.clear();
    rects.clear();
    lines.clear();
    strayDrawings = 0;
    m_printing = false;
}

} // namespace platform
