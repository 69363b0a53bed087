#include "output/pdf/fontwidths.h"
#include "output/pdf/pdfexception.h"
#include "output/pdf/pdffonts.h"
#include "output/pdf/pdfformat.h"

#include <QLocale>
#include <QTest>

using namespace pdf;

class TestPdfFormat : public QObject
{
    Q_OBJECT

private slots:
    void numbers_data();
    void numbers();
    void numbersIgnoreLocale();
    void strings_data();
    void strings();
    void winAnsi_data();
    void winAnsi();
    void fontMapping_data();
    void fontMapping();
    void unknownFont();
    void fontWidths_data();
    void fontWidths();
};

void TestPdfFormat::numbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("one decimal") << 12.5 << QByteArray("12.5");
    QTest::newRow("integer") << 12.0 << QByteArray("12");
    QTest::newRow("rounded to four") << 0.123456 << QByteArray("0.1235");
    QTest::newRow("trailing zeros dropped") << 0.1 + 0.2 << QByteArray("0.3");
    QTest::newRow("negative") << -20.0 << QByteArray("-20");
    QTest::newRow("negative fraction") << -0.0625 << QByteArray("-0.0625");
    QTest::newRow("tiny negative is zero") << -0.00001 << QByteArray("0");
    QTest::newRow("zero") << 0.0 << QByteArray("0");
    QTest::newRow("large, no exponent") << 12345678.9 << QByteArray("12345678.9");
    QTest::newRow("rounds up to integer") << 829.99999 << QByteArray("830");
}

void TestPdfFormat::numbers()
{
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    QCOMPARE(formatNumber(value), text);
}

void TestPdfFormat::numbersIgnoreLocale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray text = formatNumber(1234.5);
    QLocale::setDefault(saved);
    QCOMPARE(text, QByteArray("1234.5"));
}

void TestPdfFormat::strings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("literal");
    QTest::newRow("parentheses and backslash") << QByteArray("a(b)c\\d") << QByteArray("(a\\(b\\)c\\\\d)");
    QTest::newRow("carriage return") << QByteArray("a\rb") << QByteArray("(a\\rb)");
    QTest::newRow("line feed unchanged") << QByteArray("a\nb") << QByteArray("(a\nb)");
    QTest::newRow("empty") << QByteArray() << QByteArray("()");
    QTest::newRow("high bytes unchanged") << QByteArray("caf\xE9 \x80") << QByteArray("(caf\xE9 \x80)");
}

void TestPdfFormat::strings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, literal);
    QCOMPARE(escapeString(bytes), literal);
}

void TestPdfFormat::winAnsi_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Team 4") << QByteArray("Team 4");
    QTest::newRow("latin-1") << QStringLiteral("caf\u00E9 \u00FF") << QByteArray("caf\xE9 \xFF");
    QTest::newRow("euro and dashes") << QStringLiteral("\u20AC\u2013\u2014") << QByteArray("\x80\x96\x97");
    QTest::newRow("Y diaeresis") << QStringLiteral("\u0178") << QByteArray("\x9F");
    QTest::newRow("outside code page") << QStringLiteral("\u03A9x") << QByteArray("?x");
    QTest::newRow("outside basic plane") << QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                              "b")
                                         << QByteArray("a?b");
}

void TestPdfFormat::winAnsi()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toWinAnsi(text), bytes);
}

void TestPdfFormat::fontMapping_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("style");
    QTest::addColumn<QByteArray>("baseFont");
    QTest::addColumn<QByteArray>("alias");
    QTest::newRow("Arial") << QStringLiteral("Arial") << 0 << QByteArray("Helvetica") << QByteArray("F0");
    QTest::newRow("arial bold") << QStringLiteral("arial") << 1 << QByteArray("Helvetica-Bold")
                                << QByteArray("F1");
    QTest::newRow("Helvetica italic")
        << QStringLiteral("HELVETICA") << 2 << QByteArray("Helvetica-Oblique") << QByteArray("F2");
    QTest::newRow("Arial bold italic")
        << QStringLiteral("Arial") << 3 << QByteArray("Helvetica-BoldOblique") << QByteArray("F3");
    QTest::newRow("underline keeps the face")
        << QStringLiteral("Arial") << 5 << QByteArray("Helvetica-Bold") << QByteArray("F1");
    QTest::newRow("Times New Roman") << QStringLiteral("Times New Roman") << 0 << QByteArray("Times-Roman")
                                     << QByteArray("F4");
    QTest::newRow("Times bold italic")
        << QStringLiteral("Times") << 3 << QByteArray("Times-BoldItalic") << QByteArray("F7");
    QTest::newRow("Courier New bold")
        << QStringLiteral("Courier New") << 1 << QByteArray("Courier-Bold") << QByteArray("F9");
    QTest::newRow("Courier italic") << QStringLiteral("courier") << 2 << QByteArray("Courier-Oblique")
                                    << QByteArray("F10");
    QTest::newRow("Symbol ignores style")
        << QStringLiteral("Symbol") << 1 << QByteArray("Symbol") << QByteArray("F12");
    QTest::newRow("ZapfDingbats") << QStringLiteral("ZapfDingbats") << 0 << QByteArray("ZapfDingbats")
                                  << QByteArray("F13");
}

void TestPdfFormat::fontMapping()
{
    QFETCH(QString, name);
    QFETCH(int, style);
    QFETCH(QByteArray, baseFont);
    QFETCH(QByteArray, alias);
    PDFFonts fonts;
    const PDFFont* font = fonts.font(name, style);
    QCOMPARE(font->baseFont(), baseFont);
    QCOMPARE(font->alias(), alias);
    QCOMPARE(fonts.font(name, style), font); // one entry per font
    QCOMPARE(fonts.count(), 1);
}

void TestPdfFormat::unknownFont()
{
    PDFFonts fonts;
    try {
        fonts.font(QStringLiteral("Wingdings"), 0);
        QFAIL("no exception");
    } catch (const PDFException& e) {
        QCOMPARE(e.message(), QStringLiteral("Not valid true type font. Wingdings"));
    }
    QCOMPARE(fonts.count(), 0);
}

void TestPdfFormat::fontWidths_data()
{
    // Published metrics of the standard fonts.
    QTest::addColumn<int>("font");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("width");
    QTest::newRow("Helvetica space") << int(Helvetica) << 32 << 278;
    QTest::newRow("Helvetica W") << int(Helvetica) << int('W') << 944;
    QTest::newRow("Helvetica at") << int(Helvetica) << int('@') << 1015;
    QTest::newRow("Helvetica euro") << int(Helvetica) << 0x80 << 556;
    QTest::newRow("Helvetica ellipsis") << int(Helvetica) << 0x85 << 1000;
    QTest::newRow("Helvetica-Bold A") << int(HelveticaBold) << int('A') << 722;
    QTest::newRow("Helvetica-Bold i") << int(HelveticaBold) << int('i') << 278;
    QTest::newRow("Times-Roman A") << int(TimesRoman) << int('A') << 722;
    QTest::newRow("Times-Italic e acute") << int(TimesItalic) << 0xE9 << 444;
    QTest::newRow("Courier W") << int(Courier) << int('W') << 600;
    QTest::newRow("Courier-BoldOblique y") << int(CourierBoldOblique) << 0xFF << 600;
    QTest::newRow("Symbol alpha") << int(Symbol) << int('a') << 631;
    QTest::newRow("ZapfDingbats a10") << int(ZapfDingbats) << int('A') << 692;
}

void TestPdfFormat::fontWidths()
{
    QFETCH(int, font);
    QFETCH(int, code);
    QFETCH(int, width);
    QCOMPARE(PDFFont(StandardFont(font)).charWidth(uchar(code)), width);
}

QTEST_GUILESS_MAIN(TestPdfFormat)
#include "tst_pdfformat.moc"
