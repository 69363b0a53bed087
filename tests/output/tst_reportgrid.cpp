#include "output/reportgrid.h"
#include "platform/printerrecorder.h"
#include "testenv.h"

#include <QtTest>

using output::ReportGrid;
using platform::PrinterRecorder;
using Orientation = platform::Printer::Orientation;

class TestReportGrid : public QObject
{
    Q_OBJECT
private slots:
    void positions_data()
    {
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("margin");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // 4800 / 80 = 60, 6300 / 74 = 85 (85.1)
        QTest::newRow("judging, column 0") << 4800 << 6300 << false << 80 << 74 << true << 0 << 4 << 120 << 340;
        QTest::newRow("judging, page edge") << 4800 << 6300 << false << 80 << 74 << true << -2 << 0 << 0 << 0;
        QTest::newRow("judging, footer") << 4800 << 6300 << false << 80 << 74 << true << 28 << 73 << 1800 << 6205;
        // landscape: 6300 / 120 = 52 (52.5), 4800 / 56 = 85 (85.7)
        QTest::newRow("class results") << 4800 << 6300 << true << 120 << 56 << true << 82 << 6 << 4368 << 510;
        QTest::newRow("quiz date") << 4800 << 6300 << false << 80 << 70 << true << 60 << 69 << 3720 << 6210;
        // Integer division of an odd page: 4799 / 80 = 59, 6299 / 74 = 85
        QTest::newRow("odd page") << 4799 << 6299 << false << 80 << 74 << true << 10 << 10 << 708 << 850;
        // Without the margin: 4800 / 215 = 22
        QTest::newRow("answer mask") << 4800 << 6300 << false << 215 << 70 << false << 10 << 3 << 220 << 270;
    }
    void positions()
    {
        QFETCH(int, pageWidth);
        QFETCH(int, pageHeight);
        QFETCH(bool, landscape);
        QFETCH(int, columns);
        QFETCH(int, lines);
        QFETCH(bool, margin);
        QFETCH(int, column);
        QFETCH(int, line);
        QFETCH(int, x);
        QFETCH(int, y);
        PrinterRecorder printer;
        printer.setPageSize(pageWidth, pageHeight);
        printer.setOrientation(landscape ? Orientation::Landscape : Orientation::Portrait);
        ReportGrid grid({columns, lines}, margin ? ReportGrid::Margin::TwoColumns : ReportGrid::Margin::None);
        printer.beginDocument();
        grid.printAt(column, line, QStringLiteral("text"));
        grid.setLine(line);
        grid.print(column, QStringLiteral("at the counter"));
        printer.endDocument();
        QCOMPARE(printer.texts.size(), 2);
        for (const PrinterRecorder::Text& t : printer.texts) {
            QCOMPARE(t.x, x);
            QCOMPARE(t.y, y);
        }
    }

    void rightAlignedTextEndsAtTheColumn_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("x");
        // Recorder widths: size x 4 per character; column 52 is at 54 x 60 = 3240.
        QTest::newRow("total") << 10 << QStringLiteral("425") << 52 << 3240 - 120;
        QTest::newRow("rank") << 10 << QStringLiteral("1") << 2 << 240 - 40;
        QTest::newRow("bigger font") << 12 << QStringLiteral("1000") << 60 << 3720 - 192;
        QTest::newRow("empty") << 10 << QString() << 70 << 4320;
    }
    void rightAlignedTextEndsAtTheColumn()
    {
        QFETCH(int, size);
        QFETCH(QString, text);
        QFETCH(int, column);
        QFETCH(int, x);
        PrinterRecorder printer;
        ReportGrid grid(output::Grids::JudgingPortrait);
        printer.beginDocument();
        grid.setFont(size, true);
        grid.setLine(5);
        grid.printRight(column, text);
        grid.PrintRightAligned(grid.x(column), 17, text);
        printer.endDocument();
        QCOMPARE(printer.texts.size(), 2);
        QCOMPARE(printer.texts[0].x, x);
        QCOMPARE(printer.texts[0].y, 5 * 85);
        QCOMPARE(printer.texts[1].x, x);
        QCOMPARE(printer.texts[1].y, 17);
        QCOMPARE(printer.texts[0].font, (platform::PrintFont{QStringLiteral("Arial"), size, true, false}));
    }

    void fontNameStaysWithSizeChanges()
    {
        PrinterRecorder printer;
        ReportGrid grid(output::Grids::Quiz);
        printer.beginDocument();
        grid.setFontName(QStringLiteral("Courier New"));
        grid.setFont(12, true, true);
        grid.printAt(0, 0, QStringLiteral("x"));
        printer.endDocument();
        QCOMPARE(printer.texts[0].font, (platform::PrintFont{QStringLiteral("Courier New"), 12, true, true}));
    }

    // The line counter breaks the page when it reaches lines - 2, after the page's footer
    // and before the next page's header; the header sets the counter to the body's first line.
    void lineCounterStartsNewPages_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("bodyStart");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("lastLine");
        QTest::addColumn<bool>("onDemand");
        // 74 lines: rows on lines 4..71, 68 to a page.
        QTest::newRow("one full page") << 74 << 4 << 1 << 67 << 1 << 71 << false;
        QTest::newRow("page filled") << 74 << 4 << 1 << 68 << 2 << 4 << false;
        QTest::newRow("two pages and one") << 74 << 4 << 1 << 137 << 3 << 5 << false;
        // Steps of 2 from line 4 reach 72 exactly.
        QTest::newRow("double steps") << 74 << 4 << 2 << 34 << 2 << 4 << false;
        // Quiz: counter 3 after the header, page end 68.
        QTest::newRow("quiz") << 70 << 3 << 1 << 65 << 2 << 3 << false;
        // An odd start jumps past the page end.
        QTest::newRow("step over the end") << 74 << 5 << 2 << 34 << 2 << 5 << false;
        // Pages on demand: a filled page starts the next one only when a row comes for it.
        QTest::newRow("on demand: page filled") << 74 << 4 << 1 << 68 << 1 << 72 << true;
        QTest::newRow("on demand: one more row") << 74 << 4 << 1 << 69 << 2 << 5 << true;
    }
    void lineCounterStartsNewPages()
    {
        QFETCH(int, lines);
        QFETCH(int, bodyStart);
        QFETCH(int, step);
        QFETCH(int, rows);
        QFETCH(int, pages);
        QFETCH(int, lastLine);
        QFETCH(bool, onDemand);
        PrinterRecorder printer;
        ReportGrid grid({80, lines});
        grid.setPagesOnDemand(onDemand);
        QCOMPARE(grid.pageEnd(), lines - 2);
        QStringList events;
        grid.onPageEnd = [&] {
            events << QStringLiteral("footer %1").arg(printer.documents.last().pages);
            grid.printAt(28, lines - 1, QStringLiteral("footer"));
        };
        grid.onPageStart = [&] {
            events << QStringLiteral("header %1").arg(printer.documents.last().pages);
            QCOMPARE(grid.line(), 0);
            grid.printAt(0, 0, QStringLiteral("title"));
            grid.setLine(bodyStart);
        };
        printer.beginDocument();
        grid.onPageStart();
        for (int r = 0; r < rows; ++r) {
            grid.print(0, QString::number(r));
            grid.advance(step);
        }
        printer.endDocument();
        QCOMPARE(printer.documents.first().pages, pages);
        QCOMPARE(grid.line(), lastLine);
        QStringList expected{QStringLiteral("header 1")};
        for (int p = 2; p <= pages; ++p)
            expected << QStringLiteral("footer %1").arg(p - 1) << QStringLiteral("header %1").arg(p);
        QCOMPARE(events, expected);
        // No row was drawn on or below the page end.
        for (const PrinterRecorder::Text& t : printer.texts)
            if (t.text != QLatin1String("footer"))
                QVERIFY(t.y < grid.y(grid.pageEnd()));
        QCOMPARE(printer.pageTexts(1, 1).first(), QStringLiteral("title"));
    }
};

QTEST_GUILESS_MAIN(TestReportGrid)
#include "tst_reportgrid.moc"
