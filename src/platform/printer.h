#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

namespace platform {

// A font of the printer canvas: face, size in points and style.
struct PrintFont
{
    QString name = QStringLiteral("Arial");
    int size = 10;
    bool bold = false;
    bool italic = false;

    bool operator==(const PrintFont&) const = default;
};

// The printer the reports draw on: the installed printers by index, one selected, and a
// canvas addressed in device units of the printable page (0,0 is its top left corner).
// Replaceable by a recording double in tests, the way Dialogs is.
class Printer
{
public:
    enum class Orientation { Portrait, Landscape };

    // The title of a job that was given none.
    static QString defaultTitle() { return QStringLiteral("Printout"); }
    // Always installed; writes each job as a PDF file named from the job's title
    // ("C:\hwk\Marvolen\Printout.pdf" for an untitled one).
    static QString builtInPdfName() { return QStringLiteral("Marvolen PDF Printer"); }
    static QString builtInPdfFile(const QString& title = defaultTitle());
    // A title reduced to a plain file name: letters, digits, blanks, '-', '_' and parentheses,
    // anything else as '_', at most 64 characters, never empty or a device name.
    static QString fileNameFor(const QString& title);

    virtual ~Printer() = default;

    // Installed printer names by index.
    virtual QStringList printers() const = 0;
    virtual int printerIndex() const = 0;
    // Out of range, or while a document is open, the selection stays as it is.
    virtual void setPrinterIndex(int index) = 0;
    QString printerName() const;
    bool builtInPdfSelected() const { return printerName() == builtInPdfName(); }

    // Set before beginDocument; ignored while a document is open.
    virtual void setOrientation(Orientation orientation) = 0;
    virtual Orientation orientation() const = 0;
    // Printable page of the selected printer in its orientation, in device units.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;

    // Starts a print job on its first page with the default font (Arial 10), a black pen one
    // unit wide and no brush. When the printer cannot start, the user is told and false comes
    // back; drawing then does nothing until the next document. The title names the job in the
    // printer's queue and the file of the built-in printer.
    bool beginDocument(const QString& title = defaultTitle());
    // The title of the open job, or of the last one.
    QString documentTitle() const { return m_title; }
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    virtual bool printing() const = 0;

    virtual void setFont(const PrintFont& font) = 0;
    virtual PrintFont font() const = 0;
    // The same face in another size and style.
    void setFont(int size, bool bold = false, bool italic = false);

    // Text with its top left corner at (x, y), in the current font.
    virtual void drawText(int x, int y, const QString& text) = 0;
    virtual int textWidth(const QString& text) = 0;

    // Outline of rectangles and lines; an invalid colour or a width below 1 draws no outline.
    virtual void setPen(const QColor& color, int width = 1) = 0;
    // Fill of rectangles; an invalid colour leaves them hollow.
    virtual void setBrush(const QColor& color) = 0;
    // Covers x from left to right - 1 and y from top to bottom - 1.
    virtual void drawRect(int left, int top, int right, int bottom) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;

    static Printer& instance();
    // Installs a replacement (tests); nullptr goes back to the real printers. Not owned.
    static void install(Printer* printer);

protected:
    // Opens the job on the selected printer, titled documentTitle(); false when it cannot.
    virtual bool startDocument() = 0;

private:
    QString m_title = defaultTitle();
};

} // namespace platform
