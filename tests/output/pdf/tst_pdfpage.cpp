#include "output/pdf/pdfexception.h"
#include "output/pdf/pdffonts.h"
#include "output/pdf/pdfpage.h"

#include <QTest>

#include <functional>
#include <memory>

using namespace pdf;

using PageOperation = std::function<void(PDFPage&)>;
Q_DECLARE_METATYPE(PageOperation)

namespace {
const QString ellipsis4 = QStringLiteral("\u2026\u2026\u2026\u2026"); // 40 points wide in Helvetica 10

QList<QByteArray> lines(std::initializer_list<const char*> texts)
{
    QList<QByteArray> result;
    for (const char* text : texts)
        result.append(QByteArray(text));
    return result;
}
} // namespace

class TestPdfPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void initialState();
    void textOutAtTopLeft();
    void appendedLines_data();
    void appendedLines();
    void failingCallsLeavePage_data();
    void failingCallsLeavePage();
    void textWidth_data();
    void textWidth();
    void textBox_data();
    void textBox();
    void textOutAtAngle();
    void callerUnitsFollowResolution();
    void fontListInFirstUseOrder();

private:
    PDFPage& newPage(double scale = 1);

    std::unique_ptr<PDFFonts> m_fonts;
    std::unique_ptr<PDFPage> m_page;
};

void TestPdfPage::init()
{
    m_page.reset();
    m_fonts = std::make_unique<PDFFonts>();
}

PDFPage& TestPdfPage::newPage(double scale)
{
    m_page = std::make_unique<PDFPage>(*m_fonts, 2, scale);
    return *m_page;
}

void TestPdfPage::initialState()
{
    const PDFPage& page = newPage();
    QCOMPARE(page.contentLines(), lines({"q"}));
    QCOMPARE(page.width(), 595.0);
    QCOMPARE(page.height(), 842.0);
    QCOMPARE(page.gStateDepth(), 1);
    QCOMPARE(page.fontSize(), 10.0);
    QVERIFY(!page.inText());
    QVERIFY(!page.activeFont());
    QVERIFY(!page.showsText());
}

void TestPdfPage::textOutAtTopLeft()
{
    PDFPage& page = newPage();
    page.BeginText();
    page.SetActiveFont(QStringLiteral("Arial"), 1, 0, 12);
    page.TextOut(5, 0, 0, QStringLiteral("Word"));
    QCOMPARE(page.contentLines(), lines({"q", "BT", "/F1 12 Tf", "1 0 0 1 5 830 Tm", "(Word) Tj"}));
    QVERIFY(page.showsText());
    QCOMPARE(page.activeFont()->baseFont(), QByteArray("Helvetica-Bold"));
}

void TestPdfPage::appendedLines_data()
{
    QTest::addColumn<PageOperation>("operation");
    QTest::addColumn<QList<QByteArray>>("appended");

    QTest::newRow("Rectangle from bottom-right corner")
        << PageOperation([](PDFPage& p) { p.Rectangle(10, 20, 0, 0); }) << lines({"0 842 10 -20 re"});
    QTest::newRow("Rectangle from top-left corner")
        << PageOperation([](PDFPage& p) { p.Rectangle(0, 0, 10, 20); }) << lines({"0 842 10 -20 re"});
    QTest::newRow("Rectangle from other corners")
        << PageOperation([](PDFPage& p) { p.Rectangle(10, 0, 0, 20); }) << lines({"0 842 10 -20 re"});
    QTest::newRow("rule") << PageOperation([](PDFPage& p) {
        p.SetGray(0);
        p.SetLineWidth(1);
        p.MoveTo(10, 20);
        p.LineTo(30.5, 40.25);
        p.Stroke();
    }) << lines({"0 g", "0 G", "1 w", "10 822 m", "30.5 801.75 l", "S"});
    QTest::newRow("path ends") << PageOperation([](PDFPage& p) {
        p.ClosePath();
        p.NewPath();
        p.Fill();
        p.FillAndStroke();
    }) << lines({"h", "n", "f", "B"});
    QTest::newRow("colours") << PageOperation([](PDFPage& p) {
        p.SetRGBFillColor(1, 0, 0.25);
        p.SetRGBStrokeColor(0.5, 0.333333, 1);
        p.SetGray(0.75);
    }) << lines({"1 0 0.25 rg", "0.5 0.3333 1 RG", "0.75 g", "0.75 G"});
    QTest::newRow("restore at creation appends nothing")
        << PageOperation([](PDFPage& p) { p.GStateRestore(); }) << QList<QByteArray>();
    QTest::newRow("save and restore pair") << PageOperation([](PDFPage& p) {
        p.GStateSave();
        p.GStateRestore();
        p.GStateRestore();
    }) << lines({"q", "Q"});
    QTest::newRow("font outside text is wrapped")
        << PageOperation([](PDFPage& p) { p.SetActiveFont(QStringLiteral("Arial"), 0, 0, 8); })
        << lines({"BT", "/F0 8 Tf", "ET"});
    QTest::newRow("font inside text is not wrapped") << PageOperation([](PDFPage& p) {
        p.BeginText();
        p.SetActiveFont(QStringLiteral("Times New Roman"), 2, 0, 10.5);
        p.EndText();
    }) << lines({"BT", "/F6 10.5 Tf", "ET"});
    QTest::newRow("rendering mode outside text is wrapped")
        << PageOperation([](PDFPage& p) { p.SetTextRenderingMode(2); }) << lines({"BT", "2 Tr", "ET"});
    QTest::newRow("text is escaped and encoded") << PageOperation([](PDFPage& p) {
        p.BeginText();
        p.SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
        p.TextOut(0, 0, 0, QStringLiteral("Smith (\u00C9lise) \\ 1\u20AC"));
    }) << lines({"BT", "/F0 10 Tf", "1 0 0 1 0 832 Tm", "(Smith \\(\xC9lise\\) \\\\ 1\x80) Tj"});
    QTest::newRow("Circle: bubble of radius 3")
        << PageOperation([](PDFPage& p) { p.Circle(100, 100, 3); })
        << lines({"103 742 m", "103 743.6569 101.6569 745 100 745 c", "98.3431 745 97 743.6569 97 742 c",
                  "97 740.3431 98.3431 739 100 739 c", "101.6569 739 103 740.3431 103 742 c"});
}

void TestPdfPage::appendedLines()
{
    QFETCH(PageOperation, operation);
    QFETCH(QList<QByteArray>, appended);
    PDFPage& page = newPage();
    operation(page);
    QCOMPARE(page.contentLines(), lines({"q"}) + appended);
}

void TestPdfPage::failingCallsLeavePage_data()
{
    QTest::addColumn<PageOperation>("setup");
    QTest::addColumn<PageOperation>("operation");
    QTest::addColumn<QString>("message");

    const PageOperation nothing = [](PDFPage&) {};
    const PageOperation inText = [](PDFPage& p) { p.BeginText(); };
    const PageOperation inTextWithFont = [](PDFPage& p) {
        p.BeginText();
        p.SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
    };
    const QString inited = QStringLiteral("Text object inited");
    const QString notInited = QStringLiteral("Text object not inited");
    const QString noFont = QStringLiteral("Active font not setting");
    const QString outOfRange = QStringLiteral("Out of range");

    QTest::newRow("BeginText twice") << inText << PageOperation([](PDFPage& p) { p.BeginText(); })
                                     << QStringLiteral("Cannot begin text object twice");
    QTest::newRow("EndText outside") << nothing << PageOperation([](PDFPage& p) { p.EndText(); })
                                     << notInited;
    QTest::newRow("MoveTo inside") << inText << PageOperation([](PDFPage& p) { p.MoveTo(1, 1); }) << inited;
    QTest::newRow("LineTo inside") << inText << PageOperation([](PDFPage& p) { p.LineTo(1, 1); }) << inited;
    QTest::newRow("Rectangle inside")
        << inText << PageOperation([](PDFPage& p) { p.Rectangle(0, 0, 1, 1); }) << inited;
    QTest::newRow("Circle inside") << inText << PageOperation([](PDFPage& p) { p.Circle(5, 5, 3); })
                                   << inited;
    QTest::newRow("Stroke inside") << inText << PageOperation([](PDFPage& p) { p.Stroke(); }) << inited;
    QTest::newRow("FillAndStroke inside")
        << inText << PageOperation([](PDFPage& p) { p.FillAndStroke(); }) << inited;
    QTest::newRow("GStateSave inside")
        << inText << PageOperation([](PDFPage& p) { p.GStateSave(); }) << inited;
    QTest::newRow("TextOut outside") << nothing << PageOperation([](PDFPage& p) {
        p.TextOut(0, 0, 0, QStringLiteral("x"));
    }) << notInited;
    QTest::newRow("TextOut without font")
        << inText << PageOperation([](PDFPage& p) { p.TextOut(0, 0, 0, QStringLiteral("x")); }) << noFont;
    QTest::newRow("TextWidth without font")
        << nothing << PageOperation([](PDFPage& p) { p.TextWidth(QStringLiteral("x")); }) << noFont;
    QTest::newRow("TextBox outside") << nothing << PageOperation([](PDFPage& p) {
        p.TextBox(QRectF(0, 0, 9, 9), QStringLiteral("x"), 1, 1);
    }) << notInited;
    QTest::newRow("TextBox bad alignment") << inTextWithFont << PageOperation([](PDFPage& p) {
        p.TextBox(QRectF(0, 0, 9, 9), QStringLiteral("x"), 3, 0);
    }) << outOfRange;
    QTest::newRow("unknown font") << inText << PageOperation([](PDFPage& p) {
        p.SetActiveFont(QStringLiteral("Wingdings"), 0, 0, 10);
    }) << QStringLiteral("Not valid true type font. Wingdings");
    QTest::newRow("rendering mode 8")
        << nothing << PageOperation([](PDFPage& p) { p.SetTextRenderingMode(8); }) << outOfRange;
}

void TestPdfPage::failingCallsLeavePage()
{
    QFETCH(PageOperation, setup);
    QFETCH(PageOperation, operation);
    QFETCH(QString, message);
    PDFPage& page = newPage();
    setup(page);
    const QByteArray before = page.content();
    const bool wasInText = page.inText();
    const size_t fontCount = page.fonts().size();
    try {
        operation(page);
        QFAIL("no exception");
    } catch (const PDFException& e) {
        QCOMPARE(e.message(), message);
    }
    QCOMPARE(page.content(), before);
    QCOMPARE(page.inText(), wasInText);
    QCOMPARE(page.fonts().size(), fontCount);
}

void TestPdfPage::textWidth_data()
{
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    // W 944 + o 556 + r 333 + d 556 in Helvetica
    QTest::newRow("Helvetica 10") << QStringLiteral("Arial") << 0 << 10.0 << 1.0 << QStringLiteral("Word")
                                  << 23.89;
    QTest::newRow("caller units at 144 dpi")
        << QStringLiteral("Arial") << 0 << 10.0 << 2.0 << QStringLiteral("Word") << 47.78;
    QTest::newRow("bold differs") << QStringLiteral("Arial") << 1 << 10.0 << 1.0 << QStringLiteral("ii")
                                  << 5.56;
    QTest::newRow("Courier is fixed")
        << QStringLiteral("Courier New") << 0 << 12.0 << 1.0 << QStringLiteral("iW\u00E9") << 21.6;
    QTest::newRow("empty") << QStringLiteral("Arial") << 0 << 10.0 << 1.0 << QString() << 0.0;
    QTest::newRow("control characters have no width")
        << QStringLiteral("Arial") << 0 << 10.0 << 1.0 << QStringLiteral("\t") << 0.0;
}

void TestPdfPage::textWidth()
{
    QFETCH(QString, font);
    QFETCH(int, style);
    QFETCH(double, size);
    QFETCH(double, scale);
    QFETCH(QString, text);
    QFETCH(double, width);
    PDFPage& page = newPage(scale);
    page.SetActiveFont(font, style, 0, size);
    QVERIFY(qAbs(page.TextWidth(text) - width) < 1e-9);
}

void TestPdfPage::textBox_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QByteArray>("matrixLine");
    const QRectF box(QPointF(100, 100), QPointF(200, 120));
    QTest::newRow("centre centre") << box << 1 << 1 << 1.0 << QByteArray("1 0 0 1 130 727 Tm");
    QTest::newRow("reversed rectangle")
        << QRectF(QPointF(200, 120), QPointF(100, 100)) << 1 << 1 << 1.0 << QByteArray("1 0 0 1 130 727 Tm");
    QTest::newRow("left top") << box << 0 << 0 << 1.0 << QByteArray("1 0 0 1 100 732 Tm");
    QTest::newRow("right bottom") << box << 2 << 2 << 1.0 << QByteArray("1 0 0 1 160 722 Tm");
    // The same box in 144-dpi units lands on the same points: the font size counts in caller units.
    QTest::newRow("centre centre at 144 dpi")
        << QRectF(QPointF(200, 200), QPointF(400, 240)) << 1 << 1 << 2.0 << QByteArray("1 0 0 1 130 727 Tm");
}

void TestPdfPage::textBox()
{
    QFETCH(QRectF, rect);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    QFETCH(double, scale);
    QFETCH(QByteArray, matrixLine);
    PDFPage& page = newPage(scale);
    page.BeginText();
    page.SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
    page.TextBox(rect, ellipsis4, horizontal, vertical);
    QCOMPARE(page.contentLines().mid(3),
             QList<QByteArray>({matrixLine, QByteArray("(\x85\x85\x85\x85) Tj")}));
}

void TestPdfPage::textOutAtAngle()
{
    PDFPage& page = newPage();
    page.BeginText();
    page.SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
    page.TextOut(100, 100, 90, QStringLiteral("Up"));
    page.TextOut(100, 100, 0, QStringLiteral("Flat")); // back to upright, whatever came before
    page.TextOut(100, 100, 30, QStringLiteral("Slant"));
    QCOMPARE(page.contentLines().mid(3),
             lines({"0 1 -1 0 110 742 Tm", "(Up) Tj", "1 0 0 1 100 732 Tm", "(Flat) Tj",
                    "0.866 0.5 -0.5 0.866 105 733.3397 Tm", "(Slant) Tj"}));
    QCOMPARE(page.textAngle(), 30.0);
    page.EndText();
    page.BeginText(); // a new text object starts upright
    page.TextOut(0, 0, 0, QStringLiteral("x"));
    QCOMPARE(page.contentLines().last(1).constFirst(), QByteArray("(x) Tj"));
    QCOMPARE(page.contentLines().at(page.contentLines().size() - 2), QByteArray("1 0 0 1 0 832 Tm"));
}

void TestPdfPage::callerUnitsFollowResolution()
{
    PDFPage& page = newPage(2); // 144 units per inch
    page.MoveTo(144, 144);
    page.SetLineWidth(2);
    page.Rectangle(0, 0, 20, 40);
    page.Circle(20, 20, 6);
    page.BeginText();
    page.SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
    page.TextOut(20, 40, 0, QStringLiteral("a"));
    const QList<QByteArray> content = page.contentLines();
    QCOMPARE(content.mid(1, 4), lines({"72 770 m", "1 w", "0 842 10 -20 re", "13 832 m"}));
    QCOMPARE(content.at(content.size() - 2), QByteArray("1 0 0 1 10 812 Tm"));
}

void TestPdfPage::fontListInFirstUseOrder()
{
    PDFPage& page = newPage();
    page.SetActiveFont(QStringLiteral("Arial"), 1, 0, 10);
    page.SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
    page.SetActiveFont(QStringLiteral("Helvetica"), 1, 0, 12); // same font as Arial bold
    QCOMPARE(page.fonts().size(), size_t(2));
    QCOMPARE(page.fonts()[0]->alias(), QByteArray("F1"));
    QCOMPARE(page.fonts()[1]->alias(), QByteArray("F0"));
    QCOMPARE(page.fontSize(), 12.0);
    QCOMPARE(m_fonts->count(), 2);
}

QTEST_GUILESS_MAIN(TestPdfPage)
#include "tst_pdfpage.moc"
