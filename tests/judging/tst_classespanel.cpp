#include "core/datamaster.h"
#include "core/program.h"
#include "core/ui/entryfields.h"
#include "judging/classes.h"
#include "judging/contest.h"
#include "judging/fields.h"
#include "judging/ui/classespanel.h"
#include "judgingfixture.h"
#include "panelkit.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSignalSpy>

using namespace judging;
using platform::Dialogs;
using namespace kit;

namespace {

const QString contestKey = QStringLiteral("LS121026");

struct Fixture : judgingtest::ContestFixture
{
    std::unique_ptr<ClassesPanel> panel;

    Fixture()
    {
        select();
        panel = std::make_unique<ClassesPanel>(program, contest);
        panel->open();
        if (!showActive(panel.get())) qFatal("panel not active");
        env.dialogs.clear();
    }
    QString read(int table, const QString& key, int f)
    {
        return data.FindRecord(table, key) ? data.ReadField(table, f) : QStringLiteral("<none>");
    }
    QWidget* p() { return panel.get(); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QListWidget* list() { return child<QListWidget>(p(), QStringLiteral("classList")); }
    // A regular class typed in by keyboard: number, title, "01", point value, placing, cuts.
    void typeRegular(const QString& number, const QString& official, const QString& c1, const QString& c2,
                     const QString& c3)
    {
        enter(p(), QStringLiteral("classNumber"), number);
        enter(p(), QStringLiteral("classTitle"), QStringLiteral("Market Hogs"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("01"));
        enter(p(), QStringLiteral("pointValue"), QStringLiteral("50"));
        QTest::keyClicks(QApplication::focusWidget(), official);
        enter(p(), QStringLiteral("cut1"), c1);
        enter(p(), QStringLiteral("cut2"), c2);
        enter(p(), QStringLiteral("cut3"), c3);
    }
};

} // namespace

class TestClassesPanel : public QObject
{
    Q_OBJECT

private slots:
    void opening();
    void classNumbers_data();
    void classNumbers();
    void keyboardClass();
    void typeByKeyboardRefusesOthers();
    void typeByMouseDefaults_data();
    void typeByMouseDefaults();
    void cuts();
    void savingRescoresOnChange();
    void loadingWithoutPlacing();
    void specialTypesShowTheirButton();
    void colours();
    void deleteClass();
    void recalculateAll();
};

void TestClassesPanel::opening()
{
    Fixture f;
    QCOMPARE(box(f.p(), "classKey")->text(), contestKey);
    QVERIFY(!child<QPushButton>(f.p(), "save")->isEnabled());
    QVERIFY(!child<QPushButton>(f.p(), "recalculate")->isEnabled());
    QVERIFY(!child<QPushButton>(f.p(), "printClassList")->isEnabled());
    QVERIFY(child<QGroupBox>(f.p(), "colorGroup")->isHidden());
    QCOMPARE(f.focused(), QStringLiteral("classNumber"));
    f.add(core::Clas, contestKey + "002", {{ClasField::Title, "Gilts"}});
    f.panel->open();
    QCOMPARE(items(f.list()), QStringList{contestKey + "002  Gilts"});
    QVERIFY(child<QPushButton>(f.p(), "recalculate")->isEnabled());
}

void TestClassesPanel::classNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("warning"); // empty: accepted
    QTest::addColumn<QString>("shown");
    QTest::newRow("40") << "40" << ""
                        << "040";
    QTest::newRow("7") << "7" << ""
                       << "007";
    QTest::newRow("41") << "41" << "Class code out of range."
                        << "";
    QTest::newRow("0") << "0" << "Class code out of range."
                       << "";
    QTest::newRow("000") << "000" << "Class code out of range."
                         << "";
    QTest::newRow("letters") << "1b" << "Invalid character in class code."
                             << "";
}

void TestClassesPanel::classNumbers()
{
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    QFETCH(QString, shown);
    Fixture f;
    enter(f.p(), "classNumber", typed);
    QCOMPARE(box(f.p(), "classNumber")->text(), shown);
    if (warning.isEmpty()) {
        QVERIFY(f.env.dialogs.shown.isEmpty());
        QCOMPARE(box(f.p(), "classKey")->text(), contestKey + shown);
        QVERIFY(child<QPushButton>(f.p(), "save")->isEnabled());
        QVERIFY(f.panel->isNewClass());
    } else {
        QCOMPARE(f.env.dialogs.texts(), QStringList{warning});
        QVERIFY(f.env.dialogs.beeps > 0);
        QCOMPARE(f.focused(), QStringLiteral("classNumber"));
        QVERIFY(!child<QPushButton>(f.p(), "save")->isEnabled());
    }
}

void TestClassesPanel::keyboardClass()
{
    Fixture f;
    QSignalSpy changed(f.panel.get(), &ClassesPanel::contestChanged);
    enter(f.p(), "classNumber", "3");
    enter(f.p(), "classTitle", "Market Lambs");
    QCOMPARE(f.focused(), QStringLiteral("typeGroup"));
    QTest::keyClicks(QApplication::focusWidget(), "01");
    QVERIFY(child<QRadioButton>(f.p(), "type1")->isChecked());
    QCOMPARE(box(f.p(), "pointValue")->text(), QStringLiteral("50"));
    QCOMPARE(f.focused(), QStringLiteral("pointValue"));
    enter(f.p(), "pointValue", "60");
    QCOMPARE(f.focused(), QStringLiteral("placingGroup"));
    QTest::keyClicks(QApplication::focusWidget(), "y"); // no placing letter
    QCOMPARE(f.panel->official(), QString());
    QTest::keyClicks(QApplication::focusWidget(), "g");
    QCOMPARE(f.panel->official(), QStringLiteral("G"));
    QVERIFY(child<QPushButton>(f.p(), "placingG")->isChecked());
    QCOMPARE(f.focused(), QStringLiteral("cut1"));
    enter(f.p(), "cut1", "2");
    enter(f.p(), "cut2", "3");
    enter(f.p(), "cut3", "1");
    QCOMPARE(f.focused(), QStringLiteral("save"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    const QString key = contestKey + "003";
    QCOMPARE(f.read(core::Clas, key, ClasField::Type), QStringLiteral("1"));
    QCOMPARE(f.read(core::Clas, key, ClasField::Number), QStringLiteral("003"));
    QCOMPARE(f.read(core::Clas, key, ClasField::Title), QStringLiteral("Market Lambs"));
    QCOMPARE(f.read(core::Clas, key, ClasField::PointValue), QStringLiteral("60"));
    QCOMPARE(f.read(core::Clas, key, ClasField::OfficialResult), QStringLiteral("G"));
    QCOMPARE(f.read(core::Clas, key, ClasField::cut(2)), QStringLiteral("3"));
    // A new class re-scores nothing and says nothing; the next number is proposed.
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(box(f.p(), "classNumber")->text(), QStringLiteral("4"));
    QCOMPARE(items(f.list()), QStringList{key + "  Market Lambs"});
    QCOMPARE(changed.count(), 1);
    QVERIFY(f.contest.presence.classes);
}

void TestClassesPanel::typeByKeyboardRefusesOthers()
{
    Fixture f;
    enter(f.p(), "classNumber", "1");
    enter(f.p(), "classTitle", "Reasons");
    QTest::keyClicks(QApplication::focusWidget(), "2"); // the first digit is 0 or 1
    QCOMPARE(f.env.dialogs.beeps, 1);
    QTest::keyClicks(QApplication::focusWidget(), "00"); // no type 0
    QCOMPARE(f.env.dialogs.beeps, 2);
    QCOMPARE(f.panel->classType(), 0);
    QTest::keyClicks(QApplication::focusWidget(), "02");
    QCOMPARE(f.panel->classType(), 2);
    QCOMPARE(box(f.p(), "pointValue")->text(), QStringLiteral("50"));
    QVERIFY(child<QGroupBox>(f.p(), "placingGroup")->isHidden());
    enter(f.p(), "pointValue", "50");
    QCOMPARE(f.focused(), QStringLiteral("save"));
}

void TestClassesPanel::typeByMouseDefaults_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("placings");
    QTest::newRow("regular") << 1 << "50" << true;
    QTest::newRow("questions") << 3 << "50" << false;
    QTest::newRow("identification") << 4 << "300" << false;
    QTest::newRow("meats") << 7 << "300" << false;
    QTest::newRow("keep/cull") << 9 << "50" << false;
    QTest::newRow("other keeps the box") << 10 << "12" << false;
}

void TestClassesPanel::typeByMouseDefaults()
{
    QFETCH(int, type);
    QFETCH(QString, value);
    QFETCH(bool, placings);
    Fixture f;
    enter(f.p(), "classNumber", "5");
    {
        core::LeaveCheck::Pause pause;
        box(f.p(), "pointValue")->setText("12");
    }
    click(f.p(), QStringLiteral("type%1").arg(type));
    QCOMPARE(f.panel->classType(), type);
    QCOMPARE(box(f.p(), "pointValue")->text(), value);
    QCOMPARE(!child<QGroupBox>(f.p(), "placingGroup")->isHidden(), placings);
    QCOMPARE(!child<QGroupBox>(f.p(), "cutGroup")->isHidden(), placings);
}

void TestClassesPanel::cuts()
{
    Fixture f;
    f.typeRegular("1", "A", "15", "0", "0");
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.focused(), QStringLiteral("save"));

    enter(f.p(), "cut1", "8");
    enter(f.p(), "cut2", "8");
    QCOMPARE(f.env.dialogs.texts(), QStringList{CutsWarning()});
    for (const char* name : {"cut1", "cut2", "cut3"})
        QCOMPARE(box(f.p(), name)->text(), QString());
    QCOMPARE(f.focused(), QStringLiteral("cut1"));

    f.env.dialogs.clear();
    enter(f.p(), "cut1", "16");
    QCOMPARE(f.env.dialogs.texts(), QStringList{CutsWarning()});
    f.env.dialogs.clear();
    enter(f.p(), "cut1", "x");
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.env.dialogs.beeps, 1);
    QCOMPARE(box(f.p(), "cut1")->text(), QString());
    QCOMPARE(f.focused(), QStringLiteral("cut1"));
}

void TestClassesPanel::savingRescoresOnChange()
{
    Fixture f;
    f.typeRegular("1", "A", "2", "3", "1");
    click(f.p(), "save");
    const QString cls = contestKey + "001";
    f.add(core::Scor, cls + "ST101a", {{ScorField::Entry, "B"}, {ScorField::Score, "49"}});
    f.add(core::Scor, cls + "ST101b", {{ScorField::Entry, "A"}, {ScorField::Score, "50"}});
    f.env.dialogs.clear();

    // Unchanged: no message, scores untouched.
    QVERIFY(clickLine(f.list(), cls));
    f.add(core::Scor, cls + "ST101b", {{ScorField::Score, "1"}});
    click(f.p(), "save");
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.read(core::Scor, cls + "ST101b", ScorField::Score), QStringLiteral("1"));

    // Official A to B: every stored placing follows.
    QVERIFY(clickLine(f.list(), cls));
    QVERIFY(child<QPushButton>(f.p(), "placingA")->isChecked());
    click(f.p(), "placingB");
    QCOMPARE(f.focused(), QStringLiteral("cut1"));
    click(f.p(), "save");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ClassesPanel::changedPlacingMessage()});
    QCOMPARE(f.read(core::Scor, cls + "ST101a", ScorField::Score), QStringLiteral("50"));
    QCOMPARE(f.read(core::Scor, cls + "ST101b", ScorField::Score), QStringLiteral("49"));

    // A cut alone counts as a change.
    f.env.dialogs.clear();
    QVERIFY(clickLine(f.list(), cls));
    enter(f.p(), "cut3", "4");
    click(f.p(), "save");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ClassesPanel::changedPlacingMessage()});
    QCOMPARE(f.read(core::Scor, cls + "ST101b", ScorField::Score), QStringLiteral("46"));
}

void TestClassesPanel::loadingWithoutPlacing()
{
    Fixture f;
    f.add(core::Clas, contestKey + "004",
          {{ClasField::Type, "1"},
           {ClasField::TypeCopy, "1"},
           {ClasField::Title, "Heifers"},
           {ClasField::PointValue, "50"}});
    f.panel->open();
    QVERIFY(clickLine(f.list(), contestKey + "004"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{ClassesPanel::missingResultMessage()});
    QCOMPARE(box(f.p(), "classNumber")->text(), QStringLiteral("004"));
    QCOMPARE(box(f.p(), "classTitle")->text(), QStringLiteral("Heifers"));
    QVERIFY(child<QPushButton>(f.p(), "delete")->isEnabled());
    // Reached by typing its number, it loads the same way.
    f.env.dialogs.clear();
    f.panel->open();
    enter(f.p(), "classNumber", "4");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ClassesPanel::missingResultMessage()});
    QVERIFY(!f.panel->isNewClass());
    QCOMPARE(box(f.p(), "classTitle")->text(), QStringLiteral("Heifers"));
}

void TestClassesPanel::specialTypesShowTheirButton()
{
    Fixture f;
    f.add(core::Clas, contestKey + "006",
          {{ClasField::Type, "9"}, {ClasField::TypeCopy, "9"}, {ClasField::Title, "Keep"}});
    f.panel->open();
    QVERIFY(clickLine(f.list(), contestKey + "006"));
    QVERIFY(!child<QPushButton>(f.p(), "official9")->isHidden());
    QVERIFY(!child<QPushButton>(f.p(), "official9")->isEnabled());
    QVERIFY(child<QPushButton>(f.p(), "official3")->isHidden());
    QVERIFY(child<QRadioButton>(f.p(), "type9")->isChecked());
}

void TestClassesPanel::colours()
{
    Fixture f;
    f.typeRegular("2", "A", "0", "0", "0");
    QVERIFY(!child<QGroupBox>(f.p(), "colorGroup")->isHidden());
    click(f.p(), "color4");
    QCOMPARE(f.panel->color(), 4);
    click(f.p(), "save");
    QCOMPARE(f.read(core::Clas, contestKey + "002", ClasField::Color), QStringLiteral("4"));
    QVERIFY(clickLine(f.list(), contestKey + "002"));
    QCOMPARE(f.panel->color(), 4);
    click(f.p(), "clearColor");
    click(f.p(), "save");
    QCOMPARE(f.read(core::Clas, contestKey + "002", ClasField::Color), QStringLiteral("0"));
}

void TestClassesPanel::deleteClass()
{
    Fixture f;
    f.typeRegular("1", "A", "0", "0", "0");
    click(f.p(), "save");
    f.typeRegular("2", "A", "0", "0", "0");
    click(f.p(), "save");
    f.add(core::Offi, contestKey + "002", {{OffiField::ClassType, "1"}});
    f.add(core::Scor, contestKey + "001ST101a", {{ScorField::Entry, "A"}});
    f.env.dialogs.clear();

    // A class with scores is refused before any question.
    QVERIFY(clickLine(f.list(), contestKey + "001"));
    click(f.p(), "delete");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ClassInUseWarning()});
    QVERIFY(f.data.FindRecord(core::Clas, contestKey + "001"));

    f.env.dialogs.clear();
    QVERIFY(clickLine(f.list(), contestKey + "002"));
    f.env.dialogs.answer(Dialogs::No);
    click(f.p(), "delete");
    QCOMPARE(f.env.dialogs.texts(), QStringList{ClassesPanel::deleteQuestion()});
    QVERIFY(f.data.FindRecord(core::Clas, contestKey + "002"));
    f.env.dialogs.answer(Dialogs::Ok);
    click(f.p(), "delete");
    QVERIFY(!f.data.FindRecord(core::Clas, contestKey + "002"));
    QVERIFY(!f.data.FindRecord(core::Offi, contestKey + "002"));
    QCOMPARE(items(f.list()), QStringList{contestKey + "001  Market Hogs"});
    QVERIFY(!child<QPushButton>(f.p(), "delete")->isEnabled());
}

void TestClassesPanel::recalculateAll()
{
    Fixture f;
    f.add(core::Clas, contestKey + "001",
          {{ClasField::TypeCopy, "1"},
           {ClasField::PointValue, "50"},
           {ClasField::OfficialResult, "A"},
           {ClasField::cut(1), "2"},
           {ClasField::cut(2), "3"},
           {ClasField::cut(3), "1"}});
    f.add(core::Scor, contestKey + "001JI701a", {{ScorField::Entry, "X"}, {ScorField::Score, ""}});
    f.panel->open();
    click(f.p(), "recalculate");
    QCOMPARE(f.read(core::Scor, contestKey + "001JI701a", ScorField::Score), QStringLiteral("29"));
}

QTEST_MAIN(TestClassesPanel)
#include "tst_classespanel.moc"
