// The built-in PDF printer end to end: a report chosen for the PDF destination is drawn on
// the report grid by the real printer, and its file is read back by qpdf and poppler.
#include "core/program.h"
#include "core/ui/screens.h"
#include "output/outputdestination.h"
#include "output/reportgrid.h"
#include "output/ui/outputdestinationwindow.h"
#include "pdf/pdftools.h"
#include "platform/printer.h"
#include "platform/shellopen.h"
#include "testenv.h"

#include <QPushButton>
#include <QtTest>

using platform::Printer;

namespace {

// Device units of the built-in printer (600 per inch, quarter-inch margins) in points.
double points(int units)
{
    return 18.0 + units * 72.0 / 600.0;
}

const pdftools::Word* findWord(const QList<pdftools::Word>& words, const QString& text)
{
    for (const pdftools::Word& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

} // namespace

class TestPrinterPdf : public QObject
{
    Q_OBJECT
private slots:
    void reportToThePdfDestination()
    {
        testsupport::TestEnv env;
        core::Program program(env.install());
        core::Screens screens(program);
        output::OutputDestinationWindow destination(screens);
        screens.add(core::OutputScreen, &destination);
        output::FindPdfPrinter(program);
        QVERIFY(program.pdfPrinterFound);
        QCOMPARE(Printer::instance().printers().at(program.pdfPrinterIndex), Printer::builtInPdfName());

        int rightEdge = 0;
        int firstLineTop = 0;
        int firstColumn = 0;
        program.onJudgingReport = [&](int kind) {
            Printer& printer = Printer::instance();
            printer.setOrientation(Printer::Orientation::Portrait);
            output::ReportGrid grid(output::Grids::JudgingPortrait);
            QVERIFY(printer.beginDocument());
            grid.onPageStart = [&] {
                grid.setFont(12, true);
                grid.printAt(0, 0, QStringLiteral("Contest 12345678 [Spring Show] Award Results..."));
                grid.setFont(10);
                grid.setLine(4);
            };
            grid.onPageStart();
            for (int rank = 1; rank <= 80; ++rank) {
                grid.printRight(2, QString::number(rank));
                grid.print(8, QStringLiteral("ST  101a"));
                grid.printRight(52, QString::number(500 - rank));
                grid.advance();
            }
            printer.setPen(Qt::black, 4);
            printer.drawRect(grid.x(0), grid.y(72), grid.x(20), grid.y(73));
            printer.endDocument();
            rightEdge = grid.x(52);
            firstLineTop = grid.y(4);
            firstColumn = grid.x(8);
            QCOMPARE(kind, 7);
            output::OpenPdfPrinterOutput(program);
        };
        destination.ShowOutputDestination(7);
        QTest::mouseClick(destination.pdfButton(), Qt::LeftButton);

        QCOMPARE(platform::ShellOpen::recorded(), QStringList{Printer::builtInPdfFile()});
        const QString file = env.host(Printer::builtInPdfFile());
        const pdftools::Result check = pdftools::check(file);
        QVERIFY2(check.ok, check.output.constData());
        const pdftools::Result info = pdftools::run(QStringLiteral("pdfinfo"), {file});
        QVERIFY2(info.output.contains("Pages:           2"), info.output.constData());
        QVERIFY(info.output.contains("612 x 792 pts (letter)"));

        // 68 rows fill page 1 (lines 4 to 71); the header comes again on page 2.
        const QList<pdftools::Word> page1 = pdftools::words(file, 1);
        const QList<pdftools::Word> page2 = pdftools::words(file, 2);
        QVERIFY(findWord(page1, QStringLiteral("Results...")));
        QVERIFY(findWord(page2, QStringLiteral("Results...")));
        QVERIFY(findWord(page1, QStringLiteral("432"))); // rank 68
        QVERIFY(!findWord(page1, QStringLiteral("431")));
        QVERIFY(findWord(page2, QStringLiteral("431")));

        // Right-aligned totals end at the column; rows start at their column and line.
        const pdftools::Word* total = findWord(page1, QStringLiteral("499"));
        QVERIFY(total);
        QVERIFY2(qAbs(total->box.right() - points(rightEdge)) < 1.0,
                 qPrintable(QStringLiteral("%1 %2").arg(total->box.right()).arg(points(rightEdge))));
        const pdftools::Word* contestant = findWord(page1, QStringLiteral("101a"));
        QVERIFY(contestant);
        const pdftools::Word* level = findWord(page1, QStringLiteral("ST"));
        QVERIFY(level);
        QVERIFY(qAbs(level->box.left() - points(firstColumn)) < 1.0);
        QVERIFY2(qAbs(level->box.top() - points(firstLineTop)) < 3.0,
                 qPrintable(QStringLiteral("%1 %2").arg(level->box.top()).arg(points(firstLineTop))));
    }

    void landscapeJobReplacesTheLastFile()
    {
        testsupport::TestEnv env;
        Printer& printer = Printer::instance();
        printer.setPrinterIndex(0);
        for (const char* title : {"first job", "second job"}) {
            printer.setOrientation(Printer::Orientation::Landscape);
            output::ReportGrid grid(output::Grids::JudgingLandscape);
            QVERIFY(printer.beginDocument());
            grid.setFont(8);
            grid.printAt(-2, 0, QString::fromLatin1(title));
            printer.endDocument();
        }
        printer.setOrientation(Printer::Orientation::Portrait);
        const QString file = env.host(Printer::builtInPdfFile());
        QVERIFY(pdftools::check(file).ok);
        const pdftools::Result info = pdftools::run(QStringLiteral("pdfinfo"), {file});
        QVERIFY2(info.output.contains("792 x 612 pts"), info.output.constData());
        const pdftools::Result text = pdftools::run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
        QCOMPARE(text.output.trimmed(), QByteArray("second job"));
        QVERIFY(pdftools::words(file, 1).first().box.left() < 19.0); // column -2 is the page edge
    }
};

QTEST_MAIN(TestPrinterPdf)
#include "tst_printerpdf.moc"
