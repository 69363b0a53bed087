#include "judging/ui/resultspanel.h"
#include "judgingfixture.h"
#include "panelkit.h"
#include "platform/drives.h"

#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

using namespace judging;
using platform::Dialogs;
using namespace kit;

namespace {

struct Started
{
    int kind = 0;
    ReportSelections selections;
    bool byCounty = false;
};

struct Fixture : judgingtest::ContestFixture
{
    std::unique_ptr<ResultsPanel> panel;
    QList<Started> reports;
    QList<Started> reviews;

    explicit Fixture(bool hooks = true)
    {
        addClass(1, QStringLiteral("Market Hogs"));
        addClass(3, QStringLiteral("Hog Reasons"));
        addClass(5, QStringLiteral("Ewes"));
        addEntry(1, 2, QStringLiteral("Brown County"), {QStringLiteral("Ann"), QStringLiteral("Bob")});
        addEntry(1, 1, QStringLiteral("Adams County"), {QStringLiteral("Cy")});
        addEntry(4, 1, QStringLiteral("Brown County"), {QStringLiteral("Di")});
        addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("001"));
        addAward(QStringLiteral("JI"), QStringLiteral("002"), QStringLiteral("Junior Individuals"), QStringLiteral("ALL"));
        select();
        panel = std::make_unique<ResultsPanel>(program, contest);
        if (hooks) {
            panel->setReportStarter([this](int kind, const ReportSelections& s) { reports.append({kind, s, false}); });
            panel->setReviewStarter([this](const ReportSelections& s, bool byCounty) { reviews.append({0, s, byCounty}); });
        }
        panel->resize(1280, 800);
        panel->open();
        if (!showActive(panel.get()))
            qFatal("panel not active");
    }
    QWidget* p() { return panel.get(); }
    QListWidget* list() { return child<QListWidget>(p(), QStringLiteral("selectionList")); }
    QListWidget* counties() { return child<QListWidget>(p(), QStringLiteral("countyList")); }
    bool enabled(const char* name) { return child<QWidget>(p(), QString::fromLatin1(name))->isEnabled(); }
    bool shown(const char* name) { return child<QWidget>(p(), QString::fromLatin1(name))->isVisible(); }
    QSpinBox* spin(const char* name) { return child<QSpinBox>(p(), QString::fromLatin1(name)); }
    QString classKey(int number) const { return ClassKey(contestKey, ClassNumber(number)); }
    void type(const QString& text)
    {
        QLineEdit* b = box(p(), QStringLiteral("exportFileName"));
        b->setFocus();
        QTest::keyClicks(b, text);
    }

    // Classes 5 and 1 clicked in that order, then the way of processing.
    void chooseClasses(const char* how)
    {
        click(p(), "listClasses");
        clickLine(list(), classKey(5));
        clickLine(list(), classKey(1));
        click(p(), QString::fromLatin1(how));
    }
};

QStringList classKeys(const ReportSelections& s)
{
    QStringList keys;
    for (const ClassChoice& c : s.classes)
        keys << c.key + QLatin1Char('|') + c.title;
    return keys;
}

QStringList awardKeys(const ReportSelections& s)
{
    QStringList keys;
    for (const AwardChoice& a : s.awards)
        keys << a.key + QLatin1Char('|') + a.name;
    return keys;
}

} // namespace

class TestResultsPanel : public QObject
{
    Q_OBJECT

private slots:
    void opening();
    void classesEnableTheWaysOfProcessing();
    void allContestants();
    void byCounty();
    void moreThan24Classes();
    void missingHooksKeepButtonsDisabled();
    void awardsForPrinting();
    void exportEnabling();
    void exportWritesTheFile();
    void exportFailureIsReported_data();
    void exportFailureIsReported();
};

void TestResultsPanel::opening()
{
    Fixture f;
    QCOMPARE(child<QLabel>(f.p(), "contestHeader")->text(), QStringLiteral("LS121026   District Livestock"));
    for (const char* hidden : {"selectionList", "selectionNone", "selectionAll", "selectionHeading", "countyList",
                               "countyNone", "countyAll", "countyCaption", "ranks", "exportRanks", "classNote"})
        QVERIFY2(!f.shown(hidden), hidden);
    for (const char* disabled : {"processToPrinter", "processToScreen", "allContestants", "byCounty",
                                 "processAwards", "processExport"})
        QVERIFY2(!f.enabled(disabled), disabled);
    QVERIFY(f.shown("printNote"));
    QCOMPARE(child<QLabel>(f.p(), "printNote")->text(),
             QStringLiteral("Please print one final class list to verify official placing, cuts, etc prior to "
                            "processing Classes or Awards Results."));

    click(f.p(), "printClassList");
    QCOMPARE(f.reports.size(), 1);
    QCOMPARE(f.reports[0].kind, ReportKind::ClassList);
    QVERIFY(f.reports[0].selections.classes.empty());

    QSignalSpy exit(f.panel.get(), &ResultsPanel::exitRequested);
    click(f.p(), "exitButton");
    QCOMPARE(exit.count(), 1);
}

void TestResultsPanel::classesEnableTheWaysOfProcessing()
{
    Fixture f;
    click(f.p(), "listClasses");
    QCOMPARE(f.panel->listMode(), ResultsPanel::ListMode::Classes);
    QCOMPARE(items(f.list()), (QStringList{f.classKey(1) + "  Market Hogs", f.classKey(3) + "  Hog Reasons",
                                           f.classKey(5) + "  Ewes"}));
    QVERIFY(f.shown("selectionList") && f.shown("selectionAll") && f.shown("selectionNone"));
    QVERIFY(f.shown("classNote"));
    QCOMPARE(child<QLabel>(f.p(), "classNote")->text(),
             QStringLiteral("Note:  The maximum number of classes that can be selected for the Classes - All "
                            "contestants or Classes- By county is 24"));
    QVERIFY(!f.enabled("allContestants"));

    clickLine(f.list(), f.classKey(3));
    QVERIFY(f.enabled("allContestants") && f.enabled("byCounty"));
    QVERIFY(!f.enabled("processToPrinter"));
    clickLine(f.list(), f.classKey(3)); // clicked again: no class left
    QVERIFY(!f.enabled("allContestants"));
    click(f.p(), "selectionAll");
    QCOMPARE(f.list()->selectedItems().size(), 3);
    QVERIFY(f.enabled("allContestants") && f.enabled("byCounty"));
    click(f.p(), "selectionNone");
    QVERIFY(f.list()->selectedItems().isEmpty());
    QVERIFY(!f.enabled("allContestants") && !f.enabled("byCounty"));

    // The award list forgets the classes and their way of processing.
    f.chooseClasses("allContestants");
    QVERIFY(f.enabled("processToPrinter"));
    click(f.p(), "listAwards");
    QVERIFY(!f.shown("classNote"));
    QVERIFY(!f.enabled("allContestants") && !f.enabled("processToPrinter") && !f.enabled("processToScreen"));
    QVERIFY(!child<QRadioButton>(f.p(), "allContestants")->isChecked());
    clickLine(f.list(), 0);
    QVERIFY(!f.enabled("allContestants") && !f.enabled("processToPrinter"));
}

void TestResultsPanel::allContestants()
{
    Fixture f;
    f.chooseClasses("allContestants");
    QVERIFY(!f.shown("countyList"));
    QVERIFY(f.enabled("processToPrinter") && f.enabled("processToScreen"));
    click(f.p(), "processToPrinter");
    click(f.p(), "processToScreen");
    QCOMPARE(f.reports.size(), 1);
    QCOMPARE(f.reports[0].kind, ReportKind::ClassResults);
    // List order, whatever order they were clicked in.
    const QStringList expected{f.classKey(1) + "|Market Hogs", f.classKey(5) + "|Ewes"};
    QCOMPARE(classKeys(f.reports[0].selections), expected);
    QVERIFY(f.reports[0].selections.countyCodes.isEmpty());
    QCOMPARE(f.reviews.size(), 1);
    QVERIFY(!f.reviews[0].byCounty);
    QCOMPARE(classKeys(f.reviews[0].selections), expected);

    // Without classes nothing can be processed; chosen again, the way of processing still holds.
    click(f.p(), "selectionNone");
    QVERIFY(!f.enabled("processToPrinter") && !f.enabled("processToScreen"));
    clickLine(f.list(), f.classKey(3));
    QVERIFY(f.enabled("processToPrinter"));
}

void TestResultsPanel::byCounty()
{
    Fixture f;
    f.addEntry(2, 1, QStringLiteral("Clay County and a name longer than 25"), {QStringLiteral("Ed")});
    f.chooseClasses("byCounty");
    QVERIFY(f.shown("countyList") && f.shown("countyCaption") && f.shown("countyAll") && f.shown("countyNone"));
    QCOMPARE(child<QLabel>(f.p(), "countyCaption")->text(), QStringLiteral("Counties..."));
    // Distinct, first 25 characters, in the order of the entry keys (IT101, SI101, ST101, ST102).
    QCOMPARE(items(f.counties()), (QStringList{"Clay County and a name lo", "Brown County", "Adams County"}));
    QVERIFY(!f.enabled("processToPrinter") && !f.enabled("processToScreen"));

    clickLine(f.counties(), QStringLiteral("Brown"));
    QVERIFY(f.enabled("processToPrinter") && f.enabled("processToScreen"));
    click(f.p(), "processToPrinter");
    QCOMPARE(f.reports.size(), 1);
    QCOMPARE(f.reports[0].kind, ReportKind::CountyClassResults);
    QCOMPARE(classKeys(f.reports[0].selections), (QStringList{f.classKey(1) + "|Market Hogs", f.classKey(5) + "|Ewes"}));
    QCOMPARE(f.reports[0].selections.countyCodes, QStringList{"Bro"});
    QCOMPARE(f.reports[0].selections.counties, QStringList{"Brown County"});

    click(f.p(), "countyAll");
    click(f.p(), "processToScreen");
    QCOMPARE(f.reviews.size(), 1);
    QVERIFY(f.reviews[0].byCounty);
    QCOMPARE(f.reviews[0].selections.countyCodes, (QStringList{"Cla", "Bro", "Ada"}));
    QCOMPARE(f.reviews[0].selections.counties, (QStringList{"Clay County and a name lo", "Brown County", "Adams County"}));

    click(f.p(), "countyNone");
    QVERIFY(!f.enabled("processToPrinter") && !f.enabled("processToScreen"));

    // Back to all contestants: no county list, no counties handed over.
    click(f.p(), "allContestants");
    QVERIFY(!f.shown("countyList"));
    click(f.p(), "processToPrinter");
    QCOMPARE(f.reports.size(), 2);
    QCOMPARE(f.reports[1].kind, ReportKind::ClassResults);
    QVERIFY(f.reports[1].selections.countyCodes.isEmpty());
}

void TestResultsPanel::moreThan24Classes()
{
    Fixture f;
    for (int n = 10; n < 32; ++n)
        f.addClass(n, QStringLiteral("Class %1").arg(n));
    click(f.p(), "listClasses");
    QCOMPARE(f.list()->count(), 25);
    click(f.p(), "selectionAll");
    click(f.p(), "allContestants");
    click(f.p(), "processToPrinter");
    click(f.p(), "processToScreen");
    QCOMPARE(f.env.dialogs.texts(), QStringList(2, ResultsPanel::tooManyClassesMessage(25)));
    QCOMPARE(f.env.dialogs.shown[0].kind, Dialogs::Kind::Warning);
    QVERIFY(f.reports.isEmpty() && f.reviews.isEmpty());
    QCOMPARE(f.list()->selectedItems().size(), 25); // the choice stays for the user to trim

    clickLine(f.list(), f.classKey(3));
    click(f.p(), "processToPrinter");
    QCOMPARE(f.reports.size(), 1);
    QCOMPARE(f.reports[0].selections.classes.size(), std::size_t(24));
}

void TestResultsPanel::missingHooksKeepButtonsDisabled()
{
    Fixture f(false);
    QVERIFY(!f.enabled("printClassList"));
    f.chooseClasses("allContestants");
    QVERIFY(!f.enabled("processToPrinter") && !f.enabled("processToScreen"));
    click(f.p(), "listAwards");
    clickLine(f.list(), 0);
    QVERIFY(!f.enabled("processAwards"));

    // Hooks set later take effect on the screen as it stands.
    f.panel->setReportStarter([&f](int kind, const ReportSelections& s) { f.reports.append({kind, s, false}); });
    QVERIFY(f.enabled("processAwards") && f.enabled("printClassList"));
    f.chooseClasses("allContestants");
    QVERIFY(f.enabled("processToPrinter"));
    QVERIFY(!f.enabled("processToScreen"));
}

void TestResultsPanel::awardsForPrinting()
{
    Fixture f;
    f.add(core::Calc, QStringLiteral("LS121126001ST101 "));
    click(f.p(), "listAwards");
    QCOMPARE(f.panel->listMode(), ResultsPanel::ListMode::Awards);
    QCOMPARE(items(f.list()), (QStringList{"LS121026JI002  Junior Individuals", "LS121026ST001  Senior Teams"}));
    QVERIFY(!f.shown("ranks"));
    QVERIFY(!f.enabled("processAwards"));

    clickLine(f.list(), QStringLiteral("LS121026ST001"));
    QVERIFY(f.shown("ranks"));
    QCOMPARE(f.spin("ranks")->value(), 10);
    QCOMPARE(f.spin("ranks")->minimum(), 1);
    QCOMPARE(f.spin("ranks")->maximum(), 500);
    QVERIFY(f.enabled("processAwards"));
    f.spin("ranks")->setValue(25);
    clickLine(f.list(), QStringLiteral("LS121026JI002"));
    QCOMPARE(f.spin("ranks")->value(), 25); // set once, when the box shows
    // The printing list does not prepare an export.
    click(f.p(), "formatAscii");
    f.type(QStringLiteral("Results"));
    QVERIFY(!f.enabled("processExport"));

    click(f.p(), "processAwards");
    QCOMPARE(f.reports.size(), 1);
    QCOMPARE(f.reports[0].kind, ReportKind::AwardResults);
    QCOMPARE(awardKeys(f.reports[0].selections),
             (QStringList{"LS121026JI002|Junior Individuals", "LS121026ST001|Senior Teams"}));
    QCOMPARE(f.reports[0].selections.ranks, 25);
    QCOMPARE(f.data.RecordCount(core::Calc), 0);

    click(f.p(), "selectionNone");
    QVERIFY(!f.enabled("processAwards"));
    click(f.p(), "selectionAll");
    QVERIFY(f.enabled("processAwards"));

    // Listed again, the box shows with 10 at the next choice.
    click(f.p(), "listAwards");
    QVERIFY(!f.shown("ranks") && !f.enabled("processAwards"));
    clickLine(f.list(), 0);
    QCOMPARE(f.spin("ranks")->value(), 10);
}

void TestResultsPanel::exportEnabling()
{
    Fixture f;
    click(f.p(), "listAwardsExport");
    QCOMPARE(f.panel->listMode(), ResultsPanel::ListMode::ExportAwards);
    QCOMPARE(child<QLabel>(f.p(), "selectionHeading")->text(), QStringLiteral("Select Awards to Process for Exporting..."));
    QCOMPARE(f.list()->count(), 2);
    QVERIFY(!f.shown("exportRanks") && !f.enabled("processExport"));

    clickLine(f.list(), 1);
    QVERIFY(f.shown("exportRanks"));
    QCOMPARE(f.spin("exportRanks")->value(), 10);
    QCOMPARE(f.spin("exportRanks")->maximum(), 500);
    QVERIFY(!f.shown("ranks") && !f.enabled("processAwards"));
    QVERIFY(!f.enabled("processExport"));
    click(f.p(), "formatTab");
    QVERIFY(!f.enabled("processExport"));
    f.type(QStringLiteral("Results"));
    QVERIFY(f.enabled("processExport"));
    box(f.p(), "exportFileName")->clear();
    QVERIFY(!f.enabled("processExport"));
    f.type(QStringLiteral("R"));
    QVERIFY(f.enabled("processExport"));
    click(f.p(), "selectionNone");
    QVERIFY(!f.enabled("processExport"));
    click(f.p(), "selectionAll");
    QVERIFY(f.enabled("processExport"));

    // Listed again: the name must be edited again, whatever the box still shows.
    click(f.p(), "listAwardsExport");
    QCOMPARE(box(f.p(), "exportFileName")->text(), QStringLiteral("R"));
    QVERIFY(!f.enabled("processExport"));
    clickLine(f.list(), 0);
    click(f.p(), "formatAscii");
    QVERIFY(!f.enabled("processExport"));
    f.type(QStringLiteral("esults"));
    QVERIFY(f.enabled("processExport"));

    // Reopened, no format is chosen.
    f.panel->open();
    click(f.p(), "listAwardsExport");
    clickLine(f.list(), 0);
    f.type(QStringLiteral("2"));
    QVERIFY(!f.enabled("processExport"));
    click(f.p(), "formatDelimited");
    QVERIFY(f.enabled("processExport"));
}

void TestResultsPanel::exportWritesTheFile()
{
    Fixture f;
    f.addScore(1, QStringLiteral("101a"), QStringLiteral("A"), 45);
    f.addScore(1, QStringLiteral("102a"), QStringLiteral("A"), 50);
    f.add(core::Calc, QStringLiteral("LS121126001ST101 "));
    click(f.p(), "listAwardsExport");
    clickLine(f.list(), QStringLiteral("LS121026ST001"));
    f.spin("exportRanks")->setValue(1);
    click(f.p(), "formatDelimited");
    f.type(QStringLiteral("Final.old"));
    click(f.p(), "processExport");

    const QString path = f.paths.stateFolder() + QStringLiteral("Files\\Final.txt");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ResultsPanel::exportDoneMessage(path)});
    QCOMPARE(f.env.dialogs.last(), QStringLiteral("Task Completed. The results are located in the file [") + path);
    QCOMPARE(f.env.dialogs.shown[0].kind, Dialogs::Kind::Information);
    QVERIFY(!QApplication::overrideCursor());
    QFile file(platform::Drives::resolve(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(file.readAll());
    QVERIFY(text.startsWith(QStringLiteral("\"Contest LS121026 [District Livestock] Award 001  Senior Teams  Results...\"")));
    // One rank: the better team only.
    QVERIFY(text.contains(QStringLiteral("\"ST  102a\"")));
    QVERIFY(!text.contains(QStringLiteral("\"ST  101a\"")));
    QCOMPARE(f.data.RecordCount(core::Calc), 2); // this run's teams only
}

void TestResultsPanel::exportFailureIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folderBlocked");
    QTest::addColumn<QString>("message");
    QTest::newRow("no usable name") << "..." << false
                                    << "The export file name [...] holds no usable file name.  Nothing was exported.";
    QTest::newRow("folder cannot be made") << "Final" << true
                                           << "The export file [Final.txt] could not be written.  Nothing was exported.";
}

// A failed export tells the user instead of ending silently.
void TestResultsPanel::exportFailureIsReported()
{
    QFETCH(QString, name);
    QFETCH(bool, folderBlocked);
    Fixture f;
    if (folderBlocked) {
        QFile blocker(platform::Drives::resolve(f.paths.stateFolder()) + QStringLiteral("/Files"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    click(f.p(), "listAwardsExport");
    clickLine(f.list(), QStringLiteral("LS121026ST001"));
    click(f.p(), "formatTab");
    f.type(name);
    click(f.p(), "processExport");
    QFETCH(QString, message);
    QCOMPARE(f.env.dialogs.texts(), QStringList{message});
    QCOMPARE(f.env.dialogs.shown[0].kind, Dialogs::Kind::Error);
}

QTEST_MAIN(TestResultsPanel)
#include "tst_resultspanel.moc"
