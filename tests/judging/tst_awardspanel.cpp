#include "core/datamaster.h"
#include "core/program.h"
#include "judging/awards.h"
#include "judging/contest.h"
#include "judging/fields.h"
#include "judging/ui/awardspanel.h"
#include "judgingfixture.h"
#include "panelkit.h"

#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

using namespace judging;
using platform::Dialogs;
using namespace kit;

namespace {

const QString contestKey = QStringLiteral("LS121026");

struct Fixture : judgingtest::ContestFixture
{
    std::unique_ptr<AwardsPanel> panel;

    Fixture()
    {
        add(core::Clas, contestKey + "001", {{ClasField::Title, "Market Hogs"}});
        add(core::Clas, contestKey + "003", {{ClasField::Title, "Hog Reasons"}});
        add(core::Clas, contestKey + "005", {{ClasField::Title, "Ewes"}});
        select();
        panel = std::make_unique<AwardsPanel>(program, contest);
        panel->open();
        if (!showActive(panel.get()))
            qFatal("panel not active");
        env.dialogs.clear();
    }
    QString read(const QString& key, int f)
    {
        return data.FindRecord(core::Awar, key) ? data.ReadField(core::Awar, f) : QStringLiteral("<none>");
    }
    QWidget* p() { return panel.get(); }
    QListWidget* list() { return child<QListWidget>(p(), QStringLiteral("mainList")); }
    QString text(const char* name) { return box(p(), QString::fromLatin1(name))->text(); }
    void start(const char* type, const QString& number)
    {
        click(p(), QStringLiteral("awardType") + QString::fromLatin1(type));
        enter(p(), "awardNumber", number);
    }
    void focusBox(const char* name) { box(p(), QString::fromLatin1(name))->setFocus(Qt::MouseFocusReason); }
};

} // namespace

class TestAwardsPanel : public QObject
{
    Q_OBJECT

private slots:
    void classListEditing_data();
    void classListEditing();
    void typesInScreenOrder();
    void numberAndNextFree();
    void buildingClassLists();
    void saveAndReload();
    void saveRefusals();
    void deleteAward();
};

void TestAwardsPanel::classListEditing_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("removed");
    QTest::newRow("empty") << "" << "003" << "";
    QTest::newRow("one class") << "001" << "001003" << "";
    QTest::newRow("already there") << "001003" << "001003" << "001";
    QTest::newRow("not on a boundary") << "100300" << "100300003" << "100";
    QTest::newRow("all") << "ALL" << "ALL" << "";
    QTest::newRow("two characters") << "00" << "00003" << "00";
}

void TestAwardsPanel::classListEditing()
{
    QFETCH(QString, list);
    QFETCH(QString, added);
    QFETCH(QString, removed);
    QCOMPARE(AddToClassList(list, "003"), added);
    QCOMPARE(RemoveLastClass(list), removed);
}

void TestAwardsPanel::typesInScreenOrder()
{
    Fixture f;
    const QStringList codes{"ST", "SI", "SA", "IT", "II", "IA", "JT", "JI", "JA", "AC", "AD"};
    const auto buttons = f.p()->findChildren<QRadioButton*>(QRegularExpression("^awardType"));
    QCOMPARE(buttons.size(), codes.size());
    for (int i = 0; i < codes.size(); ++i)
        QCOMPARE(buttons[i]->objectName(), QStringLiteral("awardType") + codes[i]);
    QCOMPARE(buttons[1]->text(), QStringLiteral("(SI)  Senior Individual"));
}

void TestAwardsPanel::numberAndNextFree()
{
    Fixture f;
    f.add(core::Awar, contestKey + "ST001", {{AwarField::Number, "001"}, {AwarField::Name, "Senior Teams"}});
    f.add(core::Awar, contestKey + "JI004", {{AwarField::Number, "004"}, {AwarField::Name, "Junior Individuals"}});
    f.add(core::Awar, "LS121126ST009", {{AwarField::Number, "009"}});
    f.panel->open();
    QCOMPARE(items(f.list()), (QStringList{contestKey + "JI004  Junior Individuals", contestKey + "ST001  Senior Teams"}));
    QCOMPARE(f.panel->listMode(), 1);
    click(f.p(), "awardTypeSI");
    QCOMPARE(f.panel->awardKey(), contestKey + "SI");
    QCOMPARE(child<QLabel>(f.p(), "nextAvailable")->text(), QStringLiteral("Next Available: 5"));
    QVERIFY(!f.list()->isEnabled());
    enter(f.p(), "awardNumber", "7");
    QCOMPARE(f.text("awardNumber"), QStringLiteral("007"));
    QCOMPARE(f.panel->awardKey(), contestKey + "SI007");
    QCOMPARE(f.panel->listMode(), 2);
    QCOMPARE(items(f.list()).size(), 3);
    QVERIFY(child<QPushButton>(f.p(), "save")->isEnabled());
    QVERIFY(!child<QPushButton>(f.p(), "delete")->isEnabled());

    f.env.dialogs.clear();
    enter(f.p(), "awardNumber", "7a");
    QCOMPARE(f.env.dialogs.beeps, 1);
    QCOMPARE(f.text("awardNumber"), QString());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("awardNumber"));

    // A typed number of an existing award shows it.
    click(f.p(), "awardTypeJI");
    enter(f.p(), "awardNumber", "4");
    QCOMPARE(f.text("awardName"), QStringLiteral("Junior Individuals"));
    QVERIFY(child<QPushButton>(f.p(), "delete")->isEnabled());
}

void TestAwardsPanel::buildingClassLists()
{
    Fixture f;
    f.start("ST", "1");
    f.focusBox("scoringClasses");
    QVERIFY(clickLine(f.list(), contestKey + "003"));
    QVERIFY(clickLine(f.list(), contestKey + "003"));
    QVERIFY(clickLine(f.list(), contestKey + "001"));
    QCOMPARE(f.text("scoringClasses"), QStringLiteral("003001"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("scoringClasses"));
    click(f.p(), "removeLast");
    QCOMPARE(f.text("scoringClasses"), QStringLiteral("003"));
    click(f.p(), "removeLast");
    QCOMPARE(f.text("scoringClasses"), QString());

    // The target is the box that last had the focus; a tie-breaker box clicked into is "High".
    click(f.p(), "tieBreaker2Low");
    QVERIFY(child<QRadioButton>(f.p(), "tieBreaker2Low")->isChecked());
    f.focusBox("tieBreaker2");
    QVERIFY(child<QRadioButton>(f.p(), "tieBreaker2High")->isChecked());
    click(f.p(), "all");
    QCOMPARE(f.text("tieBreaker2"), QStringLiteral("ALL"));
    QVERIFY(clickLine(f.list(), contestKey + "005"));
    QCOMPARE(f.text("tieBreaker2"), QStringLiteral("ALL"));
    click(f.p(), "startOver");
    QCOMPARE(f.text("tieBreaker2"), QString());
    QCOMPARE(f.text("scoringClasses"), QString());
}

void TestAwardsPanel::saveAndReload()
{
    Fixture f;
    QSignalSpy changed(f.panel.get(), &AwardsPanel::contestChanged);
    f.start("JI", "2");
    enter(f.p(), "awardName", "Junior High Individual");
    f.focusBox("scoringClasses");
    click(f.p(), "all");
    f.focusBox("tieBreaker1");
    QVERIFY(clickLine(f.list(), contestKey + "003"));
    click(f.p(), "tieBreaker1Low");
    click(f.p(), "save");
    const QString key = contestKey + "JI002";
    QCOMPARE(f.read(key, AwarField::Number), QStringLiteral("002"));
    QCOMPARE(f.read(key, AwarField::Name), QStringLiteral("Junior High Individual"));
    QCOMPARE(f.read(key, AwarField::ScoringClasses), QStringLiteral("ALL"));
    QCOMPARE(f.read(key, AwarField::tieBreakerClasses(1)), QStringLiteral("003"));
    QCOMPARE(f.read(key, AwarField::tieBreakerDirection(1)), QStringLiteral("0"));
    QCOMPARE(f.read(key, AwarField::tieBreakerDirection(2)), QStringLiteral("1"));
    QCOMPARE(changed.count(), 1);
    QVERIFY(f.contest.presence.awards);
    QCOMPARE(f.panel->listMode(), 1);
    QCOMPARE(items(f.list()), QStringList{key + "  Junior High Individual"});

    QVERIFY(clickLine(f.list(), key));
    QVERIFY(child<QRadioButton>(f.p(), "awardTypeJI")->isChecked());
    QVERIFY(child<QRadioButton>(f.p(), "tieBreaker1Low")->isChecked());
    QCOMPARE(f.text("awardNumber"), QStringLiteral("002"));
    QCOMPARE(f.text("tieBreaker1"), QStringLiteral("003"));
    QCOMPARE(items(child<QListWidget>(f.p(), "classTitles")),
             (QStringList{"001  Market Hogs", "003  Hog Reasons", "005  Ewes"}));
    QCOMPARE(f.panel->listMode(), 2);
}

void TestAwardsPanel::saveRefusals()
{
    Fixture f;
    click(f.p(), "save"); // disabled before a type and number
    QVERIFY(f.env.dialogs.shown.isEmpty());
    // Enabled by a number, then the type changed: no number any more.
    f.start("ST", "3");
    click(f.p(), "awardTypeSA");
    child<QPushButton>(f.p(), "save")->setEnabled(true);
    click(f.p(), "save");
    QCOMPARE(f.env.dialogs.texts(), QStringList{AwardsPanel::noNumberMessage()});
    QCOMPARE(f.data.RecordCount(core::Awar), 0);
    f.panel->open();
    f.env.dialogs.clear();
    child<QPushButton>(f.p(), "save")->setEnabled(true);
    click(f.p(), "save");
    QCOMPARE(f.env.dialogs.texts(), QStringList{AwardsPanel::noTypeMessage()});
    QCOMPARE(f.data.RecordCount(core::Awar), 0);
}

void TestAwardsPanel::deleteAward()
{
    Fixture f;
    f.add(core::Awar, contestKey + "ST001", {{AwarField::Number, "001"}, {AwarField::Name, "Senior Teams"}});
    f.add(core::Calc, contestKey + "001ST101 ");
    f.panel->open();
    QVERIFY(clickLine(f.list(), contestKey + "ST001"));
    f.env.dialogs.answer(Dialogs::No);
    click(f.p(), "delete");
    QCOMPARE(f.env.dialogs.texts(), QStringList{AwardsPanel::deleteQuestion()});
    QVERIFY(f.data.FindRecord(core::Awar, contestKey + "ST001"));
    QVERIFY(clickLine(f.list(), contestKey + "001")); // the class list is shown now
    f.panel->open();
    QVERIFY(clickLine(f.list(), contestKey + "ST001"));
    f.env.dialogs.answer(Dialogs::Ok);
    click(f.p(), "delete");
    QVERIFY(!f.data.FindRecord(core::Awar, contestKey + "ST001"));
    QVERIFY(f.data.FindRecord(core::Calc, contestKey + "001ST101 "));
    QVERIFY(items(f.list()).isEmpty());
    QVERIFY(!f.contest.presence.awards);
}

QTEST_MAIN(TestAwardsPanel)
#include "tst_awardspanel.moc"
