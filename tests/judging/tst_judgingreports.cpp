// The judging reports end to end: a screen's print button, the destination window and the
// report drawn by the real built-in PDF printer, read back by qpdf and poppler.
#include "../output/pdf/pdftools.h"
#include "core/ui/screens.h"
#include "judging/ui/judgingwindow.h"
#include "judging/ui/resultspanel.h"
#include "judgingfixture.h"
#include "output/outputdestination.h"
#include "output/ui/outputdestinationwindow.h"
#include "panelkit.h"
#include "platform/printer.h"
#include "platform/printerrecorder.h"
#include "platform/shellopen.h"

#include <QAction>
#include <QListWidget>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

using namespace judging;
using namespace kit;
using platform::Printer;

// The judging window on the fixture's contest, with the destination window it asks.
struct Windows
{
    core::Screens screens;
    output::OutputDestinationWindow destination{screens};
    std::unique_ptr<JudgingWindow> judging;

    explicit Windows(judgingtest::ContestFixture& f) : screens(f.program)
    {
        screens.add(core::OutputScreen, &destination);
        output::FindPdfPrinter(f.program);
        judging = std::make_unique<JudgingWindow>(screens);
        judging->contest() = f.contest;
        judging->contestChanged();
    }
};

class TestJudgingReports : public QObject
{
    Q_OBJECT
private slots:
    // Every print button of the judging window asks for the destination and prints its report.
    void printButtons_data()
    {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("kind");
        QTest::newRow("contest parameters") << "contestsItem"
                                            << QStringList{"listContests", "contestList=LS121026", "printParameters"} << int(ReportKind::ContestParameters);
        QTest::newRow("team list") << "teamsItem" << QStringList{"printTeamList", "allButton", "printTeamList"}
                                   << int(ReportKind::TeamList);
        QTest::newRow("class list") << "classesItem" << QStringList{"printClassList"} << int(ReportKind::ClassList);
        QTest::newRow("award list") << "awardsItem" << QStringList{"printAwardList"} << int(ReportKind::AwardList);
        QTest::newRow("score list") << "manualScoringItem" << QStringList{"printScoreList"} << int(ReportKind::ScoreList);
        QTest::newRow("missing score list") << "manualScoringItem" << QStringList{"printMissingList"}
                                            << int(ReportKind::MissingScoreList);
        QTest::newRow("class list of the results") << "resultsItem" << QStringList{"printClassList"} << int(ReportKind::ClassList);
        QTest::newRow("class results") << "resultsItem"
                                       << QStringList{"listClasses", "selectionAll", "allContestants", "processToPrinter"}
                                       << int(ReportKind::ClassResults);
    }

    void printButtons()
    {
        QFETCH(QString, menuItem);
        QFETCH(QStringList, clicks);
        QFETCH(int, kind);
        judgingtest::ContestFixture f;
        f.addClass(1, QStringLiteral("Market Steers"));
        f.addEntry(1, 1, QStringLiteral("Adams County"), {"Ann Adams"});
        f.addScore(1, QStringLiteral("101a"), QStringLiteral("A"), 50);
        f.addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("ALL"));
        f.select();
        platform::PrinterRecorder printer;
        Windows windows(f);
        JudgingWindow& window = *windows.judging;
        output::OutputDestinationWindow& destination = windows.destination;
        QAction* item = window.findChild<QAction*>(menuItem);
        QVERIFY(item && item->isEnabled());
        item->trigger();
        QWidget* panel = window.panels()->currentWidget();
        // A button by name, or "list=text" for the line of a list that starts with the text.
        for (const QString& name : clicks) {
            panel = window.panels()->currentWidget();
            if (name.contains(QLatin1Char('=')))
                QVERIFY(clickLine(child<QListWidget>(panel, name.section(QLatin1Char('='), 0, 0)),
                                  name.section(QLatin1Char('='), 1)));
            else
                click(panel, name);
        }
        QVERIFY(destination.isVisible());
        QTest::mouseClick(destination.printerButton(), Qt::LeftButton);
        QCOMPARE(printer.documents.size(), 1);
        QCOMPARE(printer.documents.first().title, ReportJobTitle(kind));
        QVERIFY(printer.documents.first().ended);
        QVERIFY(platform::ShellOpen::recorded().isEmpty()); // paper, not the PDF viewer
    }

    void awardResultsToPdf()
    {
        judgingtest::ContestFixture f(4, 3);
        f.addClass(1, QStringLiteral("Market Steers"));
        f.addClass(2, QStringLiteral("Steer Reasons"), ReasonsClass);
        f.addEntry(1, 1, QStringLiteral("Adams County"), {"Ann Adams", "Bob Baker", "Cal Cole", "Dee Dunn"});
        f.addEntry(1, 2, QStringLiteral("Blaine County"), {"Eve Evans", "Fay Fox", "Gus Grant"});
        const int scores[][2] = {{45, 40}, {50, 44}, {30, 35}, {48, 41}, {47, 42}, {41, 38}, {39, 30}};
        const QStringList contestants{"101a", "101b", "101c", "101d", "102a", "102b", "102c"};
        for (int i = 0; i < contestants.size(); ++i) {
            f.addScore(1, contestants[i], QStringLiteral("A"), scores[i][0]);
            f.addScore(2, contestants[i], QString(), scores[i][1]);
        }
        f.addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("ALL"),
                   QStringLiteral("002"));
        f.select();

        Windows windows(f);
        JudgingWindow& window = *windows.judging;
        output::OutputDestinationWindow& destination = windows.destination;
        ResultsPanel* results = window.resultsPanel();
        results->open();
        click(results, QStringLiteral("listAwards"));
        click(results, QStringLiteral("selectionAll"));
        click(results, QStringLiteral("processAwards"));
        QVERIFY(destination.isVisible());
        QTest::mouseClick(destination.pdfButton(), Qt::LeftButton);

        const QString pdf = Printer::builtInPdfFile(QStringLiteral("Award Results"));
        QCOMPARE(platform::ShellOpen::recorded(), QStringList{pdf});
        QCOMPARE(f.program.pendingReportKind, 0);
        // The next report goes to the printer of the start-up again.
        QCOMPARE(Printer::instance().printerIndex(), f.program.startupPrinterIndex);
        const QString file = f.env.host(pdf);
        const pdftools::Result check = pdftools::check(file);
        QVERIFY2(check.ok, check.output.constData());
        const pdftools::Result text = pdftools::run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
        // pdftotext lays the words out again, so blanks are compared as one.
        const QString page = QString::fromUtf8(text.output).simplified();
        QVERIFY2(page.contains(QStringLiteral("Contest LS121026 [District Livestock] ST Award 001 Senior Teams Results...")),
                 text.output.constData());
        QVERIFY(page.contains(QStringLiteral("Adams County")));
        // Team 101: 94 + 89 + 85 = 268 with Cal Cole (65) dropped, tie-breaker 40 + 44 + 41 = 125;
        // team 102: 89 + 79 + 69 = 237, tie-breaker 110.
        QVERIFY(page.contains(QStringLiteral("268")));
        QVERIFY(page.contains(QStringLiteral("125")));
        QVERIFY(page.contains(QStringLiteral("237")));
        QVERIFY(page.indexOf(QStringLiteral("268")) < page.indexOf(QStringLiteral("237")));
        QVERIFY(page.contains(QStringLiteral("Marvolen 2006")));
    }
};

QTEST_MAIN(TestJudgingReports)
#include "tst_judgingreports.moc"
