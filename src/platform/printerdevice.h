#pragma once

#include "platform/printer.h"

#include <QFont>

#include <memory>

class QPainter;
class QPrinter;

namespace platform {

// The real printers: the built-in PDF printer at index 0, then the printers of the system
// (QPrinterInfo), the system's default selected (the built-in one when there is none). Paints
// with QPainter on a QPrinter.
//
// The built-in printer writes each job to builtInPdfFile(title), replacing an earlier one of
// that title, on a letter page at 600 units per inch with quarter-inch margins: 4800 x 6300
// units in portrait.
class PrinterDevice : public Printer
{
public:
    static constexpr int PdfResolution = 600;

    PrinterDevice();
    ~PrinterDevice() override;
    PrinterDevice(const PrinterDevice&) = delete;
    PrinterDevice& operator=(const PrinterDevice&) = delete;

    QStringList printers() const override { return m_names; }
    int printerIndex() const override { return m_index; }
    void setPrinterIndex(int index) override;
    void setOrientation(Orientation orientation) override;
    Orientation orientation() const override { return m_orientation; }
    int pageWidth() override;
    int pageHeight() override;
    void newPage() override;
    void endDocument() override;
    bool printing() const override;
    void setFont(const PrintFont& font) override;
    using Printer::setFont;
    PrintFont font() const override { return m_font; }
    void drawText(int x, int y, const QString& text) override;
    int textWidth(const QString& text) override;
    void setPen(const QColor& color, int width = 1) override;
    void setBrush(const QColor& color) override;
    void drawRect(int left, int top, int right, int bottom) override;
    void drawLine(int x1, int y1, int x2, int y2) override;

protected:
    bool startDocument() override;

private:
    // The QPrinter of the selected printer in the chosen orientation, made when first needed.
    QPrinter& device();
    // The painter's pen serves text (black) and shapes (the chosen pen) in turn.
    enum class Held { None, Text, Shapes };
    void applyPenAndBrush();

    QStringList m_names;
    int m_index = 0;
    Orientation m_orientation = Orientation::Portrait;
    std::unique_ptr<QPrinter> m_printer;
    int m_printerFor = -1; // index the device was made for
    std::unique_ptr<QPainter> m_painter;
    PrintFont m_font;
    QFont m_qfont;
    QColor m_pen = Qt::black;
    int m_penWidth = 1;
    QColor m_brush;
    Held m_held = Held::None;
};

} // namespace platform
