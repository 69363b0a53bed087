#include "platform/printer.h"
#include "platform/printerdevice.h"
#include "platform/printerrecorder.h"
#include "testenv.h"

#include <QtTest>

using platform::Printer;
using platform::PrinterRecorder;
using platform::PrintFont;
using Orientation = platform::Printer::Orientation;

class TestPrinter : public QObject
{
    Q_OBJECT
private slots:
    void recorderIsTheInstanceWhileItLives()
    {
        {
            PrinterRecorder recorder;
            QCOMPARE(&Printer::instance(), &recorder);
            QCOMPARE(recorder.printers().first(), Printer::builtInPdfName());
            QCOMPARE(recorder.printerName(), QStringLiteral("Front Office Laser"));
        }
        QVERIFY(dynamic_cast<platform::PrinterDevice*>(&Printer::instance()));
    }

    void recorderKeepsJobsPagesAndFonts()
    {
        testsupport::TestEnv env;
        PrinterRecorder printer;
        printer.setOrientation(Orientation::Landscape);
        QVERIFY(printer.beginDocument());
        printer.setFont(12, true);
        printer.drawText(10, 20, QStringLiteral("Title"));
        printer.newPage();
        printer.setFont(PrintFont{QStringLiteral("Courier New"), 8, false, true});
        printer.drawText(30, 40, QStringLiteral("Second page"));
        printer.setPen(Qt::red, 3);
        printer.setBrush(Qt::black);
        printer.drawRect(1, 2, 3, 4);
        printer.drawLine(5, 6, 7, 8);
        printer.endDocument();

        printer.setOrientation(Orientation::Portrait);
        printer.setPrinterIndex(0);
        QVERIFY(printer.beginDocument());
        // Every job starts with the default font, pen and brush.
        QCOMPARE(printer.font(), PrintFont());
        printer.drawText(0, 0, QStringLiteral("Next job"));
        printer.drawRect(0, 0, 9, 9);
        printer.endDocument();

        QCOMPARE(printer.documents.size(), 2);
        QCOMPARE(printer.documents[0].printer, QStringLiteral("Front Office Laser"));
        QCOMPARE(printer.documents[0].pages, 2);
        QCOMPARE(printer.documents[0].orientation, Orientation::Landscape);
        QCOMPARE(printer.documents[1].printerIndex, 0);
        QVERIFY(printer.documents[1].ended);
        QCOMPARE(printer.pageTexts(1, 2), QStringList{QStringLiteral("Second page")});
        const PrinterRecorder::Text* title = printer.find(QStringLiteral("Title"));
        QVERIFY(title);
        QCOMPARE(title->font, (PrintFont{QStringLiteral("Arial"), 12, true, false}));
        QCOMPARE(printer.strayDrawings, 0);
        QCOMPARE(printer.dump(),
                 QStringLiteral("job 1 [Front Office Laser] landscape, 2 pages\n"
                                "p1 x=10 y=20 Arial 12 B: Title\n"
                                "p2 x=30 y=40 Courier New 8 I: Second page\n"
                                "p2 rect 1,2 3,4 pen #ff0000/3 brush #000000\n"
                                "p2 line 5,6 7,8 pen #ff0000/3\n"
                                "job 2 [Marvolen PDF Printer] portrait, 1 page\n"
                                "p1 x=0 y=0 Arial 10: Next job\n"
                                "p1 rect 0,0 9,9 pen #000000/1 brush none\n"));
    }

    void selectionAndOrientationHoldDuringAJob()
    {
        testsupport::TestEnv env;
        PrinterRecorder printer;
        printer.setPrinterIndex(7); // no such printer
        QCOMPARE(printer.printerIndex(), 1);
        QCOMPARE(printer.pageWidth(), 4800);
        QCOMPARE(printer.pageHeight(), 6300);
        printer.beginDocument();
        printer.setPrinterIndex(2);
        printer.setOrientation(Orientation::Landscape);
        QCOMPARE(printer.printerIndex(), 1);
        QCOMPARE(printer.pageWidth(), 4800);
        printer.endDocument();
        printer.setOrientation(Orientation::Landscape);
        QCOMPARE(printer.pageWidth(), 6300);
        QCOMPARE(printer.pageHeight(), 4800);
    }

    void aPrinterThatCannotStartIsReported()
    {
        testsupport::TestEnv env;
        PrinterRecorder printer;
        printer.refuseDocuments = true;
        QVERIFY(!printer.beginDocument());
        QCOMPARE(env.dialogs.texts(),
                 QStringList{QStringLiteral("The printer [Front Office Laser] could not start printing.  Nothing was printed.")});
        printer.drawText(0, 0, QStringLiteral("lost"));
        printer.newPage();
        printer.endDocument();
        QCOMPARE(printer.documents.size(), 0);
        QCOMPARE(printer.strayDrawings, 2);
        QVERIFY(printer.beginDocument()); // only the one job was refused
    }

    void builtInPdfPrinterPage_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("portrait") << int(Orientation::Portrait) << 4800 << 6300;
        QTest::newRow("landscape") << int(Orientation::Landscape) << 6300 << 4800;
    }
    void builtInPdfPrinterPage()
    {
        QFETCH(int, orientation);
        QFETCH(int, width);
        QFETCH(int, height);
        testsupport::TestEnv env;
        platform::PrinterDevice printer;
        QCOMPARE(printer.printers().first(), Printer::builtInPdfName());
        printer.setPrinterIndex(0);
        printer.setOrientation(Orientation(orientation));
        QCOMPARE(printer.pageWidth(), width);
        QCOMPARE(printer.pageHeight(), height);
    }

    void builtInPdfPrinterMeasuresLikeItPaints()
    {
        testsupport::TestEnv env;
        platform::PrinterDevice printer;
        printer.setPrinterIndex(0);
        const QString text = QStringLiteral("Contest 12345678 Results");
        printer.setFont(10);
        const int before = printer.textWidth(text);
        // About half an em per character: 10 points are 83 units at 600 per inch.
        QVERIFY2(before > text.size() * 30 && before < text.size() * 55, qPrintable(QString::number(before)));
        printer.setFont(20, true);
        QVERIFY(printer.textWidth(text) > 2 * before);
        printer.setFont(10);
        QVERIFY(printer.beginDocument());
        QCOMPARE(printer.textWidth(text), before);
        printer.endDocument();
        QVERIFY(QFile::exists(env.host(Printer::builtInPdfFile())));
    }

    void jobTitlesNameTheFiles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "Quiz Questions 1" << "Quiz Questions 1";
        QTest::newRow("path characters") << "..\\Round 1/2: A*?" << "___Round 1_2_ A__";
        QTest::newRow("accents") << QStringLiteral("R\u00e9sum\u00e9 (final)") << "R_sum_ (final)";
        QTest::newRow("blanks only") << "   " << "Printout";
        QTest::newRow("empty") << "" << "Printout";
        QTest::newRow("device name") << "con" << "con_";
        QTest::newRow("long") << QString(70, u'x') << QString(64, u'x');
    }
    void jobTitlesNameTheFiles()
    {
        QFETCH(QString, title);
        QFETCH(QString, file);
        QCOMPARE(Printer::builtInPdfFile(title), "C:\\hwk\\Marvolen\\" + file + ".pdf");
    }

    void titledJobsKeepTheirOwnFiles()
    {
        QCOMPARE(Printer::builtInPdfFile(), QStringLiteral("C:\\hwk\\Marvolen\\Printout.pdf"));
        testsupport::TestEnv env;
        {
            PrinterRecorder recorder;
            recorder.beginDocument(QStringLiteral("Quiz Answers"));
            recorder.endDocument();
            recorder.beginDocument();
            recorder.endDocument();
            QCOMPARE(recorder.documents[0].title, QStringLiteral("Quiz Answers"));
            QCOMPARE(recorder.documents[1].title, Printer::defaultTitle());
            QCOMPARE(recorder.dump(), QStringLiteral("job 1 \"Quiz Answers\" [Front Office Laser] portrait, 1 page\n"
                                                     "job 2 [Front Office Laser] portrait, 1 page\n"));
        }
        platform::PrinterDevice printer;
        printer.setPrinterIndex(0);
        for (const QString& title : {QStringLiteral("First"), QStringLiteral("Second")}) {
            QVERIFY(printer.beginDocument(title));
            QCOMPARE(printer.documentTitle(), title);
            printer.drawText(0, 0, title);
            printer.endDocument();
        }
        QVERIFY(QFile::exists(env.host(QStringLiteral("C:\\hwk\\Marvolen\\First.pdf"))));
        QVERIFY(QFile::exists(env.host(QStringLiteral("C:\\hwk\\Marvolen\\Second.pdf"))));
        QVERIFY(!QFile::exists(env.host(Printer::builtInPdfFile())));
    }
};

QTEST_MAIN(TestPrinter)
#include "tst_printer.moc"
