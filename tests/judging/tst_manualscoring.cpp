#include "core/datamaster.h"
#include "core/program.h"
#include "judging/contest.h"
#include "judging/fields.h"
#include "judging/scoring.h"
#include "judging/ui/manualscoringpanel.h"
#include "judgingfixture.h"
#include "panelkit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

using namespace judging;
using platform::Dialogs;
using namespace kit;

namespace {

const QString contestKey = QStringLiteral("LS121026");
const QString placing = contestKey + QStringLiteral("001");
const QString reasons = contestKey + QStringLiteral("002");

struct Fixture : judgingtest::ContestFixture
{
    std::unique_ptr<ManualScoringPanel> panel;

    Fixture()
    {
        add(core::Clas, placing,
            {{ClasField::Type, "1"},
             {ClasField::TypeCopy, "1"},
             {ClasField::Title, "Market Hogs"},
             {ClasField::PointValue, "50"},
             {ClasField::OfficialResult, "A"},
             {ClasField::cut(1), "2"},
             {ClasField::cut(2), "3"},
             {ClasField::cut(3), "1"}});
        add(core::Clas, reasons,
            {{ClasField::Type, "2"},
             {ClasField::TypeCopy, "2"},
             {ClasField::Title, "Hog Reasons"},
             {ClasField::PointValue, "50"}});
        add(core::Clas, contestKey + "003",
            {{ClasField::TypeCopy, "9"}, {ClasField::Title, "Keep/Cull Ewes"}});
        // A senior team whose second member is a junior by age, and two junior individuals.
        add(core::Team, contestKey + "ST101",
            {{TeamField::memberName(1), "Lena Carver"},
             {TeamField::memberName(2), "Mara Olsen"},
             {TeamField::assignedGroup(1), "B12-101a"},
             {TeamField::memberLevel(2), "1"}});
        add(core::Team, contestKey + "JI601",
            {{TeamField::memberName(1), "Ben Carver"}, {TeamField::assignedGroup(1), "B7-601a"}});
        add(core::Team, contestKey + "JI602", {{TeamField::memberName(1), "Zed Abbott"}});
        select();
        panel = std::make_unique<ManualScoringPanel>(program, contest);
        panel->open();
        if (!showActive(panel.get())) qFatal("panel not active");
        env.dialogs.clear();
    }
    QString read(const QString& key, int f)
    {
        return data.FindRecord(core::Scor, key) ? data.ReadField(core::Scor, f) : QStringLiteral("<none>");
    }
    QWidget* p() { return panel.get(); }
    QListWidget* list() { return child<QListWidget>(p(), QStringLiteral("mainList")); }
    QListWidget* column() { return child<QListWidget>(p(), QStringLiteral("scoreColumn")); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // Class, levels, build, group sort.
    void build(const QString& classKey, QStringList levels, int sort)
    {
        if (!clickLine(list(), classKey)) qFatal("no class %s", qPrintable(classKey));
        for (const QString& level : levels)
            click(p(), QStringLiteral("level") + level);
        click(p(), QStringLiteral("buildList"));
        click(p(), QStringLiteral("sort%1").arg(sort));
    }
    void key(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
};

} // namespace

class TestManualScoring : public QObject
{
    Q_OBJECT

private slots:
    void groupSortCodes_data();
    void groupSortCodes();
    void opening();
    void levelsAndOrders_data();
    void levelsAndOrders();
    void placingByKeyboard();
    void placingKeysRefused();
    void zeroAndButtons();
    void reselectKeepsAPendingPlacing();
    void placingWithoutOfficial();
    void typedScores();
    void leavingWithoutSaving();
    void deleteRebuilds();
    void manualSelectDoesNotAdvance();
    void ownScreenTypesSaySo();
};

void TestManualScoring::groupSortCodes_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("code");
    QTest::newRow("one digit") << "B7-101a" << "B07";
    QTest::newRow("two digits") << "B12-203c" << "B12";
    QTest::newRow("no group") << "" << "   ";
    QTest::newRow("no dash") << "B7" << "   ";
}

void TestManualScoring::groupSortCodes()
{
    QFETCH(QString, field);
    QFETCH(QString, code);
    QCOMPARE(GroupSortCode(field), code);
}

void TestManualScoring::opening()
{
    Fixture f;
    QCOMPARE(items(f.list()).size(), 3);
    QVERIFY(!child<QGroupBox>(f.p(), "levelGroup")->isEnabled());
    QVERIFY(f.column()->isHidden());
    QVERIFY(clickLine(f.list(), placing));
    QCOMPARE(box(f.p(), "classType")->text(), QStringLiteral("Regular"));
    QCOMPARE(box(f.p(), "className")->text(), QStringLiteral("Market Hogs"));
    QVERIFY(f.panel->autoAdvance());
    QVERIFY(child<QRadioButton>(f.p(), "manualSelect")->isChecked());
    QVERIFY(child<QGroupBox>(f.p(), "levelGroup")->isEnabled());
    QVERIFY(!child<QPushButton>(f.p(), "buildList")->isEnabled());
    click(f.p(), "levelJI");
    QVERIFY(child<QPushButton>(f.p(), "buildList")->isEnabled());
    QVERIFY(!child<QRadioButton>(f.p(), "sort1")->isEnabled());
    click(f.p(), "buildList");
    QVERIFY(child<QRadioButton>(f.p(), "sort1")->isEnabled());
}

void TestManualScoring::levelsAndOrders_data()
{
    QTest::addColumn<QStringList>("levels");
    QTest::addColumn<int>("sort");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("junior individuals only")
        << QStringList{"JI"} << 1 << QStringList{"601a  Ben Carver", "602a  Zed Abbott"};
    // Level codes sort alphabetically: JI before ST.
    QTest::newRow("true team") << QStringList{"ST", "JI"} << 1
                               << QStringList{"601a  Ben Carver", "602a  Zed Abbott", "101a  Lena Carver",
                                              "101b  Mara Olsen"};
    // No group first, then B07 before B12.
    QTest::newRow("assigned") << QStringList{"ST", "JI"} << 4
                              << QStringList{"602a  Zed Abbott", "101b  Mara Olsen", "601a  Ben Carver",
                                             "101a  Lena Carver"};
}

void TestManualScoring::levelsAndOrders()
{
    QFETCH(QStringList, levels);
    QFETCH(int, sort);
    QFETCH(QStringList, lines);
    Fixture f;
    f.add(core::Scor, placing + "JI601a", {{ScorField::Entry, "B"}, {ScorField::Score, "49"}});
    f.build(reasons, levels, sort);
    QCOMPARE(items(f.list()), lines);
    QCOMPARE(child<QLabel>(f.p(), "contestantCount")->text(),
             QStringLiteral("Contestant Count: %1").arg(lines.size()));
    QCOMPARE(f.column()->count(), lines.size());
    QVERIFY(!f.column()->isHidden());
    QCOMPARE(f.list()->currentRow(), 0);

    // The score column shows entry/score of a placing class.
    Fixture g;
    g.add(core::Scor, placing + "JI601a", {{ScorField::Entry, "B"}, {ScorField::Score, "49"}});
    g.build(placing, {"JI"}, 1);
    QCOMPARE(items(g.column()), (QStringList{"B/49", "   "}));
}

void TestManualScoring::placingByKeyboard()
{
    Fixture f;
    f.build(placing, {"JI"}, 1);
    // Scoring of the first contestant starts by itself.
    QTRY_COMPARE(f.focused(), QStringLiteral("entry"));
    QCOMPARE(f.panel->scoreKey(), placing + "JI601a");
    QVERIFY(f.data.FindRecord(core::Scor, placing + "JI601a")); // added at once
    f.key("c");
    QCOMPARE(box(f.p(), "entry")->text(), QStringLiteral("C"));
    QCOMPARE(box(f.p(), "hormelScore")->text(), QStringLiteral("47"));
    QCOMPARE(f.focused(), QStringLiteral("save"));
    QCOMPARE(f.read(placing + "JI601a", ScorField::Score), QString()); // not yet
    QTRY_COMPARE(f.read(placing + "JI601a", ScorField::Score), QStringLiteral("47"));
    QCOMPARE(f.read(placing + "JI601a", ScorField::Entry), QStringLiteral("C"));
    QCOMPARE(f.read(placing + "JI601a", ScorField::ClassNumber), QStringLiteral("001"));
    QCOMPARE(f.read(placing + "JI601a", ScorField::LevelCode), QStringLiteral("JI"));
    QCOMPARE(f.read(placing + "JI601a", ScorField::ContestantNumber), QStringLiteral("601a"));
    QCOMPARE(f.column()->item(0)->text(), QStringLiteral("C/47"));
    // On to the next contestant, and after the last one back to the class choice.
    QCOMPARE(f.panel->scoreKey(), placing + "JI602a");
    QCOMPARE(f.focused(), QStringLiteral("entry"));
    f.key("x");
    QTRY_COMPARE(f.read(placing + "JI602a", ScorField::Score), QStringLiteral("29"));
    QCOMPARE(f.focused(), QStringLiteral("reselectClass"));
    QVERIFY(!child<QPushButton>(f.p(), "letterA")->isEnabled());
    QVERIFY(f.contest.presence.scores);
}

void TestManualScoring::placingKeysRefused()
{
    Fixture f;
    f.build(placing, {"JI"}, 1);
    QTRY_COMPARE(f.focused(), QStringLiteral("entry"));
    f.key("Y");
    f.key("z");
    f.key("5");
    QCOMPARE(f.env.dialogs.beeps, 3);
    QCOMPARE(box(f.p(), "entry")->text(), QString());
    QCOMPARE(f.panel->scoreKey(), placing + "JI601a");
    QTest::qWait(ManualScoringPanel::AutoSaveDelayMs + 50);
    QCOMPARE(f.read(placing + "JI601a", ScorField::Entry), QString());
}

void TestManualScoring::zeroAndButtons()
{
    Fixture f;
    f.build(placing, {"JI"}, 1);
    QTRY_COMPARE(f.focused(), QStringLiteral("entry"));
    f.key("0");
    QTRY_COMPARE(f.read(placing + "JI601a", ScorField::Score), QStringLiteral("0"));
    QCOMPARE(f.read(placing + "JI601a", ScorField::Entry), QStringLiteral("0"));
    click(f.p(), "letterG");
    QTRY_COMPARE(f.read(placing + "JI602a", ScorField::Score), QStringLiteral("48"));
    QCOMPARE(f.read(placing + "JI602a", ScorField::Entry), QStringLiteral("G"));
}

void TestManualScoring::reselectKeepsAPendingPlacing()
{
    Fixture f;
    f.build(placing, {"JI"}, 1);
    QTRY_COMPARE(f.focused(), QStringLiteral("entry"));
    f.key("B");
    click(f.p(), "reselectClass");
    QCOMPARE(f.read(placing + "JI601a", ScorField::Entry), QStringLiteral("B"));
    QCOMPARE(f.read(placing + "JI601a", ScorField::Score), QStringLiteral("49"));
}

void TestManualScoring::placingWithoutOfficial()
{
    Fixture f;
    f.add(core::Clas, placing, {{ClasField::OfficialResult, ""}});
    f.build(placing, {"JI"}, 1);
    QTRY_COMPARE(f.focused(), QStringLiteral("entry"));
    f.key("B");
    QTRY_COMPARE(f.read(placing + "JI601a", ScorField::Entry), QStringLiteral("B"));
    QCOMPARE(f.read(placing + "JI601a", ScorField::Score), QString());
    QVERIFY(f.env.dialogs.shown.isEmpty());
}

void TestManualScoring::typedScores()
{
    Fixture f;
    f.build(reasons, {"JI"}, 1);
    QVERIFY(child<QPushButton>(f.p(), "scoreSelected")->isEnabled());
    click(f.p(), "scoreSelected");
    QCOMPARE(f.focused(), QStringLiteral("entry"));
    enter(f.p(), "entry", "51");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ManualScoringPanel::exceedsMessage()});
    QCOMPARE(f.env.dialogs.shown.first().kind, Dialogs::Kind::Error);
    QCOMPARE(box(f.p(), "entry")->text(), QString());
    QCOMPARE(f.focused(), QStringLiteral("entry"));
    QCOMPARE(f.read(reasons + "JI601a", ScorField::Score), QString());

    f.env.dialogs.clear();
    enter(f.p(), "entry", "4x");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ManualScoringPanel::conversionMessage("4x")});
    QCOMPARE(f.read(reasons + "JI601a", ScorField::Entry), QString());

    f.env.dialogs.clear();
    enter(f.p(), "entry", "50");
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.focused(), QStringLiteral("save"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(f.read(reasons + "JI601a", ScorField::Score), QStringLiteral("50"));
    QCOMPARE(f.read(reasons + "JI601a", ScorField::Entry), QStringLiteral("50"));
    QCOMPARE(f.column()->item(0)->text(), QStringLiteral("50"));
    // Auto advance (on for reasons) moved to the next contestant.
    QCOMPARE(f.panel->scoreKey(), reasons + "JI602a");
    QCOMPARE(f.focused(), QStringLiteral("entry"));
}

void TestManualScoring::leavingWithoutSaving()
{
    Fixture f;
    f.build(reasons, {"JI"}, 1);
    click(f.p(), "scoreSelected");
    click(f.p(), "reselectClass");
    QVERIFY(f.data.FindRecord(core::Scor, reasons + "JI601a"));
    QCOMPARE(f.read(reasons + "JI601a", ScorField::Entry), QString());
    QCOMPARE(f.read(reasons + "JI601a", ScorField::Score), QString());
    QCOMPARE(child<QLabel>(f.p(), "listCaption")->text(), QStringLiteral("Select Class..."));
}

void TestManualScoring::deleteRebuilds()
{
    Fixture f;
    f.add(core::Scor, reasons + "JI601a", {{ScorField::Entry, "40"}, {ScorField::Score, "40"}});
    f.build(reasons, {"JI"}, 1);
    QCOMPARE(f.column()->item(0)->text(), QStringLiteral("40"));
    QVERIFY(clickLine(f.list(), "601a"));
    QCOMPARE(box(f.p(), "entry")->text(), QStringLiteral("40"));
    QVERIFY(child<QPushButton>(f.p(), "delete")->isEnabled());
    f.env.dialogs.answer(Dialogs::Ok);
    click(f.p(), "delete");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ManualScoringPanel::deleteQuestion()});
    QVERIFY(!f.data.FindRecord(core::Scor, reasons + "JI601a"));
    QCOMPARE(f.column()->item(0)->text(), QStringLiteral("   "));
    QVERIFY(!child<QPushButton>(f.p(), "delete")->isEnabled());
}

void TestManualScoring::manualSelectDoesNotAdvance()
{
    Fixture f;
    f.build(reasons, {"JI"}, 1);
    click(f.p(), "autoAdvance");
    QVERIFY(child<QPushButton>(f.p(), "start")->isEnabled());
    click(f.p(), "manualSelect");
    QVERIFY(!f.panel->autoAdvance());
    QVERIFY(!child<QPushButton>(f.p(), "start")->isEnabled());
    click(f.p(), "scoreSelected");
    enter(f.p(), "entry", "12");
    click(f.p(), "save");
    QCOMPARE(f.read(reasons + "JI601a", ScorField::Score), QStringLiteral("12"));
    QCOMPARE(f.list()->currentRow(), 1);
    QCOMPARE(f.panel->scoreKey(), reasons + "JI601a"); // the next one is only highlighted
    click(f.p(), "autoAdvance");
    click(f.p(), "start");
    QCOMPARE(f.panel->scoreKey(), reasons + "JI602a");
}

void TestManualScoring::ownScreenTypesSaySo()
{
    Fixture f;
    f.build(contestKey + "003", {"JI"}, 1);
    click(f.p(), "scoreSelected");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ManualScoringPanel::laterScoringMessage(KeepCullClass)});
    QVERIFY(!f.data.FindRecord(core::Scor, contestKey + "003JI601a"));
}

QTEST_MAIN(TestManualScoring)
#include "tst_manualscoring.moc"
