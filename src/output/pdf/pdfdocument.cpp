#include "output/pdf/pdfdocument.h"

#include "output/pdf/pdfexception.h"
#include "output/pdf/pdfformat.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/shellopen.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLocale>

#include <cstdio>

#include <zlib.h>

namespace pdf {

namespace {
// Bytes kept in memory before they go to the file.
constexpr qsizetype flushThreshold = 256 * 1024;

QByteArray ref(int number)
{
    return QByteArray::number(number) + " 0 R";
}
} // namespace

PDFDocument::PDFDocument()
{
    m_info.creationDate = platform::Clock::now();
}

PDFDocument::~PDFDocument()
{
    if (m_generating) abandon();
}

void PDFDocument::requireGenerating() const
{
    if (!m_generating) throw PDFException(QStringLiteral("Generation PDF file not activated"));
}

void PDFDocument::requireIdle() const
{
    if (m_generating) throw PDFException(QStringLiteral("Generation PDF file in progress"));
}

void PDFDocument::setFileName(const QString& fileName)
{
    requireIdle();
    m_fileName = fileName;
}

void PDFDocument::setOutputStream(QIODevice* stream)
{
    requireIdle();
    m_outputStream = stream;
}

void PDFDocument::setOnePass(bool onePass)
{
    requireIdle();
    m_onePass = onePass;
}

void PDFDocument::setResolution(int unitsPerInch)
{
    if (unitsPerInch <= 0) // every coordinate is divided by it
        throw PDFException(QStringLiteral("Out of range"));
    m_resolution = unitsPerInch;
}

// Output primitives

int PDFDocument::NewObjectNumber()
{
    ++m_counter;
    m_offsets.append(-1);
    return m_counter;
}

void PDFDocument::WriteText(const QByteArray& text)
{
    m_out.append(text);
    if (m_file && m_out.size() >= flushThreshold) flush();
}

void PDFDocument::WriteText(const char* text)
{
    WriteText(QByteArray::fromRawData(text, qsizetype(qstrlen(text))));
}

void PDFDocument::WriteLine(const QByteArray& text)
{
    m_out.append(text);
    m_out.append("\r\n", 2);
    if (m_file && m_out.size() >= flushThreshold) flush();
}

void PDFDocument::WriteLine(const char* text)
{
    WriteLine(QByteArray::fromRawData(text, qsizetype(qstrlen(text))));
}

void PDFDocument::BeginObject(int& number)
{
    if (number <= 0) number = NewObjectNumber();
    if (number > m_counter) throw PDFException(QStringLiteral("Out of range"));
    m_offsets[number] = position();
    WriteLine(QByteArray::number(number) + " 0 obj");
    WriteText("<<");
}

void PDFDocument::flush()
{
    if (!m_file || m_out.isEmpty()) return;
    if (m_file->write(m_out) != m_out.size())
        throw PDFException(
            QStringLiteral("Cannot write file \"%1\": %2").arg(m_fileName, m_file->errorString()));
    m_flushed += m_out.size();
    m_out.clear();
}

// Life cycle

void PDFDocument::clear()
{
    m_pages.clear();
    m_current = nullptr;
    m_fonts.clear();
    m_counter = 0;
    m_offsets.clear();
    m_offsets.append(0); // object 0 is the head of the free list
    m_pagesNumber = 0;
    m_out.clear();
    m_flushed = 0;
}

void PDFDocument::abandon()
{
    if (m_file) {
        m_file->close();
        m_file->remove();
        m_file.reset();
    }
    clear();
    m_out.squeeze();
    m_generating = false;
}

void PDFDocument::BeginDoc()
{
    requireIdle();
    clear();
    const QString stamp =
        QLocale::c().toString(platform::Clock::now(), QStringLiteral("ddd dd-MM-yyyy hh:mm:ss.zzz"));
    m_identifier = QCryptographicHash::hash((m_fileName + stamp).toUtf8(), QCryptographicHash::Md5).toHex();

    if (!m_outputStream) {
        auto file = std::make_unique<QFile>(platform::Drives::resolve(m_fileName));
        if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw PDFException(
                QStringLiteral("Cannot create file \"%1\": %2").arg(m_fileName, file->errorString()));
        m_file = std::move(file);
    }
    m_out.reserve(m_file ? flushThreshold + 4096 : 64 * 1024);
    WriteLine(m_version == pdf14 ? "%PDF-1.4" : "%PDF-1.3");
    WriteLine("%\xD2\xE5\xD1\xF2");
    m_generating = true;
    m_pagesNumber = NewObjectNumber();
    addPage();
}

void PDFDocument::addPage()
{
    // The pages of a report are alike: give the next one the room the last one needed.
    const qsizetype room = m_current ? m_current->m_content.size() + 256 : 4096;
    m_pages.push_back(std::make_unique<PDFPage>(m_fonts, NewObjectNumber(), m_resolution / 72.0));
    m_current = m_pages.back().get();
    m_current->m_content.reserve(room);
}

PDFPage* PDFDocument::CurrentPage() const
{
    requireGenerating(); // there is no page to draw on between documents
    return m_current;
}

void PDFDocument::NewPage()
{
    requireGenerating();
    if (m_onePass) writePage(*m_current);
    addPage();
}

void PDFDocument::EndDoc()
{
    requireGenerating();
    try {
        if (m_onePass) writePage(*m_current);
        if (!m_file) {
            // One allocation for the rest of the file instead of a chain of growing copies.
            qsizetype rest =
                4096 + 64 * qsizetype(m_pages.size()) + 20 * (m_counter + 3 * qsizetype(m_pages.size()));
            for (const auto& page : m_pages)
                rest += page->m_content.size() + 512;
            m_out.reserve(m_out.size() + rest);
        }
        int infoNumber = 0;
        writeInfo(infoNumber);
        writePageTree();
        for (const auto& page : m_pages) {
            if (!page->m_written) writePage(*page);
        }
        int catalogNumber = 0;
        writeCatalog(catalogNumber);
        for (int i = 0; i < m_fonts.count(); ++i)
            writeFont(*m_fonts.at(i));

        const qint64 xrefPosition = position();
        writeCrossReference();
        WriteLine("trailer");
        WriteLine("<<");
        WriteLine("/Size " + QByteArray::number(m_counter + 1));
        WriteLine("/Root " + ref(catalogNumber));
        WriteLine("/Info " + ref(infoNumber));
        WriteLine("/ID [<" + m_identifier + "><" + m_identifier + ">]");
        WriteLine(">>");
        WriteLine("startxref");
        WriteLine(QByteArray::number(xrefPosition));
        WriteLine("%%EOF");

        if (m_file) {
            flush();
            m_file->close();
            if (m_file->error() != QFileDevice::NoError)
                throw PDFException(
                    QStringLiteral("Cannot write file \"%1\": %2").arg(m_fileName, m_file->errorString()));
        } else if (m_outputStream->write(m_out) != m_out.size()) {
            throw PDFException(QStringLiteral("Cannot write the PDF document to its output stream: %1")
                                   .arg(m_outputStream->errorString()));
        }
    } catch (...) {
        abandon();
        throw;
    }
    const bool launch = m_file && m_autoLaunch;
    m_file.reset();
    clear();
    m_out.squeeze();
    m_generating = false;
    if (launch) platform::ShellOpen::open(m_fileName); // a viewer that does not start is no error
}

void PDFDocument::Abort()
{
    requireGenerating();
    abandon();
}

// File layout

void PDFDocument::writePage(PDFPage& page)
{
    for (PDFFont* font : page.m_pageFonts) {
        if (font->objectNumber() == 0) font->setObjectNumber(NewObjectNumber());
    }
    page.finish();
    page.m_resourcesNumber = NewObjectNumber();
    page.m_contentsNumber = NewObjectNumber();

    BeginObject(page.m_resourcesNumber);
    WriteText(" /ProcSet [/PDF ");
    if (page.m_showsText) WriteText("/Text ");
    WriteLine("]");
    if (!page.m_pageFonts.empty()) {
        WriteLine("/Font <<");
        for (const PDFFont* font : page.m_pageFonts)
            WriteLine('/' + font->alias() + ' ' + ref(font->objectNumber()));
        WriteLine(">>");
    }
    EndDictionary();
    EndObject();

    BeginObject(page.m_contentsNumber);
    if (m_compression == ctFlate) {
        uLongf size = compressBound(uLong(page.m_content.size()));
        QByteArray packed(qsizetype(size), Qt::Uninitialized);
        if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                      reinterpret_cast<const Bytef*>(page.m_content.constData()),
                      uLong(page.m_content.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
            throw PDFException(QStringLiteral("Cannot compress the page content"));
        packed.truncate(qsizetype(size));
        WriteLine("/Length " + QByteArray::number(packed.size()));
        WriteLine("/Filter /FlateDecode");
        EndDictionary();
        BeginStream();
        WriteText(packed);
        WriteLine("");
    } else {
        WriteLine("/Length " + QByteArray::number(page.m_content.size()));
        EndDictionary();
        BeginStream();
        WriteLine(page.m_content);
    }
    EndStream();
    EndObject();

    BeginObject(page.m_objectNumber);
    WriteLine("/Type /Page");
    WriteLine("/Parent " + ref(m_pagesNumber));
    WriteLine("/Resources " + ref(page.m_resourcesNumber));
    WriteLine("/Contents [" + ref(page.m_contentsNumber) + ']');
    WriteLine("/MediaBox [0 0 " + formatNumber(page.m_width) + ' ' + formatNumber(page.m_height) + ']');
    EndDictionary();
    EndObject();

    page.release();
}

void PDFDocument::writeInfo(int& number)
{
    auto text = [](const QString& value) { return escapeString(toWinAnsi(value)); };
    BeginObject(number);
    WriteLine("/Creator " + text(m_info.creator));
    WriteLine("/CreationDate " +
              escapeString("D:" + m_info.creationDate.toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1()));
    WriteLine("/Producer " + text(m_info.producer));
    WriteLine("/Author " + text(m_info.author));
    WriteLine("/Title " + text(m_info.title));
    WriteLine("/Subject " + text(m_info.subject));
    WriteLine("/Keywords " + text(m_info.keywords));
    EndDictionary();
    EndObject();
}

void PDFDocument::writePageTree()
{
    BeginObject(m_pagesNumber);
    WriteLine("/Type /Pages");
    WriteLine("/Kids [");
    for (const auto& page : m_pages)
        WriteLine(ref(page->m_objectNumber));
    WriteLine("]");
    WriteLine("/Count " + QByteArray::number(qsizetype(m_pages.size())));
    EndDictionary();
    EndObject();
}

void PDFDocument::writeCatalog(int& number)
{
    static const char* const layouts[] = {"SinglePage", "OneColumn", "TwoColumnLeft", "TwoColumnRight"};
    static const char* const modes[] = {"UseNone", "UseOutlines", "UseThumbs", "FullScreen"};
    BeginObject(number);
    WriteLine("/Type /Catalog");
    WriteLine(" /Pages " + ref(m_pagesNumber));
    WriteLine(QByteArray("/PageLayout /") + layouts[m_pageLayout]);
    WriteLine(QByteArray("/PageMode /") + modes[m_pageMode]);
    if (m_viewerPreferences) {
        static const std::pair<ViewerPreference, const char*> names[] = {{vpHideToolbar, "HideToolbar"},
                                                                         {vpHideMenubar, "HideMenubar"},
                                                                         {vpHideWindowUI, "HideWindowUI"},
                                                                         {vpFitWindow, "FitWindow"},
                                                                         {vpCenterWindow, "CenterWindow"}};
        QByteArray line("/ViewerPreferences <<");
        for (const auto& [flag, name] : names) {
            if (m_viewerPreferences.testFlag(flag)) line += QByteArray(" /") + name + " true";
        }
        WriteLine(line + " >>");
    }
    EndDictionary();
    EndObject();
}

void PDFDocument::writeFont(PDFFont& font)
{
    if (font.objectNumber() == 0) return; // selected, but on no page that was written
    int number = font.objectNumber();
    BeginObject(number);
    WriteLine("/Type /Font");
    WriteLine("/Subtype /Type1");
    WriteLine("/BaseFont /" + font.baseFont());
    if (font.hasWinAnsiEncoding()) WriteLine("/Encoding /WinAnsiEncoding");
    WriteLine("/FirstChar 32");
    WriteLine("/LastChar 255");
    EndDictionary();
    EndObject();
}

void PDFDocument::writeCrossReference()
{
    WriteLine("xref");
    WriteLine("0 " + QByteArray::number(m_counter + 1));
    WriteLine("0000000000 65535 f");
    char entry[32];
    for (int number = 1; number <= m_counter; ++number) {
        const qint64 offset = m_offsets[number];
        if (offset < 0) // numbered but never written: keep the table valid
            std::snprintf(entry, sizeof entry, "%010d 00000 f", 0);
        else
            std::snprintf(entry, sizeof entry, "%010lld 00000 n", static_cast<long long>(offset));
        WriteLine(entry);
    }
}

} // namespace pdf
