#pragma once

#include "platform/printer.h"

#include <QList>

namespace platform {

// Test double of the printer: installs itself for its lifetime and keeps every print job and
// everything drawn, with the job (document) and page it went to, both counted from 1.
//
// Printers: "Marvolen PDF Printer", "Front Office Laser", "Shop Label Printer", the laser
// selected. Printable page: 4800 x 6300 units in portrait, 6300 x 4800 in landscape (a letter
// page at 600 units per inch with quarter-inch margins, as the built-in printer has).
// Text width: every character is `size x 4` units wide, whatever the face and style.
class PrinterRecorder : public Printer
{
public:
    struct Document
    {
        QString printer;
        int printerIndex = 0;
        Orientation orientation = Orientation::Portrait;
        int pages = 1;
        bool ended = false;
        QString title = defaultTitle();
    };
    struct Text
    {
        int document = 0;
        int page = 0;
        int x = 0;
        int y = 0;
        QString text;
        PrintFont font;
    };
    struct Rect
    {
        int document = 0;
        int page = 0;
        int left = 0, top = 0, right = 0, bottom = 0;
        QColor pen;
        int penWidth = 0;
        QColor brush;
    };
    struct Line
    {
        int document = 0;
        int page = 0;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        QColor pen;
        int penWidth = 0;
    };

    static constexpr int PortraitWidth = 4800;
    static constexpr int PortraitHeight = 6300;

    PrinterRecorder();
    ~PrinterRecorder() override;
    PrinterRecorder(const PrinterRecorder&) = delete;
    PrinterRecorder& operator=(const PrinterRecorder&) = delete;

    // Replaces the installed printers and selects one.
    void setPrinters(const QStringList& names, int selected = 0);
    void setPageSize(int portraitWidth, int portraitHeight);
    // The next beginDocument fails, as a printer that is off line would.
    bool refuseDocuments = false;

    QStringList printers() const override { return m_names; }
    int printerIndex() const override { return m_index; }
    void setPrinterIndex(int index) override;
    void setOrientation(Orientation orientation) override;
    Orientation orientation() const override { return m_orientation; }
    int pageWidth() override;
    int pageHeight() override;
    void newPage() override;
    void endDocument() override;
    bool printing() const override { return m_printing; }
    void setFont(const PrintFont& font) override { m_font = font; }
    using Printer::setFont;
    PrintFont font() const override { return m_font; }
    void drawText(int x, int y, const QString& text) override;
    int textWidth(const QString& text) override;
    void setPen(const QColor& color, int width = 1) override;
    void setBrush(const QColor& color) override { m_brush = color; }
    void drawRect(int left, int top, int right, int bottom) override;
    void drawLine(int x1, int y1, int x2, int y2) override;

    // What was printed.
    QList<Document> documents;
    QList<Text> texts;
    QList<Rect> rects;
    QList<Line> lines;
    // Anything drawn while no document was open: a fault in the report code.
    int strayDrawings = 0;

    // The texts of one page in the order drawn.
    QStringList pageTexts(int document, int page) const;
    // The first text drawn that equals `text`, or nullptr.
    const Text* find(const QString& text) const;
    // One line per job, page and drawing ("p1 x=120 y=0 Arial 12 B: Contest ..."), for
    // comparing a whole printout with a golden file. A job line shows the job's title when
    // it has one other than the default.
    QString dump() const;
    void clear();

protected:
    bool startDocument() override;

private:
    bool drawing();

    QStringList m_names;
    int m_index = 0;
    Orientation m_orientation = Orientation::Portrait;
    int m_width = PortraitWidth;
    int m_height = PortraitHeight;
    bool m_printing = false;
    PrintFont m_font;
    QColor m_pen = Qt::black;
    int m_penWidth = 1;
    QColor m_brush;
};

} // namespace platform
