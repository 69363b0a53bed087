#include "core/datamaster.h"
#include "core/program.h"
#include "core/ui/screens.h"
#include "judging/fields.h"
#include "judging/ui/awardspanel.h"
#include "judging/ui/classespanel.h"
#include "judging/ui/contestcodespanel.h"
#include "judging/ui/contestspanel.h"
#include "judging/ui/manualscoringpanel.h"
#include "judging/ui/resultspanel.h"
#include "judging/ui/judgingwindow.h"
#include "judging/ui/teamspanel.h"
#include "panelkit.h"
#include "testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>

using namespace judging;
using platform::Dialogs;
using namespace kit;

namespace {

const QString today = QStringLiteral("LS121026"); // the pinned day: 12/10/2026

struct Fixture
{
    testsupport::TestEnv env;
    core::InstallPaths paths = env.install();
    core::Program program{paths};
    std::unique_ptr<core::Screens> screens;
    std::unique_ptr<JudgingWindow> window;
    core::DataMaster& data = program.data();

    Fixture()
    {
        program.RunStartupSequence();
        screens = std::make_unique<core::Screens>(program);
        window = std::make_unique<JudgingWindow>(*screens);
        if (!showActive(window.get()))
            qFatal("window not active");
        env.dialogs.clear();
    }
    QAction* item(const char* name) { return child<QAction>(window.get(), QString::fromLatin1(name)); }
    QWidget* codes()
    {
        item("contestCodesItem")->trigger();
        return window->contestCodesPanel();
    }
    QWidget* contests()
    {
        item("contestsItem")->trigger();
        return window->contestsPanel();
    }
    QString field(int table, const QString& key, int f)
    {
        return data.FindRecord(table, key) ? data.ReadField(table, f) : QStringLiteral("<none>");
    }
    void add(int table, const QString& key, std::initializer_list<std::pair<int, QString>> fields = {})
    {
        data.AddRecord(table, key);
        for (const auto& [f, value] : fields)
            data.WriteField(table, f, value);
    }
    void addContest(const QString& key, const QString& title)
    {
        add(core::Cont, key,
            {{ContField::Title, title}, {ContField::MaxMembers, "4"}, {ContField::ScoresSaved, "3"},
             {ContField::levelCount(1), "3"}, {ContField::UseSupportData, "1"}});
    }
    // Lists the known contests and clicks the one with `key`.
    QWidget* select(const QString& key)
    {
        QWidget* p = contests();
        click(p, QStringLiteral("listContests"));
        if (!clickLine(child<QListWidget>(p, QStringLiteral("contestList")), key))
            qFatal("no contest %s", qPrintable(key));
        return p;
    }
    int count(int table)
    {
        return data.RecordCount(table);
    }
};

} // namespace

class TestContestPanels : public QObject
{
    Q_OBJECT

private slots:
    void codeChecks_data();
    void codeChecks();
    void codeTextsListAndDelete();
    void newContestStoresBoxes();
    void secondContestSameDayRefused();
    void saveWarnings();
    void selectionShowsValuesAndCounts();
    void menusFollowTheContest();
    void laterScreensSaySo();
    void deleteContestAndCascade();
    void notesTurnBold();
    void leavingTheTeamsScreenSavesTheEntry();
};

void TestContestPanels::codeChecks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("lower case") << "ls" << "LS";
    QTest::newRow("one letter") << "L" << "";
    QTest::newRow("letter and digit") << "L1" << "";
    QTest::newRow("three letters") << "ABC" << "";
}

void TestContestPanels::codeChecks()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Fixture f;
    QWidget* p = f.codes();
    QLineEdit* code = box(p, QStringLiteral("code"));
    code->setMaxLength(3); // the box takes two; a pasted third letter must still be refused
    enter(code, typed);
    if (stored.isEmpty()) {
        QCOMPARE(f.env.dialogs.texts(), QStringList{QStringLiteral("Invalid Code")});
        QCOMPARE(f.env.dialogs.beeps, 1);
        QCOMPARE(code->text(), QString());
        QVERIFY(code->hasFocus());
        QCOMPARE(f.count(core::Type), 0);
        return;
    }
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(code->text(), stored);
    QVERIFY(box(p, QStringLiteral("title"))->hasFocus());
    enter(p, QStringLiteral("title"), QStringLiteral("Livestock Judging"));
    enter(p, QStringLiteral("userDefined1"), QStringLiteral("District"));
    QCOMPARE(f.field(core::Type, stored, TypeField::Title), QStringLiteral("Livestock Judging"));
    QCOMPARE(f.field(core::Type, stored, TypeField::userDefined(1)), QStringLiteral("District"));
    // Enter through the last box lands on Exit, and the list shows the code.
    for (int i = 2; i <= 5; ++i)
        enter(p, QStringLiteral("userDefined%1").arg(i), QString());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("exit"));
    QCOMPARE(items(child<QListWidget>(p, QStringLiteral("codeList"))), QStringList{"LS  Livestock Judging"});
}

void TestContestPanels::codeTextsListAndDelete()
{
    Fixture f;
    f.add(core::Type, QStringLiteral("ME"), {{TypeField::Title, "Meats Judging"}, {TypeField::userDefined(5), "Five"}});
    f.add(core::Type, QStringLiteral("LS"), {{TypeField::Title, "Livestock Judging"}});
    f.add(core::Cont, QStringLiteral("ME010226"));
    QWidget* p = f.codes();
    auto* list = child<QListWidget>(p, QStringLiteral("codeList"));
    QCOMPARE(items(list), (QStringList{"LS  Livestock Judging", "ME  Meats Judging"}));
    QVERIFY(!child<QPushButton>(p, QStringLiteral("delete"))->isEnabled());

    // An existing code typed again shows its texts, so moving on does not wipe them.
    enter(p, QStringLiteral("code"), QStringLiteral("me"));
    QCOMPARE(box(p, QStringLiteral("title"))->text(), QStringLiteral("Meats Judging"));
    QTest::keyClick(box(p, QStringLiteral("title")), Qt::Key_Return);
    QCOMPARE(f.field(core::Type, QStringLiteral("ME"), TypeField::Title), QStringLiteral("Meats Judging"));

    // Entering the code box starts over.
    box(p, QStringLiteral("code"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(box(p, QStringLiteral("title"))->text(), QString());
    QVERIFY(!child<QPushButton>(p, QStringLiteral("delete"))->isEnabled());

    QVERIFY(clickLine(list, QStringLiteral("ME")));
    QCOMPARE(box(p, QStringLiteral("code"))->text(), QStringLiteral("ME"));
    QCOMPARE(box(p, QStringLiteral("userDefined5"))->text(), QStringLiteral("Five"));
    QVERIFY(child<QPushButton>(p, QStringLiteral("delete"))->isEnabled());

    f.env.dialogs.answer(Dialogs::No);
    click(p, QStringLiteral("delete"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{QStringLiteral("Remove Selected Contest Code?")});
    QCOMPARE(f.env.dialogs.shown.first().buttons, Dialogs::Ok | Dialogs::No);
    QCOMPARE(f.count(core::Type), 2);
    click(p, QStringLiteral("delete"));
    QCOMPARE(f.env.dialogs.beeps, 2);
    QCOMPARE(items(list), QStringList{"LS  Livestock Judging"});
    QCOMPARE(box(p, QStringLiteral("code"))->text(), QString());
    QVERIFY(!child<QPushButton>(p, QStringLiteral("delete"))->isEnabled());
    QVERIFY(f.data.FindRecord(core::Cont, QStringLiteral("ME010226"))); // contests of the code stay
}

void TestContestPanels::newContestStoresBoxes()
{
    Fixture f;
    f.add(core::Type, QStringLiteral("LS"), {{TypeField::Title, "Livestock Judging"}});
    QWidget* p = f.contests();
    click(p, QStringLiteral("enterNewContest"));
    QCOMPARE(child<QLabel>(p, QStringLiteral("listHeading"))->text(), QStringLiteral("Select Contest Type..."));
    QVERIFY(child<QCheckBox>(p, QStringLiteral("useSupportData"))->isChecked());
    QVERIFY(clickLine(child<QListWidget>(p, QStringLiteral("contestList")), QStringLiteral("LS")));
    QCOMPARE(box(p, QStringLiteral("code"))->text(), today);
    QVERIFY(f.data.FindRecord(core::Cont, today));
    QCOMPARE(f.program.currentContestKey, today);
    QVERIFY(box(p, QStringLiteral("title"))->hasFocus());
    // Not selected yet: the contest menus stay closed.
    QVERIFY(!f.item("teamsItem")->isEnabled());

    QTest::keyClicks(box(p, QStringLiteral("title")), QStringLiteral("District Livestock"));
    QTest::keyClick(box(p, QStringLiteral("title")), Qt::Key_Return);
    QCOMPARE(box(p, QStringLiteral("date"))->text(), QStringLiteral("12/10/2026"));
    QTest::keyClick(box(p, QStringLiteral("date")), Qt::Key_Return);
    QTest::keyClick(box(p, QStringLiteral("location")), Qt::Key_Return);
    QCOMPARE(f.field(core::Cont, today, ContField::Title), QStringLiteral("District Livestock"));
    QCOMPARE(f.field(core::Cont, today, ContField::Date), QStringLiteral("12/10/2026"));
    QCOMPARE(f.field(core::Cont, today, ContField::Location), QStringLiteral("0"));
    QVERIFY(box(p, QStringLiteral("maxMembers"))->hasFocus());

    // Not a number: a beep, no message, nothing stored.
    enter(p, QStringLiteral("maxMembers"), QStringLiteral("4x"));
    QCOMPARE(f.env.dialogs.beeps, 1);
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QVERIFY(box(p, QStringLiteral("maxMembers"))->hasFocus());
    QCOMPARE(box(p, QStringLiteral("maxMembers"))->text(), QString());
    QCOMPARE(f.field(core::Cont, today, ContField::MaxMembers), QString());
    // An entry holds at most twenty members.
    enter(p, QStringLiteral("maxMembers"), QStringLiteral("21"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{ContestsPanel::tooManyMembersMessage()});
    QCOMPARE(f.field(core::Cont, today, ContField::MaxMembers), QString());
    enter(p, QStringLiteral("maxMembers"), QStringLiteral("20"));
    QCOMPARE(f.field(core::Cont, today, ContField::MaxMembers), QStringLiteral("20"));

    enter(p, QStringLiteral("scoresSaved"), QStringLiteral("3"));
    enter(p, QStringLiteral("seniorTeams"), QStringLiteral("12"));
    for (const char* name : {"intermediateTeams", "juniorTeams", "seniorIndividuals", "intermediateIndividuals",
                             "juniorIndividuals", "adults", "assignedGroups", "keepCull", "cardClasses"})
        enter(p, QString::fromLatin1(name), QString());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("exit"));
    QCOMPARE(f.field(core::Cont, today, ContField::levelCount(1)), QStringLiteral("12"));
    QCOMPARE(f.field(core::Cont, today, ContField::levelCount(7)), QStringLiteral("0"));
    QCOMPARE(f.field(core::Cont, today, ContField::AssignedGroups), QStringLiteral("0"));
    QCOMPARE(f.field(core::Cont, today, ContField::KeepCullAnimals), QStringLiteral("8"));
    QCOMPARE(f.field(core::Cont, today, ContField::CardClasses), QStringLiteral("0"));
    QCOMPARE(f.window->contest().setup.levelCounts[1], 12);
    QCOMPARE(f.window->contest().setup.maxMembers, 20);

    click(p, QStringLiteral("saveContest"));
    QCOMPARE(f.field(core::Cont, today, ContField::UseSupportData), QStringLiteral("1"));
    QCOMPARE(child<QLabel>(p, QStringLiteral("listHeading"))->text(), QStringLiteral("Known Contests..."));
    QCOMPARE(items(child<QListWidget>(p, QStringLiteral("contestList"))), QStringList{today + "  District Livestock"});
    QCOMPARE(box(p, QStringLiteral("title"))->text(), QStringLiteral("District Livestock")); // boxes kept
}

void TestContestPanels::secondContestSameDayRefused()
{
    Fixture f;
    f.add(core::Type, QStringLiteral("LS"), {{TypeField::Title, "Livestock Judging"}});
    f.addContest(today, QStringLiteral("First"));
    QWidget* p = f.contests();
    click(p, QStringLiteral("enterNewContest"));
    QVERIFY(clickLine(child<QListWidget>(p, QStringLiteral("contestList")), QStringLiteral("LS")));
    QCOMPARE(f.env.dialogs.texts(),
             QStringList{QStringLiteral("A contest of this type and date already exists. If you want to enter a new "
                                        "contest of the same type and date, you must first remove the existing "
                                        "contest")});
    QCOMPARE(f.env.dialogs.beeps, 1);
    QCOMPARE(f.program.currentContestKey, QString());
    // Typing into the boxes afterwards reaches no contest.
    enter(p, QStringLiteral("title"), QStringLiteral("Second"));
    enter(p, QStringLiteral("location"), QString());
    QCOMPARE(f.field(core::Cont, today, ContField::Title), QStringLiteral("First"));
    QCOMPARE(f.field(core::Cont, today, ContField::Location), QString());
    QCOMPARE(f.count(core::Cont), 1);
}

void TestContestPanels::saveWarnings()
{
    Fixture f;
    f.addContest(today, QStringLiteral("District"));
    f.data.FindRecord(core::Cont, today);
    f.data.WriteField(core::Cont, ContField::UseSupportData, QStringLiteral("1"));
    QWidget* p = f.select(today);
    const QString missing = QStringLiteral(
        "Missing [Max Members per Team] Value or [Number of Scores Saved] Value. Please correct.");
    const QString notZero = QStringLiteral(
        "Values for [Max Members per Team] and [Number of Scores Saved] must be greater than zero (0). Please correct.");
    child<QCheckBox>(p, QStringLiteral("useSupportData"))->setChecked(false);

    enter(p, QStringLiteral("scoresSaved"), QString());
    click(p, QStringLiteral("saveContest"));
    QCOMPARE(f.env.dialogs.last(), missing);
    enter(p, QStringLiteral("scoresSaved"), QStringLiteral("3"));
    enter(p, QStringLiteral("maxMembers"), QStringLiteral("0"));
    click(p, QStringLiteral("saveContest"));
    QCOMPARE(f.env.dialogs.last(), notZero);
    QCOMPARE(f.env.dialogs.beeps, 2);
    QCOMPARE(f.field(core::Cont, today, ContField::UseSupportData), QStringLiteral("1"));

    enter(p, QStringLiteral("maxMembers"), QStringLiteral("5"));
    f.env.dialogs.clear();
    click(p, QStringLiteral("saveContest"));
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.field(core::Cont, today, ContField::UseSupportData), QStringLiteral("0"));
    QVERIFY(!f.window->contest().setup.useSupportData);
    QCOMPARE(f.window->contest().setup.maxMembers, 5);
}

void TestContestPanels::selectionShowsValuesAndCounts()
{
    Fixture f;
    f.addContest(today, QStringLiteral("District"));
    f.data.FindRecord(core::Cont, today);
    f.data.WriteField(core::Cont, ContField::KeepCullAnimals, QStringLiteral("6"));
    f.data.WriteField(core::Cont, ContField::FullRandomGroups, QStringLiteral("2"));
    f.addContest(QStringLiteral("LS121126"), QStringLiteral("Next"));
    f.add(core::Team, today + QStringLiteral("ST101"));
    f.add(core::Team, today + QStringLiteral("ST102"));
    f.add(core::Clas, today + QStringLiteral("001"));
    f.add(core::Calc, today + QStringLiteral("001ST101a"));
    f.add(core::Team, QStringLiteral("LS121126ST101"));
    QWidget* p = f.contests();
    click(p, QStringLiteral("listContests"));
    QCOMPARE(items(child<QListWidget>(p, QStringLiteral("contestList"))),
             (QStringList{today + "  District", "LS121126  Next"}));
    QVERIFY(clickLine(child<QListWidget>(p, QStringLiteral("contestList")), today));
    QCOMPARE(box(p, QStringLiteral("code"))->text(), today);
    QCOMPARE(box(p, QStringLiteral("maxMembers"))->text(), QStringLiteral("4"));
    QCOMPARE(box(p, QStringLiteral("adults"))->text(), QStringLiteral("0")); // empty shows as 0
    QCOMPARE(box(p, QStringLiteral("keepCull"))->text(), QStringLiteral("6"));
    QVERIFY(child<QCheckBox>(p, QStringLiteral("useSupportData"))->isChecked());
    const QStringList counts = {box(p, QStringLiteral("countTeams"))->text(), box(p, QStringLiteral("countClasses"))->text(),
                                box(p, QStringLiteral("countAwards"))->text(), box(p, QStringLiteral("countScores"))->text(),
                                box(p, QStringLiteral("countCalculations"))->text()};
    QCOMPARE(counts, (QStringList{"2", "1", "0", "0", "1"}));
    const SelectedContest& c = f.window->contest();
    QCOMPARE(c.title, QStringLiteral("District"));
    QCOMPARE(c.setup.fullRandomGroups, 2);
    QCOMPARE(c.classCount, 1);
    QVERIFY(child<QPushButton>(p, QStringLiteral("deleteContest"))->isEnabled());
    QVERIFY(child<QPushButton>(p, QStringLiteral("printParameters"))->isEnabled());
    QCOMPARE(f.program.currentContestKey, today);
}

void TestContestPanels::menusFollowTheContest()
{
    Fixture f;
    const char* const contestItems[] = {"teamsItem", "classesItem", "groupsItem", "awardsItem",
                                        "manualScoringItem", "scannerScoringItem", "resultsItem"};
    for (const char* name : contestItems)
        QVERIFY2(!f.item(name)->isEnabled(), name);
    QVERIFY(f.item("contestsItem")->isEnabled());
    QVERIFY(f.item("contestCodesItem")->isEnabled());

    const auto open = [&] {
        QString s;
        for (const char* name : contestItems)
            s += f.item(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    };
    f.addContest(today, QStringLiteral("District"));
    f.select(today);
    QCOMPARE(open(), QStringLiteral("1110000"));
    f.add(core::Team, today + QStringLiteral("ST101"));
    f.select(today);
    QCOMPARE(open(), QStringLiteral("1110000")); // teams, no classes
    f.add(core::Clas, today + QStringLiteral("001"));
    f.select(today);
    QCOMPARE(open(), QStringLiteral("1111000"));
    f.add(core::Awar, today + QStringLiteral("ST001"));
    f.select(today);
    QCOMPARE(open(), QStringLiteral("1111110"));
    f.add(core::Scor, today + QStringLiteral("001ST101a"));
    f.select(today);
    QCOMPARE(open(), QStringLiteral("1111111"));

    // Starting a new contest closes them and clears the current contest.
    click(f.window->contestsPanel(), QStringLiteral("enterNewContest"));
    QCOMPARE(open(), QStringLiteral("0000000"));
    QCOMPARE(f.program.currentContestKey, QString());
}

void TestContestPanels::laterScreensSaySo()
{
    Fixture f;
    f.addContest(today, QStringLiteral("District"));
    f.add(core::Team, today + QStringLiteral("ST101"));
    f.add(core::Clas, today + QStringLiteral("001"));
    f.add(core::Awar, today + QStringLiteral("ST001"));
    f.add(core::Scor, today + QStringLiteral("001ST101a"));
    f.select(today);
    f.env.dialogs.clear();
    for (const char* name : {"groupsItem", "designCardsItem", "printCardsItem", "scanCardsItem"})
        f.item(name)->trigger();
    QCOMPARE(f.env.dialogs.shown.size(), 4);
    QCOMPARE(f.env.dialogs.shown.first().kind, Dialogs::Kind::Information);
    QCOMPARE(f.env.dialogs.texts().first(), JudgingWindow::laterScreenMessage(QStringLiteral("Groups")));
    QCOMPARE(f.env.dialogs.texts().last(), QStringLiteral("The Scan Score Cards screen comes in a later version of this build."));
    f.item("resultsItem")->trigger();
    QCOMPARE(f.window->panels()->currentWidget(), static_cast<QWidget*>(f.window->resultsPanel()));

    f.item("teamsItem")->trigger();
    QCOMPARE(f.window->panels()->currentWidget(), static_cast<QWidget*>(f.window->teamsPanel()));
    click(f.window->teamsPanel(), QStringLiteral("exit"));
    QCOMPARE(f.window->panels()->currentWidget()->objectName(), QStringLiteral("picture"));
    f.item("classesItem")->trigger();
    QCOMPARE(f.window->panels()->currentWidget(), static_cast<QWidget*>(f.window->classesPanel()));
    click(f.window->classesPanel(), QStringLiteral("exit"));
    QCOMPARE(f.window->panels()->currentWidget()->objectName(), QStringLiteral("picture"));
    f.item("manualScoringItem")->trigger();
    QCOMPARE(f.window->panels()->currentWidget(), static_cast<QWidget*>(f.window->manualScoringPanel()));
    click(f.window->manualScoringPanel(), QStringLiteral("exit"));
    QCOMPARE(f.window->panels()->currentWidget()->objectName(), QStringLiteral("picture"));
    f.item("awardsItem")->trigger();
    QCOMPARE(f.window->panels()->currentWidget(), static_cast<QWidget*>(f.window->awardsPanel()));
    click(f.window->awardsPanel(), QStringLiteral("exit"));
    QCOMPARE(f.window->panels()->currentWidget()->objectName(), QStringLiteral("picture"));
}

void TestContestPanels::deleteContestAndCascade()
{
    Fixture f;
    const QString next = QStringLiteral("LS121126");
    f.addContest(today, QStringLiteral("District"));
    f.addContest(next, QStringLiteral("Next"));
    for (int table : {core::Team, core::Clas, core::Awar, core::Scor, core::Calc}) {
        f.add(table, today + QStringLiteral("ST101a"));
        f.add(table, today + QStringLiteral("ST102a"));
        f.add(table, next + QStringLiteral("ST101a"));
    }
    f.add(core::Offi, today + QStringLiteral("001"));
    f.add(core::Card, QStringLiteral("0101"));
    f.add(core::Card, QStringLiteral("010101"));
    QWidget* p = f.select(today);
    f.env.dialogs.clear();

    f.env.dialogs.answer(Dialogs::No);
    click(p, QStringLiteral("deleteContest"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{QStringLiteral("Remove Selected Contest?")});
    QCOMPARE(f.count(core::Team), 3);

    click(p, QStringLiteral("deleteContest"));
    QCOMPARE(f.env.dialogs.beeps, 2);
    QVERIFY(!f.data.FindRecord(core::Cont, today));
    for (int table : {core::Team, core::Clas, core::Awar, core::Scor, core::Calc}) {
        QCOMPARE(f.count(table), 1);
        QVERIFY(f.data.FindRecord(table, next + QStringLiteral("ST101a")));
    }
    QCOMPARE(f.count(core::Offi), 1);
    QCOMPARE(f.count(core::Card), 2);
    QCOMPARE(items(child<QListWidget>(p, QStringLiteral("contestList"))), QStringList{next + "  Next"});
    QCOMPARE(box(p, QStringLiteral("title"))->text(), QString());
    QCOMPARE(box(p, QStringLiteral("countTeams"))->text(), QStringLiteral("0"));
    QVERIFY(!child<QCheckBox>(p, QStringLiteral("useSupportData"))->isChecked());
    QVERIFY(!child<QPushButton>(p, QStringLiteral("deleteContest"))->isEnabled());
    QCOMPARE(f.program.currentContestKey, QString());
    QVERIFY(!f.item("teamsItem")->isEnabled());
}

void TestContestPanels::notesTurnBold()
{
    Fixture f;
    QWidget* p = f.contests();
    auto* groups = child<QLabel>(p, QStringLiteral("groupNotes"));
    auto* individual = child<QLabel>(p, QStringLiteral("individualNotes"));


    QLabel* adultsLabel = nullptr;
    QLabel* groupLabel = nullptr;
    for (QLabel* l : p->findChildren<QLabel*>()) {
        if (l->buddy() == box(p, QStringLiteral("juniorIndividuals")))
            adultsLabel = l;
        if (l->buddy() == box(p, QStringLiteral("assignedGroups")))
            groupLabel = l;
    }
    QVERIFY(adultsLabel && groupLabel);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(groupLabel, &enter);
    QVERIFY(groups->font().bold());
    QVERIFY(!individual->font().bold());
    QApplication::sendEvent(groupLabel, &leave);
    QApplication::sendEvent(adultsLabel, &enter);
    QVERIFY(!groups->font().bold());
    QVERIFY(individual->font().bold());
    QApplication::sendEvent(adultsLabel, &leave);
    QVERIFY(!individual->font().bold());
}

void TestContestPanels::leavingTheTeamsScreenSavesTheEntry()
{
    Fixture f;
    f.addContest(today, QStringLiteral("District"));
    f.data.FindRecord(core::Cont, today);
    f.data.WriteField(core::Cont, ContField::Date, QStringLiteral("11/30/2026"));
    QWidget* contests = f.select(today);
    // Passing through the date box keeps a stored date.
    box(contests, QStringLiteral("date"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box(contests, QStringLiteral("date")), Qt::Key_Return);
    QCOMPARE(f.field(core::Cont, today, ContField::Date), QStringLiteral("11/30/2026"));

    f.item("teamsItem")->trigger();
    QWidget* teams = f.window->teamsPanel();
    click(teams, QStringLiteral("level1"));
    enter(teams, QStringLiteral("entryNumber"), QStringLiteral("101"));
    enter(teams, QStringLiteral("county"), QStringLiteral("Adams"));
    enter(teams, QStringLiteral("teamName"), QStringLiteral("Adams"));
    enter(teams, QStringLiteral("memberName1"), QStringLiteral("Carver, Ben"));
    f.env.dialogs.clear();
    // Refused: the screen stays.
    f.item("contestsItem")->trigger();
    QCOMPARE(f.env.dialogs.texts(),
             QStringList{QStringLiteral("One or more contestants does not have not have a level button selected.")});
    QCOMPARE(f.window->panels()->currentWidget(), teams);
    // Ending the run from the Goto menu is refused the same way: the run goes on.
    f.env.dialogs.clear();
    f.window->gotoMenu()->findChild<QAction*>(QStringLiteral("gotoExit"))->trigger();
    QCOMPARE(f.env.dialogs.texts(),
             QStringList{QStringLiteral("One or more contestants does not have not have a level button selected.")});
    QVERIFY(!f.program.exited);
    click(teams, QStringLiteral("memberLevel1_3"));
    f.env.dialogs.clear();
    f.item("contestsItem")->trigger();
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.window->panels()->currentWidget(), static_cast<QWidget*>(contests));
    QCOMPARE(f.field(core::Team, today + "ST101", TeamField::memberName(1)), QStringLiteral("Carver, Ben"));
    // The first entry opens the menus that need teams.
    QVERIFY(f.window->contest().presence.teams);
}

QTEST_MAIN(TestContestPanels)
#include "tst_contestpanels.moc"
