#include "platform/printerdevice.h"

#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/files.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

namespace {
QFont toQFont(const PrintFont& f)
{
    QFont font(f.name);
    font.setPointSize(f.size);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    // Metrics as the printed outline has them, not as a screen would round them.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
} // namespace

PrinterDevice::PrinterDevice()
{
    m_names << builtInPdfName();
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        if (name != builtInPdfName())
            m_names << name;
    const QString preferred = QPrinterInfo::defaultPrinterName();
    const int index = preferred.isEmpty() ? -1 : int(m_names.indexOf(preferred));
    m_index = index > 0 ? index : 0;
    m_qfont = toQFont(m_font);
}

PrinterDevice::~PrinterDevice()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void PrinterDevice::setPrinterIndex(int index)
{
    if (!printing() && index >= 0 && index < m_names.size())
        m_index = index;
}

void PrinterDevice::setOrientation(Orientation orientation)
{
    if (!printing())
        m_orientation = orientation;
}

QPrinter& PrinterDevice::device()
{
    if (!m_printer || m_printerFor != m_index) {
        if (m_index == 0) {
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setResolution(PdfResolution);
            m_printer->setPageSize(QPageSize(QPageSize::Letter));
            m_printer->setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
        } else {
            m_printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(m_names.at(m_index)),
                                                   QPrinter::HighResolution);
        }
        m_printer->setCreator(QStringLiteral("Marvolen"));
        m_printerFor = m_index;
    }
    m_printer->setPageOrientation(m_orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                          : QPageLayout::Landscape);
    return *m_printer;
}

int PrinterDevice::pageWidth()
{
    return device().width();
}

int PrinterDevice::pageHeight()
{
    return device().height();
}

bool PrinterDevice::printing() const
{
    return m_painter && m_painter->isActive();
}

bool PrinterDevice::startDocument()
{
    QPrinter& printer = device();
    if (m_index == 0) {
        // A failed job must not leave the last one behind to be taken for it.
        const QString file = builtInPdfFile(documentTitle());
        Files::makeFolder(file.left(file.lastIndexOf(QLatin1Char('\\'))));
        Files::remove(file);
        printer.setOutputFileName(Drives::resolve(file));
    }
    printer.setDocName(documentTitle());
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(&printer)) {
        m_painter.reset();
        return false;
    }
    m_font = PrintFont();
    m_qfont = toQFont(m_font);
    m_painter->setFont(m_qfont);
    m_pen = Qt::black;
    m_penWidth = 1;
    m_brush = QColor();
    m_held = Held::None;
    return true;
}

void PrinterDevice::newPage()
{
    if (printing())
        m_printer->newPage();
}

void PrinterDevice::endDocument()
{
    if (!printing())
        return;
    const bool finished = m_painter->end();
    m_painter.reset();
    if (!finished)
        Dialogs::error(QStringLiteral("The printer [") + printerName() +
                       QStringLiteral("] could not finish printing.  The printout may be incomplete."));
}

void PrinterDevice::setFont(const PrintFont& font)
{
    m_font = font;
    m_qfont = toQFont(font);
    if (printing())
        m_painter->setFont(m_qfont);
}

void PrinterDevice::drawText(int x, int y, const QString& text)
{
    if (!printing())
        return;
    // Text is black whatever pen the shapes use.
    if (m_held != Held::Text) {
        m_painter->setPen(Qt::black);
        m_held = Held::Text;
    }
    m_painter->drawText(x, y + m_painter->fontMetrics().ascent(), text);
}

int PrinterDevice::textWidth(const QString& text)
{
    if (printing())
        return m_painter->fontMetrics().horizontalAdvance(text);
    return QFontMetrics(m_qfont, &device()).horizontalAdvance(text);
}

void PrinterDevice::setPen(const QColor& color, int width)
{
    m_pen = color;
    m_penWidth = width;
    m_held = Held::None;
}

void PrinterDevice::setBrush(const QColor& color)
{
    m_brush = color;
    m_held = Held::None;
}

void PrinterDevice::applyPenAndBrush()
{
    if (m_held == Held::Shapes)
        return;
    m_held = Held::Shapes;
    if (m_pen.isValid() && m_penWidth >= 1)
        m_painter->setPen(QPen(m_pen, m_penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    else
        m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(m_brush.isValid() ? QBrush(m_brush) : QBrush(Qt::NoBrush));
}

void PrinterDevice::drawRect(int left, int top, int right, int bottom)
{
    if (!printing())
        return;
    applyPenAndBrush();
    m_painter->drawRect(QRectF(left, top, right - left, bottom - top));
}

void PrinterDevice::drawLine(int x1, int y1, int x2, int y2)
{
    if (!printing())
        return;
    applyPenAndBrush();
    m_painter->drawLine(x1, y1, x2, y2);
}

} // namespace platform
