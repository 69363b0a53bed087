#include "app/windows.h"
#include "core/program.h"
#include "core/ui/mainwindow.h"
#include "core/ui/screens.h"
#include "output/outputdestination.h"
#include "output/reportgrid.h"
#include "output/ui/outputdestinationwindow.h"
#include "platform/files.h"
#include "platform/printerrecorder.h"
#include "platform/shellopen.h"
#include "testenv.h"

#include <QPushButton>
#include <QtTest>

using platform::Printer;
using platform::PrinterRecorder;

namespace {

// A judging screen, the destination window and a dispatcher that prints one page naming the
// report kind and ends, like every judging report, with OpenPdfPrinterOutput.
struct Fixture
{
    Fixture() : program(env.install()), screens(program), destination(screens)
    {
        screens.add(core::JudgingScreen, &judging);
        screens.add(core::OutputScreen, &destination);
        program.currentScreen = core::JudgingScreen;
        judging.show();
        output::FindPdfPrinter(program);
        program.onJudgingReport = [this](int kind) {
            kinds << kind;
            printer.beginDocument();
            output::ReportGrid grid(output::Grids::JudgingPortrait);
            grid.printAt(0, 0, QStringLiteral("report %1").arg(kind));
            printer.endDocument();
            output::OpenPdfPrinterOutput(program);
        };
    }

    testsupport::TestEnv env;
    PrinterRecorder printer; // built-in PDF printer at 0, the office laser selected
    core::Program program;
    core::Screens screens;
    QWidget judging;
    output::OutputDestinationWindow destination;
    QList<int> kinds;
};

QStringList jobPrinters(const PrinterRecorder& printer)
{
    QStringList names;
    for (const auto& d : printer.documents)
        names << d.printer;
    return names;
}

} // namespace

class TestOutputDestination : public QObject
{
    Q_OBJECT
private slots:
    void findPdfPrinter_data()
    {
        QTest::addColumn<QStringList>("printers");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("index");
        QStringList many;
        for (int i = 0; i < 30; ++i)
            many << QStringLiteral("Laser %1").arg(i);
        QTest::newRow("first of two names")
            << QStringList{QStringLiteral("Office Laser 4"), QStringLiteral("Adobe PDF"), QStringLiteral("Acrobat Distiller")}
            << 0 << true << 1;
        QTest::newRow("index 30 is not looked at") << (many + QStringList{QStringLiteral("Adobe PDF")}) << 0 << false << 0;
        QTest::newRow("index 25 is the last looked at")
            << (many.mid(0, 25) + QStringList{QStringLiteral("Acrobat Distiller")}) << 3 << true << 25;
        QTest::newRow("name inside a longer one")
            << QStringList{QStringLiteral("Office Laser"), QStringLiteral("\\\\SERVER\\Adobe PDF on Ne01:")} << 0 << true
            << 1;
        QTest::newRow("built-in") << QStringList{Printer::builtInPdfName(), QStringLiteral("Office Laser")} << 1 << true
                                  << 0;
        QTest::newRow("none") << QStringList{QStringLiteral("Office Laser"), QStringLiteral("PDF Writer")} << 1 << false
                              << 0;
        QTest::newRow("no printers") << QStringList() << 0 << false << 0;
    }
    void findPdfPrinter()
    {
        QFETCH(QStringList, printers);
        QFETCH(int, current);
        QFETCH(bool, found);
        QFETCH(int, index);
        PrinterRecorder printer;
        printer.setPrinters(printers, current);
        core::Program program(core::InstallPaths{QStringLiteral("C:"), QStringLiteral("\\HWK")});
        program.pdfPrinterFound = true; // from an earlier look
        output::FindPdfPrinter(program);
        QCOMPARE(program.pdfPrinterFound, found);
        if (found)
            QCOMPARE(program.pdfPrinterIndex, index);
        QCOMPARE(program.startupPrinterIndex, current);
    }

    void printerButtonUsesTheStartupPrinter()
    {
        Fixture f;
        f.destination.ShowOutputDestination(7);
        QVERIFY(f.destination.isVisible());
        QCOMPARE(f.env.dialogs.beeps, 1);
        QVERIFY(!f.judging.isEnabled());
        QVERIFY(f.destination.pdfButton()->isEnabled());
        QCOMPARE(f.program.pendingReportKind, 7);

        QTest::mouseClick(f.destination.printerButton(), Qt::LeftButton);
        QVERIFY(!f.destination.isVisible());
        QVERIFY(f.judging.isEnabled());
        QCOMPARE(f.kinds, QList<int>{7});
        QCOMPARE(jobPrinters(f.printer), QStringList{QStringLiteral("Front Office Laser")});
        QVERIFY(!f.program.pdfChosen);
        QCOMPARE(platform::ShellOpen::recorded(), QStringList());
    }

    void pdfButtonPrintsToThePdfPrinterAndOpensItsFile()
    {
        Fixture f;
        // The recorder writes no file; the built-in printer would have.
        platform::Files::makeFolder(QStringLiteral("C:\\hwk\\Marvolen"));
        platform::Files::createEmpty(Printer::builtInPdfFile());
        output::ShowOutputDestination(f.screens, 6);
        QTest::mouseClick(f.destination.pdfButton(), Qt::LeftButton);
        QCOMPARE(f.kinds, QList<int>{6});
        QVERIFY(f.program.pdfChosen);
        QCOMPARE(jobPrinters(f.printer), QStringList{Printer::builtInPdfName()});
        QCOMPARE(platform::ShellOpen::recorded(), QStringList{Printer::builtInPdfFile()});
        // Whatever prints straight to the printer next goes to the ordinary one.
        QCOMPARE(f.printer.printerIndex(), 1);

        // The next report to the printer goes to the start-up printer, not the last one used.
        f.printer.setPrinterIndex(2);
        output::ShowOutputDestination(f.screens, 1);
        QTest::mouseClick(f.destination.printerButton(), Qt::LeftButton);
        QCOMPARE(jobPrinters(f.printer), (QStringList{Printer::builtInPdfName(), QStringLiteral("Front Office Laser")}));
        QVERIFY(!f.program.pdfChosen);
        QCOMPARE(platform::ShellOpen::recorded().size(), 1);
    }

    void cancelPrintsNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("button") << false;
        QTest::newRow("escape key") << true;
    }
    void cancelPrintsNothing()
    {
        QFETCH(bool, escape);
        Fixture f;
        f.printer.setPrinterIndex(2);
        f.destination.ShowOutputDestination(4);
        if (escape)
            QTest::keyClick(&f.destination, Qt::Key_Escape);
        else
            QTest::mouseClick(f.destination.cancelButton(), Qt::LeftButton);
        QVERIFY(!f.destination.isVisible());
        QVERIFY(f.judging.isEnabled());
        QVERIFY(f.kinds.isEmpty());
        QVERIFY(f.printer.documents.isEmpty());
        QCOMPARE(f.printer.printerIndex(), 2);
        QCOMPARE(f.program.pendingReportKind, 0);
        QVERIFY(!f.program.pdfChosen);
    }

    void withoutPdfPrinterOnlyPaper()
    {
        Fixture f;
        f.printer.setPrinters({QStringLiteral("Office Laser"), QStringLiteral("Label Printer")}, 0);
        output::FindPdfPrinter(f.program);
        f.destination.ShowOutputDestination(2);
        QVERIFY(!f.destination.pdfButton()->isEnabled());
        f.destination.sendToPdf(); // not even when called directly
        QVERIFY(f.kinds.isEmpty());
        QVERIFY(f.destination.isVisible());
        f.destination.cancel();
    }

    void outsideJudgingTheScreenStaysEnabled()
    {
        Fixture f;
        f.program.currentScreen = core::MainScreen;
        f.destination.ShowOutputDestination(1);
        QVERIFY(f.judging.isEnabled());
        f.destination.sendToPrinter();
        QCOMPARE(f.kinds, QList<int>{1});
    }

    void openPdfPrinterOutput_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<QString>("pdfPrinter");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("opened");
        const QString builtIn = Printer::builtInPdfName();
        QTest::newRow("built-in chosen") << true << builtIn << true << true;
        QTest::newRow("not chosen") << false << builtIn << true << false;
        QTest::newRow("no file") << true << builtIn << false << false;
        // Another PDF printer leaves its file where we cannot know.
        QTest::newRow("another PDF printer") << true << QStringLiteral("Adobe PDF") << true << false;
    }
    void openPdfPrinterOutput()
    {
        QFETCH(bool, chosen);
        QFETCH(QString, pdfPrinter);
        QFETCH(bool, fileExists);
        QFETCH(bool, opened);
        Fixture f;
        f.printer.setPrinters({QStringLiteral("Office Laser"), pdfPrinter}, 0);
        output::FindPdfPrinter(f.program);
        if (fileExists) {
            platform::Files::makeFolder(QStringLiteral("C:\\hwk\\Marvolen"));
            platform::Files::createEmpty(Printer::builtInPdfFile());
        }
        f.program.pdfChosen = chosen;
        f.printer.setPrinterIndex(1);
        output::OpenPdfPrinterOutput(f.program);
        QCOMPARE(platform::ShellOpen::recorded(), opened ? QStringList{Printer::builtInPdfFile()} : QStringList());
        QCOMPARE(f.printer.printerIndex(), 0);
    }

    void startupFindsThePdfPrinterAndMakesTheWindow()
    {
        testsupport::TestEnv env;
        PrinterRecorder printer;
        printer.setPrinters({QStringLiteral("Office Laser"), QStringLiteral("Plotter"), Printer::builtInPdfName()}, 1);
        core::Program program(env.install());
        core::Screens screens(program);
        app::Windows windows(screens);
        QVERIFY(program.pdfPrinterFound);
        QCOMPARE(program.pdfPrinterIndex, 2);
        QCOMPARE(program.startupPrinterIndex, 1);
        auto* window = qobject_cast<output::OutputDestinationWindow*>(screens.window(core::OutputScreen));
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Printer Output Destination..."));
        QVERIFY(!(window->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint)));
        // Going to the Judging screen does not show it.
        screens.ShowScreen({core::JudgingScreen});
        QVERIFY(!window->isVisible());
        program.closing = true;
        screens.ShowScreen({core::MainScreen});
    }
};

QTEST_MAIN(TestOutputDestination)
#include "tst_outputdestination.moc"
