#pragma once

#include "output/pdf/pdfdocinfo.h"
#include "output/pdf/pdffonts.h"
#include "output/pdf/pdfpage.h"

#include <QByteArray>
#include <QFlags>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class QFile;
class QIODevice;

namespace pdf {

// Writes a PDF file from first byte to cross-reference table: BeginDoc, drawing on CurrentPage,
// NewPage for every further page, EndDoc (or Abort). The file goes to FileName, or is built in
// memory and copied to the output stream when one is set.
class PDFDocument
{
public:
    enum Compression { ctNone, ctFlate };
    enum Version { pdf13, pdf14 };
    enum PageLayout { plSinglePage, plOneColumn, plTwoColumnLeft, plTwoColumnRight };
    enum PageMode { pmUseNone, pmUseOutlines, pmUseThumbs, pmFullScreen };
    enum ViewerPreference {
        vpHideToolbar = 0x1,
        vpHideMenubar = 0x2,
        vpHideWindowUI = 0x4,
        vpFitWindow = 0x8,
        vpCenterWindow = 0x10
    };
    Q_DECLARE_FLAGS(ViewerPreferences, ViewerPreference)

    PDFDocument();
    // A document dropped while generating is abandoned: the partial file is deleted.
    ~PDFDocument();
    PDFDocument(const PDFDocument&) = delete;
    PDFDocument& operator=(const PDFDocument&) = delete;

    // Life cycle
    void BeginDoc();
    PDFPage* CurrentPage() const;
    void NewPage();
    void EndDoc();
    void Abort();
    bool generating() const { return m_generating; }

    // Properties. FileName, the output stream and OnePass cannot change while generating.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);
    QIODevice* outputStream() const { return m_outputStream; }
    void setOutputStream(QIODevice* stream); // not owned; open for writing
    bool onePass() const { return m_onePass; }
    void setOnePass(bool onePass);
    bool autoLaunch() const { return m_autoLaunch; }
    void setAutoLaunch(bool autoLaunch) { m_autoLaunch = autoLaunch; }
    Compression compression() const { return m_compression; }
    void setCompression(Compression compression) { m_compression = compression; }
    Version version() const { return m_version; }
    void setVersion(Version version) { m_version = version; } // read by BeginDoc
    int resolution() const { return m_resolution; }
    void setResolution(int unitsPerInch); // read when a page is created
    int jpegQuality() const { return m_jpegQuality; }
    void setJpegQuality(int quality) { m_jpegQuality = quality; }
    PageLayout pageLayout() const { return m_pageLayout; }
    void setPageLayout(PageLayout layout) { m_pageLayout = layout; }
    PageMode pageMode() const { return m_pageMode; }
    void setPageMode(PageMode mode) { m_pageMode = mode; }
    ViewerPreferences viewerPreferences() const { return m_viewerPreferences; }
    void setViewerPreferences(ViewerPreferences preferences) { m_viewerPreferences = preferences; }
    PDFDocInfo& docInfo() { return m_info; }
    const PDFDocInfo& docInfo() const { return m_info; }

    // While generating
    int pageCount() const { return int(m_pages.size()); }
    int objectCount() const { return m_counter; }
    QByteArray fileIdentifier() const { return m_identifier; }

private:
    int NewObjectNumber();
    void WriteLine(const QByteArray& text);
    void WriteLine(const char* text);
    void WriteText(const QByteArray& text);
    void WriteText(const char* text);
    void BeginObject(int& number);
    void EndDictionary() { WriteLine(">>"); }
    void EndObject() { WriteLine("endobj"); }
    void BeginStream() { WriteLine("stream"); }
    void EndStream() { WriteLine("endstream"); }

    void requireGenerating() const;
    void requireIdle() const;
    void clear();
    void abandon();
    void addPage();
    void writePage(PDFPage& page);
    void writeInfo(int& number);
    void writePageTree();
    void writeCatalog(int& number);
    void writeFont(PDFFont& font);
    void writeCrossReference();
    qint64 position() const { return m_flushed + m_out.size(); }
    void flush();

    QString m_fileName;
    QIODevice* m_outputStream = nullptr;
    bool m_onePass = false;
    bool m_autoLaunch = false;
    Compression m_compression = ctNone;
    Version m_version = pdf13;
    int m_resolution = 72;
    int m_jpegQuality = 80;
    PageLayout m_pageLayout = plSinglePage;
    PageMode m_pageMode = pmUseNone;
    ViewerPreferences m_viewerPreferences;
    PDFDocInfo m_info;

    bool m_generating = false;
    std::vector<std::unique_ptr<PDFPage>> m_pages;
    PDFPage* m_current = nullptr;
    PDFFonts m_fonts;
    QByteArray m_identifier;
    int m_counter = 0;
    QList<qint64> m_offsets; // by object number; [0] unused
    int m_pagesNumber = 0;
    std::unique_ptr<QFile> m_file; // null when building in memory
    QByteArray m_out;              // bytes not yet flushed to the file
    qint64 m_flushed = 0;
};

} // namespace pdf

Q_DECLARE_OPERATORS_FOR_FLAGS(pdf::PDFDocument::ViewerPreferences)
