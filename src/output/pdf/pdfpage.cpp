#include "output/pdf/pdfpage.h"

#include "output/pdf/pdfexception.h"
#include "output/pdf/pdffonts.h"
#include "output/pdf/pdfformat.h"

#include <cmath>
#include <numbers>

namespace pdf {

PDFPage::PDFPage(PDFFonts& fonts, int objectNumber, double scale)
    : m_documentFonts(fonts), m_objectNumber(objectNumber), m_scale(scale)
{
    appendLine("q"); // restored when the page is written
}

QList<QByteArray> PDFPage::contentLines() const
{
    QList<QByteArray> lines = m_content.split('\n');
    lines.removeLast(); // the content ends with a line end
    for (QByteArray& line : lines)
        line.chop(1); // the CR
    return lines;
}

void PDFPage::requireOutsideText() const
{
    if (m_inText) throw PDFException(QStringLiteral("Text object inited"));
}

void PDFPage::requireInsideText() const
{
    if (!m_inText) throw PDFException(QStringLiteral("Text object not inited"));
}

void PDFPage::requireFont() const
{
    if (!m_activeFont) throw PDFException(QStringLiteral("Active font not setting"));
}

void PDFPage::appendLine(const char* line)
{
    m_content.append(line);
    endLine();
}

void PDFPage::appendNumbers(std::initializer_list<double> values, const char* op)
{
    // Built on the stack: one append per line keeps long reports fast.
    Q_ASSERT(values.size() <= 6);
    char line[8 * numberBufferSize];
    char* p = line;
    for (const double value : values) {
        p = writeNumber(p, value);
        *p++ = ' ';
    }
    while (*op)
        *p++ = *op++;
    *p++ = '\r';
    *p++ = '\n';
    m_content.append(line, p - line);
}

void PDFPage::BeginText()
{
    if (m_inText) throw PDFException(QStringLiteral("Cannot begin text object twice"));
    appendLine("BT");
    m_inText = true;
    m_matrix[0] = m_matrix[3] = 1;
    m_matrix[1] = m_matrix[2] = 0;
    m_textAngle = 0;
}

void PDFPage::EndText()
{
    requireInsideText(); // a lone "ET" would break the content stream
    appendLine("ET");
    m_inText = false;
}

void PDFPage::SetActiveFont(const QString& name, int style, int charset, double size)
{
    Q_UNUSED(charset);
    PDFFont* font = m_documentFonts.font(name, style);
    bool listed = false;
    for (const PDFFont* used : m_pageFonts)
        listed = listed || used == font;
    if (!listed) m_pageFonts.push_back(font);

    const bool wrap = !m_inText;
    if (wrap) appendLine("BT");
    m_content.append('/');
    m_content.append(font->alias());
    m_content.append(' ');
    appendNumber(m_content, size);
    appendLine(" Tf");
    if (wrap) appendLine("ET");
    m_activeFont = font;
    m_fontSize = size;
}

void PDFPage::TextOut(double x, double y, double angle, const QString& text)
{
    requireInsideText();
    requireFont();
    if (angle != m_textAngle) {
        // The matrix follows the angle of this call alone, not the history of earlier calls.
        const double radians = angle * std::numbers::pi / 180.0;
        const double c = std::cos(radians);
        const double s = std::sin(radians);
        m_matrix[0] = c;
        m_matrix[1] = s;
        m_matrix[2] = -s;
        m_matrix[3] = c;
        m_textAngle = angle;
    }
    // The baseline lies one font size below the top-left corner, along the turned vertical.
    const double originX = toX(x) - m_matrix[2] * m_fontSize;
    const double originY = toY(y) - m_matrix[3] * m_fontSize;
    appendNumbers({m_matrix[0], m_matrix[1], m_matrix[2], m_matrix[3], originX, originY}, "Tm");
    appendTextString(m_content, text);
    appendLine(" Tj");
    m_showsText = true;
}

double PDFPage::TextWidth(const QString& text) const
{
    requireFont();
    const QByteArray bytes = toWinAnsi(text);
    qint64 units = 0;
    for (const char c : bytes)
        units += m_activeFont->charWidth(static_cast<uchar>(c));
    return units * m_fontSize / 1000.0 * m_scale;
}

void PDFPage::TextBox(const QRectF& rect, const QString& text, int horizontal, int vertical)
{
    requireInsideText();
    requireFont();
    if (horizontal < 0 || horizontal > 2 || vertical < 0 || vertical > 2)
        throw PDFException(QStringLiteral("Out of range"));
    const QRectF box = rect.normalized();
    const double textWidth = horizontal == 0 ? 0 : TextWidth(text);
    const double textHeight = m_fontSize * m_scale; // the font size in caller units
    double x = box.left();
    if (horizontal == 1)
        x = box.left() + (box.width() - textWidth) / 2;
    else if (horizontal == 2)
        x = box.right() - textWidth;
    double y = box.top();
    if (vertical == 1)
        y = box.top() + (box.height() - textHeight) / 2;
    else if (vertical == 2)
        y = box.bottom() - textHeight;
    TextOut(x, y, 0, text);
}

void PDFPage::SetTextRenderingMode(int mode)
{
    if (mode < 0 || mode > 7) // the format knows modes 0 to 7 only
        throw PDFException(QStringLiteral("Out of range"));
    const bool wrap = !m_inText;
    if (wrap) appendLine("BT");
    m_content.append(QByteArray::number(mode));
    appendLine(" Tr");
    if (wrap) appendLine("ET");
    m_renderingMode = mode;
}

void PDFPage::MoveTo(double x, double y)
{
    requireOutsideText();
    appendNumbers({toX(x), toY(y)}, "m");
    m_currentPoint = QPointF(x, y);
}

void PDFPage::LineTo(double x, double y)
{
    requireOutsideText();
    appendNumbers({toX(x), toY(y)}, "l");
    m_currentPoint = QPointF(x, y);
}

void PDFPage::Rectangle(double x1, double y1, double x2, double y2)
{
    requireOutsideText();
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    appendNumbers({toX(x1), toY(y1), toX(x2) - toX(x1), toY(y2) - toY(y1)}, "re");
}

void PDFPage::Circle(double x, double y, double r)
{
    requireOutsideText();
    constexpr double k = 0.5522847498;
    const double cx = toX(x);
    const double cy = toY(y);
    const double rr = r / m_scale;
    const double kr = k * rr;
    appendNumbers({cx + rr, cy}, "m");
    appendNumbers({cx + rr, cy + kr, cx + kr, cy + rr, cx, cy + rr}, "c");
    appendNumbers({cx - kr, cy + rr, cx - rr, cy + kr, cx - rr, cy}, "c");
    appendNumbers({cx - rr, cy - kr, cx - kr, cy - rr, cx, cy - rr}, "c");
    appendNumbers({cx + kr, cy - rr, cx + rr, cy - kr, cx + rr, cy}, "c");
}

void PDFPage::ClosePath()
{
    requireOutsideText();
    appendLine("h");
}

void PDFPage::NewPath()
{
    requireOutsideText();
    appendLine("n");
}

void PDFPage::Stroke()
{
    requireOutsideText();
    appendLine("S");
}

void PDFPage::Fill()
{
    requireOutsideText();
    appendLine("f");
}

void PDFPage::FillAndStroke()
{
    requireOutsideText();
    appendLine("B");
}

void PDFPage::GStateSave()
{
    requireOutsideText(); // "q" and "Q" are not allowed inside a text object
    appendLine("q");
    ++m_depth;
}

void PDFPage::GStateRestore()
{
    requireOutsideText();
    if (m_depth <= 1) return; // the state saved at creation is restored when the page is written
    appendLine("Q");
    --m_depth;
}

void PDFPage::SetGray(double gray)
{
    appendNumbers({gray}, "g");
    appendNumbers({gray}, "G");
}

void PDFPage::SetRGBFillColor(double r, double g, double b)
{
    appendNumbers({r, g, b}, "rg");
}

void PDFPage::SetRGBStrokeColor(double r, double g, double b)
{
    appendNumbers({r, g, b}, "RG");
}

void PDFPage::SetLineWidth(double width)
{
    appendNumbers({width / m_scale}, "w");
}

void PDFPage::finish()
{
    if (m_inText) appendLine("ET");
    m_inText = false;
    for (; m_depth > 0; --m_depth)
        appendLine("Q");
}

void PDFPage::release()
{
    m_content = QByteArray();
    m_written = true;
}

} // namespace pdf
