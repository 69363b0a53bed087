#include "output/pdf/pdfdocument.h"
#include "output/pdf/pdfexception.h"
#include "pdftools.h"
#include "platform/clock.h"
#include "platform/shellopen.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace pdf;

using Drawing = std::function<void(PDFDocument&)>;
Q_DECLARE_METATYPE(Drawing)

namespace {
const QDateTime pinnedNow(QDate(2024, 3, 5), QTime(14, 7, 9, 123));

QByteArray crlf(const QList<QByteArray>& lines)
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

// Three pages: text in two fonts, a framed box, a rule and a bubble.
void drawReport(PDFDocument& doc)
{
    PDFPage* page = doc.CurrentPage();
    page->BeginText();
    page->SetActiveFont(QStringLiteral("Arial"), 1, 0, 12);
    page->TextOut(72, 100, 0, QStringLiteral("One"));
    page->SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
    page->TextBox(QRectF(QPointF(100, 200), QPointF(300, 230)), QStringLiteral("Centred"), 1, 1);
    page->EndText();
    page->GStateSave();
    page->SetRGBFillColor(0, 0, 0);
    page->SetRGBStrokeColor(0, 0, 0);
    page->Rectangle(300, 400, 400, 450);
    page->FillAndStroke();
    page->GStateRestore();
    page->SetGray(0);
    page->SetLineWidth(1);
    page->MoveTo(72, 500);
    page->LineTo(520, 500);
    page->Stroke();
    page->Circle(100, 600, 3);
    page->FillAndStroke();
    doc.NewPage();
    doc.NewPage();
    page = doc.CurrentPage();
    page->BeginText();
    page->SetActiveFont(QStringLiteral("Times New Roman"), 2, 0, 10);
    page->TextOut(72, 72, 0, QStringLiteral("Three"));
    page->EndText();
}
} // namespace

class TestPdfDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void defaults();
    void emptyDocumentLayout();
    void fontsOverTwoPages();
    void crossReference_data();
    void crossReference();
    void onePassWritesPagesEarly();
    void pageEndClosesOpenStates();
    void deflatedContentMatches();
    void lifeCycleErrors_data();
    void lifeCycleErrors();
    void generatesAgainFromEmpty();
    void fileOutputAndLaunch_data();
    void fileOutputAndLaunch();
    void abortAndDropDeleteFile();
    void fileThatCannotBeCreated();
    void failedWriteAbandons();
    void infoReadBack();
    void textAndDrawingReadBack();

private:
    QByteArray build(PDFDocument& doc, const Drawing& draw = {});
    QString save(const QByteArray& bytes, const QString& name);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPdfDocument::initTestCase()
{
    platform::Clock::pin(pinnedNow);
    platform::ShellOpen::setRecording(true);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPdfDocument::init()
{
    platform::ShellOpen::clearRecorded();
}

void TestPdfDocument::cleanupTestCase()
{
    platform::Clock::pin(QDateTime());
    platform::ShellOpen::setRecording(false);
}

QByteArray TestPdfDocument::build(PDFDocument& doc, const Drawing& draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    doc.setOutputStream(&buffer);
    doc.BeginDoc();
    if (draw) draw(doc);
    doc.EndDoc();
    doc.setOutputStream(nullptr);
    return buffer.data();
}

QString TestPdfDocument::save(const QByteArray& bytes, const QString& name)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return QString();
    return path;
}

void TestPdfDocument::defaults()
{
    const PDFDocument doc;
    QVERIFY(doc.fileName().isEmpty());
    QVERIFY(!doc.outputStream());
    QVERIFY(!doc.autoLaunch());
    QVERIFY(!doc.onePass());
    QVERIFY(!doc.generating());
    QCOMPARE(doc.compression(), PDFDocument::ctNone);
    QCOMPARE(doc.version(), PDFDocument::pdf13);
    QCOMPARE(doc.resolution(), 72);
    QCOMPARE(doc.jpegQuality(), 80);
    QCOMPARE(doc.pageLayout(), PDFDocument::plSinglePage);
    QCOMPARE(doc.pageMode(), PDFDocument::pmUseNone);
    QCOMPARE(doc.viewerPreferences(), PDFDocument::ViewerPreferences());
    QCOMPARE(doc.docInfo().creator, QStringLiteral("Marvolen PDF writer program"));
    QCOMPARE(doc.docInfo().producer, QStringLiteral("Marvolen PDF writer 2.x"));
    QCOMPARE(doc.docInfo().author, QStringLiteral("Desktop User"));
    QCOMPARE(doc.docInfo().title, QStringLiteral("No Title"));
    QCOMPARE(doc.docInfo().subject, QStringLiteral("None"));
    QCOMPARE(doc.docInfo().keywords, QStringLiteral("Marvolen"));
    QCOMPARE(doc.docInfo().creationDate, pinnedNow);
}

void TestPdfDocument::emptyDocumentLayout()
{
    PDFDocument doc;
    const QByteArray written = build(doc);

    const QByteArray id =
        QCryptographicHash::hash("Tue 05-03-2024 14:07:09.123", QCryptographicHash::Md5).toHex();
    const QByteArray body = crlf({"%PDF-1.3",
                                  "%\xD2\xE5\xD1\xF2",
                                  "3 0 obj",
                                  "<</Creator (Marvolen PDF writer program)",
                                  "/CreationDate (D:20240305140709)",
                                  "/Producer (Marvolen PDF writer 2.x)",
                                  "/Author (Desktop User)",
                                  "/Title (No Title)",
                                  "/Subject (None)",
                                  "/Keywords (Marvolen)",
                                  ">>",
                                  "endobj",
                                  "1 0 obj",
                                  "<</Type /Pages",
                                  "/Kids [",
                                  "2 0 R",
                                  "]",
                                  "/Count 1",
                                  ">>",
                                  "endobj",
                                  "4 0 obj",
                                  "<< /ProcSet [/PDF ]",
                                  ">>",
                                  "endobj",
                                  "5 0 obj",
                                  "<</Length 6",
                                  ">>",
                                  "stream",
                                  "q",
                                  "Q",
                                  "",
                                  "endstream",
                                  "endobj",
                                  "2 0 obj",
                                  "<</Type /Page",
                                  "/Parent 1 0 R",
                                  "/Resources 4 0 R",
                                  "/Contents [5 0 R]",
                                  "/MediaBox [0 0 595 842]",
                                  ">>",
                                  "endobj",
                                  "6 0 obj",
                                  "<</Type /Catalog",
                                  " /Pages 1 0 R",
                                  "/PageLayout /SinglePage",
                                  "/PageMode /UseNone",
                                  ">>",
                                  "endobj"});
    QList<QByteArray> xref = {"xref", "0 7", "0000000000 65535 f"};
    for (int number = 1; number <= 6; ++number) {
        const qsizetype at = body.indexOf(QByteArray("\n" + QByteArray::number(number) + " 0 obj\r\n")) + 1;
        xref.append(QByteArray::number(at).rightJustified(10, '0') + " 00000 n");
    }
    const QByteArray expected =
        body + crlf(xref) +
        crlf({"trailer", "<<", "/Size 7", "/Root 6 0 R", "/Info 3 0 R", "/ID [<" + id + "><" + id + ">]",
              ">>", "startxref", QByteArray::number(body.size()), "%%EOF"});
    QCOMPARE(written, expected);

    const pdftools::Result qpdf = pdftools::check(save(written, QStringLiteral("empty.pdf")));
    QVERIFY2(qpdf.ok, qpdf.output.constData());
}

void TestPdfDocument::fontsOverTwoPages()
{
    PDFDocument doc;
    const QByteArray written = build(doc, [](PDFDocument& d) {
        PDFPage* page = d.CurrentPage();
        page->BeginText();
        page->SetActiveFont(QStringLiteral("Arial"), 1, 0, 12);
        page->TextOut(10, 10, 0, QStringLiteral("Bold"));
        page->SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
        page->TextOut(10, 30, 0, QStringLiteral("Regular"));
        page->EndText();
        d.NewPage();
        page = d.CurrentPage();
        page->BeginText();
        page->SetActiveFont(QStringLiteral("Helvetica"), 0, 0, 10); // the same font as Arial
        page->TextOut(10, 10, 0, QStringLiteral("Regular"));
        page->SetActiveFont(QStringLiteral("Arial"), 1, 0, 12);
        page->TextOut(10, 30, 0, QStringLiteral("Bold"));
        page->SetActiveFont(QStringLiteral("ZapfDingbats"), 0, 0, 12);
        page->TextOut(10, 50, 0, QStringLiteral("4"));
        page->EndText();
    });

    // 1 pages, 2 and 3 the pages, 4 info; page 1 numbers its fonts 5 and 6, page 2 its new font 9.
    QVERIFY(written.contains(crlf({"7 0 obj", "<< /ProcSet [/PDF /Text ]", "/Font <<", "/F1 5 0 R",
                                   "/F0 6 0 R", ">>", ">>", "endobj"})));
    QVERIFY(written.contains(crlf({"10 0 obj", "<< /ProcSet [/PDF /Text ]", "/Font <<", "/F0 6 0 R",
                                   "/F1 5 0 R", "/F13 9 0 R", ">>", ">>", "endobj"})));
    QVERIFY(written.contains(
        crlf({"5 0 obj", "<</Type /Font", "/Subtype /Type1", "/BaseFont /Helvetica-Bold",
              "/Encoding /WinAnsiEncoding", "/FirstChar 32", "/LastChar 255", ">>", "endobj"})));
    QVERIFY(written.contains(crlf({"9 0 obj", "<</Type /Font", "/Subtype /Type1", "/BaseFont /ZapfDingbats",
                                   "/FirstChar 32", "/LastChar 255", ">>", "endobj"})));
    QCOMPARE(written.count("/Type /Font"), 3);
    QCOMPARE(written.count("/BaseFont /Helvetica\r\n"), 1);
    QVERIFY(written.contains("/Size 13\r\n/Root 12 0 R\r\n/Info 4 0 R\r\n"));

    const pdftools::Result qpdf = pdftools::check(save(written, QStringLiteral("fonts.pdf")));
    QVERIFY2(qpdf.ok, qpdf.output.constData());
}

void TestPdfDocument::crossReference_data()
{
    QTest::addColumn<bool>("onePass");
    QTest::addColumn<bool>("flate");
    QTest::addColumn<bool>("toFile");
    QTest::newRow("plain, memory") << false << false << false;
    QTest::newRow("plain, file") << false << false << true;
    QTest::newRow("one pass") << true << false << false;
    QTest::newRow("deflated") << false << true << false;
    QTest::newRow("one pass, deflated, file") << true << true << true;
}

void TestPdfDocument::crossReference()
{
    QFETCH(bool, onePass);
    QFETCH(bool, flate);
    QFETCH(bool, toFile);
    PDFDocument doc;
    doc.setOnePass(onePass);
    doc.setCompression(flate ? PDFDocument::ctFlate : PDFDocument::ctNone);
    QByteArray written;
    QString path = m_dir->filePath(QStringLiteral("xref.pdf"));
    if (toFile) {
        doc.setFileName(path);
        doc.BeginDoc();
        drawReport(doc);
        doc.EndDoc();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        written = file.readAll();
    } else {
        written = build(doc, drawReport);
        path = save(written, QStringLiteral("xref.pdf"));
    }

    const QRegularExpression tail(QStringLiteral("startxref\r\n(\\d+)\r\n%%EOF\r\n$"));
    const auto end = tail.match(QString::fromLatin1(written));
    QVERIFY(end.hasMatch());
    const qsizetype xrefAt = end.captured(1).toLongLong();
    QVERIFY(written.mid(xrefAt).startsWith("xref\r\n0 "));
    const qsizetype countAt = xrefAt + 8;
    const int size = written.mid(countAt, written.indexOf('\r', countAt) - countAt).toInt();
    QVERIFY(size > 10);
    const qsizetype entries = written.indexOf('\n', countAt) + 1;
    QCOMPARE(written.mid(entries, 20), QByteArray("0000000000 65535 f\r\n"));
    for (int number = 1; number < size; ++number) {
        const QByteArray entry = written.mid(entries + 20 * number, 20);
        QVERIFY2(entry.endsWith(" 00000 n\r\n"), entry.constData());
        const qsizetype offset = entry.left(10).toLongLong();
        QVERIFY2(written.mid(offset).startsWith(QByteArray(QByteArray::number(number) + " 0 obj\r\n<<")),
                 entry.constData());
    }
    QCOMPARE(written.mid(entries + 20 * size, 9), QByteArray("trailer\r\n"));
    QVERIFY(written.contains(QByteArray("/Size " + QByteArray::number(size) + "\r\n")));

    const pdftools::Result qpdf = pdftools::check(path);
    QVERIFY2(qpdf.ok, qpdf.output.constData());
    const QList<pdftools::Word> words = pdftools::words(path, 3);
    QCOMPARE(words.size(), 1);
    QCOMPARE(words.first().text, QStringLiteral("Three"));
}

void TestPdfDocument::onePassWritesPagesEarly()
{
    for (const bool onePass : {false, true}) {
        PDFDocument doc;
        doc.setOnePass(onePass);
        const QByteArray written = build(doc, drawReport);
        // In one pass the first page precedes the Info dictionary, otherwise it follows the page tree.
        QCOMPARE(written.indexOf("(One) Tj") < written.indexOf("/Creator"), onePass);
        QCOMPARE(written.count("/Type /Page\r\n"), 3);
    }
}

void TestPdfDocument::pageEndClosesOpenStates()
{
    PDFDocument doc;
    const QByteArray written = build(doc, [](PDFDocument& d) {
        PDFPage* page = d.CurrentPage();
        page->GStateSave();
        page->GStateSave();
        page->SetGray(0.5);
        page->BeginText(); // left open, like both saved states
        page->SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
        page->TextOut(10, 10, 0, QStringLiteral("open"));
    });
    const QString path = save(written, QStringLiteral("open.pdf"));
    const pdftools::Result qpdf = pdftools::check(path);
    QVERIFY2(qpdf.ok, qpdf.output.constData());
    // fonts 4, resources 5, contents 6
    QCOMPARE(pdftools::streamData(path, 6), crlf({"q", "q", "q", "0.5 g", "0.5 G", "BT", "/F0 10 Tf",
                                                  "1 0 0 1 10 822 Tm", "(open) Tj", "ET", "Q", "Q", "Q"}));
}

void TestPdfDocument::deflatedContentMatches()
{
    PDFDocument plain;
    const QString plainPath = save(build(plain, drawReport), QStringLiteral("plain.pdf"));
    PDFDocument packed;
    packed.setCompression(PDFDocument::ctFlate);
    const QByteArray packedBytes = build(packed, drawReport);
    const QString packedPath = save(packedBytes, QStringLiteral("packed.pdf"));

    QVERIFY(!packedBytes.contains("(One) Tj"));
    QCOMPARE(packedBytes.count("/Filter /FlateDecode\r\n"), 3);
    const pdftools::Result qpdf = pdftools::check(packedPath);
    QVERIFY2(qpdf.ok, qpdf.output.constData());
    // Objects: 1 pages, 2-4 pages, 5 info, fonts 6 and 7, resources 8, contents 9 of the first page.
    const QByteArray content = pdftools::streamData(plainPath, 9);
    QVERIFY(content.contains("(One) Tj\r\n"));
    QCOMPARE(pdftools::streamData(packedPath, 9), content);
}

void TestPdfDocument::lifeCycleErrors_data()
{
    QTest::addColumn<bool>("generating");
    QTest::addColumn<Drawing>("call");
    QTest::addColumn<QString>("message");
    const QString notActivated = QStringLiteral("Generation PDF file not activated");
    const QString inProgress = QStringLiteral("Generation PDF file in progress");

    QTest::newRow("NewPage idle") << false << Drawing([](PDFDocument& d) { d.NewPage(); }) << notActivated;
    QTest::newRow("EndDoc idle") << false << Drawing([](PDFDocument& d) { d.EndDoc(); }) << notActivated;
    QTest::newRow("Abort idle") << false << Drawing([](PDFDocument& d) { d.Abort(); }) << notActivated;
    QTest::newRow("CurrentPage idle")
        << false << Drawing([](PDFDocument& d) { d.CurrentPage(); }) << notActivated;
    QTest::newRow("BeginDoc twice") << true << Drawing([](PDFDocument& d) { d.BeginDoc(); }) << inProgress;
    QTest::newRow("FileName while generating")
        << true << Drawing([](PDFDocument& d) { d.setFileName(QStringLiteral("x.pdf")); }) << inProgress;
    QTest::newRow("output stream while generating")
        << true << Drawing([](PDFDocument& d) { d.setOutputStream(nullptr); }) << inProgress;
    QTest::newRow("OnePass while generating")
        << true << Drawing([](PDFDocument& d) { d.setOnePass(true); }) << inProgress;
    QTest::newRow("resolution zero") << false << Drawing([](PDFDocument& d) { d.setResolution(0); })
                                     << QStringLiteral("Out of range");
}

void TestPdfDocument::lifeCycleErrors()
{
    QFETCH(bool, generating);
    QFETCH(Drawing, call);
    QFETCH(QString, message);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PDFDocument doc;
    doc.setOutputStream(&buffer);
    if (generating) doc.BeginDoc();
    try {
        call(doc);
        QFAIL("no exception");
    } catch (const PDFException& e) {
        QCOMPARE(e.message(), message);
    }
    QCOMPARE(doc.generating(), generating);
    QCOMPARE(doc.outputStream(), &buffer);
    QCOMPARE(doc.resolution(), 72);
    if (generating) {
        QCOMPARE(doc.pageCount(), 1);
        doc.EndDoc(); // the document is still sound
        QVERIFY(buffer.data().endsWith("%%EOF\r\n"));
    }
}

void TestPdfDocument::generatesAgainFromEmpty()
{
    PDFDocument doc;
    const QByteArray first = build(doc, drawReport);
    const QByteArray second = build(doc, drawReport);
    QCOMPARE(second, first); // clock pinned: nothing may carry over
    QCOMPARE(first.count("/Type /Page\r\n"), 3);
}

void TestPdfDocument::fileOutputAndLaunch_data()
{
    QTest::addColumn<bool>("autoLaunch");
    QTest::addColumn<bool>("stream");
    QTest::addColumn<bool>("launched");
    QTest::newRow("file, launch") << true << false << true;
    QTest::newRow("file, no launch") << false << false << false;
    QTest::newRow("stream never launches") << true << true << false;
}

void TestPdfDocument::fileOutputAndLaunch()
{
    QFETCH(bool, autoLaunch);
    QFETCH(bool, stream);
    QFETCH(bool, launched);
    const QString path = m_dir->filePath(QStringLiteral("launch.pdf"));
    QFile::remove(path);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PDFDocument doc;
    doc.setFileName(path);
    doc.setAutoLaunch(autoLaunch);
    if (stream) doc.setOutputStream(&buffer);
    doc.BeginDoc();
    drawReport(doc);
    doc.EndDoc();
    QCOMPARE(platform::ShellOpen::recorded(), launched ? QStringList{path} : QStringList());
    QCOMPARE(QFile::exists(path), !stream);
    QCOMPARE(buffer.data().isEmpty(), !stream);
    const pdftools::Result qpdf =
        pdftools::check(stream ? save(buffer.data(), QStringLiteral("s.pdf")) : path);
    QVERIFY2(qpdf.ok, qpdf.output.constData());
}

void TestPdfDocument::abortAndDropDeleteFile()
{
    const QString path = m_dir->filePath(QStringLiteral("partial.pdf"));
    {
        PDFDocument doc;
        doc.setFileName(path);
        doc.setAutoLaunch(true);
        doc.BeginDoc();
        drawReport(doc);
        QVERIFY(QFile::exists(path));
        doc.Abort();
        QVERIFY(!QFile::exists(path));
        QVERIFY(!doc.generating());

        doc.BeginDoc(); // usable again, then dropped half-way
        doc.NewPage();
        QVERIFY(QFile::exists(path));
    }
    QVERIFY(!QFile::exists(path));
    QVERIFY(platform::ShellOpen::recorded().isEmpty());
}

void TestPdfDocument::fileThatCannotBeCreated()
{
    PDFDocument doc;
    doc.setFileName(m_dir->filePath(QStringLiteral("missing/folder/x.pdf")));
    try {
        doc.BeginDoc();
        QFAIL("no exception");
    } catch (const PDFException& e) {
        QVERIFY2(e.message().startsWith(QStringLiteral("Cannot create file")), qPrintable(e.message()));
    }
    QVERIFY(!doc.generating());
    QVERIFY_THROWS_EXCEPTION(PDFException, doc.CurrentPage());
}

void TestPdfDocument::failedWriteAbandons()
{
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    PDFDocument doc;
    doc.setOutputStream(&readOnly);
    doc.BeginDoc();
    drawReport(doc);
    QVERIFY_THROWS_EXCEPTION(PDFException, doc.EndDoc());
    QVERIFY(!doc.generating());
    QVERIFY(readOnly.data().isEmpty());
    const QByteArray written = build(doc, drawReport); // the next document starts clean
    QCOMPARE(written.count("/Type /Page\r\n"), 3);
}

void TestPdfDocument::infoReadBack()
{
    PDFDocument doc;
    doc.docInfo().title = QStringLiteral("Scores (final) \\ 2024");
    doc.docInfo().author = QStringLiteral("Zo\u00EB");
    doc.setVersion(PDFDocument::pdf14);
    doc.setPageLayout(PDFDocument::plOneColumn);
    doc.setPageMode(PDFDocument::pmFullScreen);
    doc.setViewerPreferences(PDFDocument::vpHideToolbar | PDFDocument::vpCenterWindow);
    const QByteArray written = build(doc);
    QVERIFY(written.startsWith("%PDF-1.4\r\n"));
    QVERIFY(written.contains("/Title (Scores \\(final\\) \\\\ 2024)\r\n"));
    QVERIFY(written.contains("/PageLayout /OneColumn\r\n/PageMode /FullScreen\r\n"
                             "/ViewerPreferences << /HideToolbar true /CenterWindow true >>\r\n>>\r\n"));

    const QString path = save(written, QStringLiteral("info.pdf"));
    const pdftools::Result qpdf = pdftools::check(path);
    QVERIFY2(qpdf.ok, qpdf.output.constData());
    const pdftools::Result info = pdftools::run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.ok, info.output.constData());
    const QString text = QString::fromUtf8(info.output);
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Title: +Scores \\(final\\) \\\\ 2024\n"))),
             qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Author: +Zo\u00EB\n"))), qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Producer: +Marvolen PDF writer 2.x\n"))),
             qPrintable(text));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Page size: +595 x 842 pts"))),
             qPrintable(text));
}

void TestPdfDocument::textAndDrawingReadBack()
{
    PDFDocument doc;
    const QString path =
        save(build(doc,
                   [](PDFDocument& d) {
                       drawReport(d);
                       PDFPage* page = d.CurrentPage();
                       page->BeginText();
                       page->SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
                       page->TextOut(300, 300, 0, QStringLiteral("Caf\u00E9 \u20AC5 (paid)"));
                       page->EndText();
                   }),
             QStringLiteral("report.pdf"));
    const pdftools::Result qpdf = pdftools::check(path);
    QVERIFY2(qpdf.ok, qpdf.output.constData());

    // Boxes from pdftotext reach from the font's ascent to its descent around the baseline,
    // which lies one font size below the point given to TextOut.
    struct Expected
    {
        int page;
        QString text;
        double left;
        double baseline;
        double size;
    };
    const Expected expected[] = {
        {1, QStringLiteral("One"), 72, 112, 12},
        // "Centred": C 722, e 556, n 556, t 278, r 333, e 556, d 556 = 35.57 points at size 10
        {1, QStringLiteral("Centred"), 100 + (200 - 35.57) / 2, 210 + 10, 10},
        {3, QStringLiteral("Three"), 72, 82, 10},
        {3, QStringLiteral("Caf\u00E9"), 300, 310, 10},
        // "Caf\u00E9" 21.12, blank 2.78, "\u20AC5" 11.12
        {3, QStringLiteral("\u20AC5"), 300 + 21.12 + 2.78, 310, 10},
        {3, QStringLiteral("(paid)"), 300 + 21.12 + 2.78 + 11.12 + 2.78, 310, 10},
    };
    for (const Expected& e : expected) {
        const QList<pdftools::Word> words = pdftools::words(path, e.page);
        const auto found = std::find_if(words.begin(), words.end(),
                                        [&e](const pdftools::Word& w) { return w.text == e.text; });
        QVERIFY2(found != words.end(), qPrintable(e.text));
        QVERIFY2(qAbs(found->box.left() - e.left) < 0.5, qPrintable(e.text));
        QVERIFY2(found->box.top() < e.baseline - 0.6 * e.size && found->box.top() > e.baseline - 1.2 * e.size,
                 qPrintable(e.text));
        QVERIFY2(found->box.bottom() > e.baseline && found->box.bottom() < e.baseline + 0.4 * e.size,
                 qPrintable(e.text));
    }

    // Rendered at 72 dpi one pixel is one point: the filled box is black, the margin white.
    const QString prefix = m_dir->filePath(QStringLiteral("render"));
    const pdftools::Result render = pdftools::run(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"), QStringLiteral("-singlefile"),
         QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), path, prefix});
    QVERIFY2(render.ok, render.output.constData());
    const QImage image(prefix + QStringLiteral(".pgm"));
    QCOMPARE(image.size(), QSize(595, 842));
    QVERIFY(qGray(image.pixel(350, 425)) < 40);  // inside the filled rectangle
    QVERIFY(qGray(image.pixel(200, 500)) < 128); // on the rule
    QVERIFY(qGray(image.pixel(200, 505)) > 215);
    QVERIFY(qGray(image.pixel(500, 800)) > 215);
}

QTEST_GUILESS_MAIN(TestPdfDocument)
#include "tst_pdfdocument.moc"
