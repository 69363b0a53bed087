#include "core/datamaster.h"
#include "core/program.h"
#include "judging/contest.h"
#include "judging/fields.h"
#include "judging/ui/teamspanel.h"
#include "panelkit.h"
#include "testenv.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using namespace judging;
using platform::Dialogs;
using namespace kit;

namespace {

const QString contestKey = QStringLiteral("LS121026");

struct Fixture
{
    testsupport::TestEnv env;
    core::InstallPaths paths = env.install();
    core::Program program{paths};
    core::DataMaster& data = program.data();
    SelectedContest contest;
    std::unique_ptr<TeamsPanel> panel;

    explicit Fixture(bool support = true)
    {
        program.RunStartupSequence();
        add(core::Cont, contestKey,
            {{ContField::Title, "District Livestock"}, {ContField::MaxMembers, "4"}, {ContField::ScoresSaved, "3"},
             {ContField::levelCount(1), "3"}, {ContField::levelCount(2), "2"}, {ContField::levelCount(3), "2"},
             {ContField::levelCount(4), "2"}, {ContField::levelCount(7), "9"}, {ContField::AssignedGroups, "4"},
             {ContField::UseSupportData, "1"}});
        add(core::Scou, QStringLiteral("ADA"), {{1, "Adams"}});
        add(core::Scou, QStringLiteral("BUF"), {{1, "Buffalo"}});
        add(core::Smid, QStringLiteral("ADA0001"), {{1, "Carver"}, {2, "Lena"}, {3, "M"}, {4, "14"}});
        add(core::Smid, QStringLiteral("ADA0002"), {{1, "Olsen"}, {2, "Mara"}, {3, "J"}, {4, "9"}});
        add(core::Smid, QStringLiteral("ADA0003"), {{1, "Carver"}, {2, "Ben"}, {4, "11"}});
        add(core::Smid, QStringLiteral("BUF0001"), {{1, "Abbott"}, {2, "Zed"}, {4, "12"}});
        add(core::Slid, QStringLiteral("ADA0001"), {{1, "Brandt"}, {2, "Karl"}, {3, "T"}});
        program.supportDataPresent = support;
        ReadContest(data, contestKey, contest);
        contest.key = contestKey;
        contest.selected = true;
        panel = std::make_unique<TeamsPanel>(program, contest);
        if (!showActive(panel.get()))
            qFatal("panel not active");
        env.dialogs.clear();
    }
    void add(int table, const QString& key, std::initializer_list<std::pair<int, QString>> fields = {})
    {
        data.AddRecord(table, key);
        for (const auto& [f, value] : fields)
            data.WriteField(table, f, value);
    }
    QString field(const QString& key, int f)
    {
        return data.FindRecord(core::Team, key) ? data.ReadField(core::Team, f) : QStringLiteral("<none>");
    }
    QWidget* p() { return panel.get(); }
    QLineEdit* name(int k) { return box(p(), QStringLiteral("memberName%1").arg(k)); }
    QLineEdit* group(int k) { return box(p(), QStringLiteral("memberGroup%1").arg(k)); }
    QRadioButton* levelButton(int k, int l)
    {
        return child<QRadioButton>(p(), QStringLiteral("memberLevel%1_%2").arg(k).arg(l));
    }
    QListWidget* right() { return child<QListWidget>(p(), QStringLiteral("rightList")); }
    QListWidget* possible() { return child<QListWidget>(p(), QStringLiteral("possibleMembers")); }
    QPushButton* button(const char* n) { return child<QPushButton>(p(), QString::fromLatin1(n)); }
    void chooseLevel(int level) { click(p(), QStringLiteral("level%1").arg(level)); }
    // A level, a typed entry number and a county from the list.
    void startEntry(int level, const QString& number, const QString& county = QStringLiteral("ADA"))
    {
        chooseLevel(level);
        enter(p(), QStringLiteral("entryNumber"), number);

        if (!county.isEmpty() && !clickLine(right(), county))
            qFatal("no county %s in %s (%s)", qPrintable(county), qPrintable(items(right()).join(QLatin1Char('|'))), qPrintable(box(p(), QStringLiteral("teamKey"))->text()));
    }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    QStringList scores()
    {
        QStringList all;
        data.BeginScan(core::Scor);
        while (data.GetNextRec(core::Scor))
            all << data.CurrentKey(core::Scor);
        return all;
    }
};

} // namespace

class TestTeamsPanel : public QObject
{
    Q_OBJECT

private slots:
    void openingAndLevels();
    void proposalAndCounts();
    void numberExceedsSetup_data();
    void numberExceedsSetup();
    void adultNumberSeven();
    void saveRefusalsAndReset();
    void enterMovesThroughTheEntry();
    void countiesAndPossibleMembers();
    void duplicateOnlyAboveCurrentRow();
    void fullTeamRefused();
    void adultsPickLeaders();
    void entriesListLoadsAnEntry();
    void typedNumberLoadsAnEntry();
    void deleteMemberRemovesOnlyItsScores();
    void deleteEntryRemovesTeamAndScores();
    void assignedGroupChecks();
    void groupStoredBeforeSave();
    void withoutSupportData();
    void leavingSavesTheEntry();
};

void TestTeamsPanel::openingAndLevels()
{
    Fixture f;
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("contestHeader"))->text(),
             QStringLiteral("Contest:  LS121026   District Livestock"));
    QCOMPARE(box(f.p(), QStringLiteral("teamKey"))->text(), contestKey);
    QVERIFY(f.name(1)->isHidden());
    QVERIFY(!f.button("saveEntry")->isEnabled());
    QVERIFY(!f.button("printTeamList")->isEnabled()); // until the window gives it its report
    QVERIFY(!f.right()->isHidden());
    QVERIFY(f.possible()->isHidden());

    f.chooseLevel(2);
    QCOMPARE(box(f.p(), QStringLiteral("teamKey"))->text(), contestKey + "IT");
    QCOMPARE(box(f.p(), QStringLiteral("membersPerTeam"))->text(), QStringLiteral("4"));
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(!f.name(k)->isHidden());
        QVERIFY(!f.group(k)->isHidden());
        QVERIFY(!f.levelButton(k, 1)->isHidden());
    }
    QVERIFY(f.name(5)->isHidden());
    QVERIFY(f.name(20)->isHidden());
    f.chooseLevel(7);
    QVERIFY(!f.name(4)->isHidden());
    QVERIFY(f.levelButton(1, 3)->isHidden()); // adults have no level buttons
    QCOMPARE(f.levelButton(1, 2)->text(), QStringLiteral("Int"));
}

void TestTeamsPanel::proposalAndCounts()
{
    Fixture f;
    f.add(core::Team, contestKey + QStringLiteral("ST101"), {{TeamField::County, "ADA Adams"}, {TeamField::TeamName, "Adams"}});
    f.add(core::Team, contestKey + QStringLiteral("ST102"), {{TeamField::County, "BUF Buffalo"}, {TeamField::TeamName, "Buffalo"}});
    f.panel->open();
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("levelCount1"))->text(), QStringLiteral("[3 - 2 - 1]"));
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("levelCount7"))->text(), QStringLiteral("[9 - 0 - 9]"));
    f.chooseLevel(1);
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QStringLiteral("103"));
    QCOMPARE(f.focused(), QStringLiteral("entryNumber"));
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("rightCaption"))->text(), QStringLiteral("Current Counties / Teams..."));
    QCOMPARE(items(f.right()), (QStringList{contestKey + "ST101  ADA Adams / Adams", contestKey + "ST102  BUF Buffalo / Buffalo"}));

    f.add(core::Team, contestKey + QStringLiteral("ST103"));
    click(f.p(), QStringLiteral("redisplay"));
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QString());
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("levelCount1"))->text(), QStringLiteral("[3 - 3 - 0]"));
}

void TestTeamsPanel::numberExceedsSetup_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("104") << "104";
    QTest::newRow("4") << "4";
    QTest::newRow("299") << "299"; // the hundreds digit is not compared
}

void TestTeamsPanel::numberExceedsSetup()
{
    QFETCH(QString, typed);
    Fixture f;
    f.chooseLevel(1);
    enter(f.p(), QStringLiteral("entryNumber"), typed);
    QCOMPARE(f.env.dialogs.texts(), QStringList{QStringLiteral("Team number exceeds contest setup value.")});
    QCOMPARE(f.env.dialogs.beeps, 1);
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QString());
    QCOMPARE(f.focused(), QStringLiteral("entryNumber"));
    QCOMPARE(box(f.p(), QStringLiteral("teamKey"))->text(), contestKey + "ST");

    // Not a number: a beep only, the text stays to be corrected.
    f.env.dialogs.clear();
    enter(f.p(), QStringLiteral("entryNumber"), QStringLiteral("1x"));
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.env.dialogs.beeps, 1);
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QStringLiteral("1x"));
    QCOMPARE(f.focused(), QStringLiteral("entryNumber"));
}

void TestTeamsPanel::adultNumberSeven()
{
    Fixture f;
    f.startEntry(7, QStringLiteral("7"), QStringLiteral("+NH"));
    QCOMPARE(box(f.p(), QStringLiteral("teamKey"))->text(), contestKey + "AD007");
    QCOMPARE(box(f.p(), QStringLiteral("county"))->text(), QStringLiteral("+NH Non 4H"));
    QCOMPARE(box(f.p(), QStringLiteral("teamName"))->text(), QStringLiteral("Non 4H"));
    enter(f.name(1), QStringLiteral("Typed Judge"));
    click(f.p(), QStringLiteral("saveEntry"));
    QVERIFY(f.env.dialogs.shown.isEmpty());
    const QString key = contestKey + QStringLiteral("AD007");
    QCOMPARE(f.field(key, TeamField::EntryNumber), QStringLiteral("7"));
    QCOMPARE(f.field(key, TeamField::memberName(1)), QStringLiteral("Typed Judge"));
    QCOMPARE(f.field(key, TeamField::memberLevel(1)), QStringLiteral("4"));
    QCOMPARE(f.field(key, TeamField::memberLevel(2)), QStringLiteral("4"));
    QCOMPARE(f.field(key, TeamField::County), QStringLiteral("+NH Non 4H"));
}

void TestTeamsPanel::saveRefusalsAndReset()
{
    Fixture f;
    QSignalSpy changed(f.panel.get(), &TeamsPanel::contestChanged);
    f.chooseLevel(1);
    QTest::keyClick(box(f.p(), QStringLiteral("entryNumber")), Qt::Key_Return); // the proposed 101
    QCOMPARE(box(f.p(), QStringLiteral("teamKey"))->text(), contestKey + "ST101");
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("rightCaption"))->text(), QStringLiteral("Counties..."));
    enter(f.name(3), QStringLiteral("Typed Member"));
    QVERIFY(f.button("saveEntry")->isEnabled());

    click(f.p(), QStringLiteral("saveEntry"));
    QCOMPARE(f.env.dialogs.last(), QStringLiteral("A County name is required!"));
    enter(f.p(), QStringLiteral("county"), QStringLiteral("Adams"));
    f.name(1)->setFocus(Qt::TabFocusReason);
    click(f.p(), QStringLiteral("saveEntry"));
    QCOMPARE(f.env.dialogs.last(), QStringLiteral("A Team name is required!"));
    enter(f.p(), QStringLiteral("teamName"), QStringLiteral("Adams County"));
    f.name(1)->setFocus(Qt::TabFocusReason);
    click(f.p(), QStringLiteral("saveEntry"));
    QCOMPARE(f.env.dialogs.last(),
             QStringLiteral("One or more contestants does not have not have a level button selected."));
    QCOMPARE(f.env.dialogs.beeps, 3);
    QCOMPARE(f.field(contestKey + "ST101", TeamField::TeamName), QStringLiteral("<none>"));

    click(f.p(), QStringLiteral("memberLevel3_2"));
    click(f.p(), QStringLiteral("saveEntry"));
    QCOMPARE(f.env.dialogs.shown.size(), 3);
    const QString key = contestKey + QStringLiteral("ST101");
    QCOMPARE(f.field(key, TeamField::County), QStringLiteral("Adams"));
    QCOMPARE(f.field(key, TeamField::TeamName), QStringLiteral("Adams County"));
    QCOMPARE(f.field(key, TeamField::memberName(3)), QStringLiteral("Typed Member"));
    QCOMPARE(f.field(key, TeamField::memberLevel(3)), QStringLiteral("2"));
    QCOMPARE(f.field(key, TeamField::memberLevel(1)), QStringLiteral("4"));
    QVERIFY(f.contest.presence.teams);
    QCOMPARE(changed.count(), 1);

    // Ready for the next entry: 102 proposed and taken, the counties offered again.
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QStringLiteral("102"));
    QCOMPARE(box(f.p(), QStringLiteral("teamKey"))->text(), contestKey + "ST102");
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("rightCaption"))->text(), QStringLiteral("Counties..."));
    QCOMPARE(f.name(3)->text(), QString());
    QCOMPARE(box(f.p(), QStringLiteral("county"))->text(), QString());
    QVERIFY(!f.button("saveEntry")->isEnabled());
    QVERIFY(!f.levelButton(3, 2)->isChecked());
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("levelCount1"))->text(), QStringLiteral("[3 - 1 - 2]"));
}

void TestTeamsPanel::enterMovesThroughTheEntry()
{
    Fixture f;
    f.chooseLevel(1);
    QTest::keyClick(box(f.p(), QStringLiteral("entryNumber")), Qt::Key_Return);
    QCOMPARE(f.focused(), QStringLiteral("county"));
    QVERIFY(!f.button("saveEntry")->isEnabled());
    QTest::keyClick(box(f.p(), QStringLiteral("county")), Qt::Key_Return);
    QCOMPARE(f.focused(), QStringLiteral("memberName1"));
    QVERIFY(f.button("saveEntry")->isEnabled());
    for (int k = 1; k <= 3; ++k) {
        QTest::keyClick(f.name(k), Qt::Key_Return);
        QCOMPARE(f.focused(), QStringLiteral("memberName%1").arg(k + 1));
    }
    QTest::keyClick(f.name(4), Qt::Key_Return);
    QCOMPARE(f.focused(), QStringLiteral("saveEntry"));
    QCOMPARE(f.panel->currentRow(), 4);
    box(f.p(), QStringLiteral("teamName"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box(f.p(), QStringLiteral("teamName")), Qt::Key_Return);
    QCOMPARE(f.focused(), QStringLiteral("teamCoach"));
    QTest::keyClick(box(f.p(), QStringLiteral("teamCoach")), Qt::Key_Return);
    QCOMPARE(f.focused(), QStringLiteral("memberName1"));
}

void TestTeamsPanel::countiesAndPossibleMembers()
{
    Fixture f;
    f.chooseLevel(1);
    enter(f.p(), QStringLiteral("entryNumber"), QStringLiteral("101"));
    QCOMPARE(items(f.right()), (QStringList{"+NH Non 4H", "+MC Multi-County", "ADA Adams", "BUF Buffalo"}));
    QVERIFY(clickLine(f.right(), QStringLiteral("+MC")));
    QCOMPARE(box(f.p(), QStringLiteral("county"))->text().left(3), QStringLiteral("+MC"));
    QCOMPARE(box(f.p(), QStringLiteral("teamName"))->text(), QStringLiteral("Multi-County"));
    QCOMPARE(f.focused(), QStringLiteral("teamName"));
    QVERIFY(f.possible()->isHidden()); // no members for the county of our own

    QVERIFY(clickLine(f.right(), QStringLiteral("ADA")));
    QCOMPARE(box(f.p(), QStringLiteral("county"))->text(), QStringLiteral("ADA Adams"));
    QCOMPARE(box(f.p(), QStringLiteral("teamName"))->text(), QStringLiteral("Adams"));
    QVERIFY(!f.possible()->isHidden());
    QCOMPARE(items(f.possible()), (QStringList{"11  Carver, Ben ", "14  Carver, Lena M", " 9  Olsen, Mara J"}));

    f.name(1)->setFocus(Qt::TabFocusReason);
    QVERIFY(clickLine(f.possible(), QStringLiteral("14")));
    QCOMPARE(f.name(1)->text(), QStringLiteral("Carver, Lena M"));
    QVERIFY(f.levelButton(1, 3)->isChecked()); // Sr on a senior team
    QCOMPARE(f.focused(), QStringLiteral("memberName2"));
    QVERIFY(f.button("saveEntry")->isEnabled());
    QVERIFY(clickLine(f.possible(), QStringLiteral(" 9")));
    QCOMPARE(f.name(2)->text(), QStringLiteral("Olsen, Mara J"));
    click(f.p(), QStringLiteral("saveEntry"));
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.field(contestKey + "ST101", TeamField::memberName(2)), QStringLiteral("Olsen, Mara J"));
    QCOMPARE(f.field(contestKey + "ST101", TeamField::memberLevel(2)), QStringLiteral("3"));
    QVERIFY(f.possible()->isHidden());
}

void TestTeamsPanel::duplicateOnlyAboveCurrentRow()
{
    Fixture f;
    f.startEntry(3, QStringLiteral("301"));
    enter(f.name(2), QStringLiteral("Carver, Lena M"));
    // The copy in row b is below row a: allowed.
    f.name(1)->setFocus(Qt::TabFocusReason);
    QVERIFY(clickLine(f.possible(), QStringLiteral("14")));
    QCOMPARE(f.name(1)->text(), QStringLiteral("Carver, Lena M"));
    QVERIFY(f.levelButton(1, 1)->isChecked()); // Jr on a junior team
    QVERIFY(f.env.dialogs.shown.isEmpty());
    // Now the focus is on row b, and row a above holds the name.
    QCOMPARE(f.focused(), QStringLiteral("memberName2"));
    QVERIFY(clickLine(f.possible(), QStringLiteral("14")));
    QCOMPARE(f.env.dialogs.texts(), QStringList{QStringLiteral("Selected Member is already on this team.")});
    QCOMPARE(f.env.dialogs.beeps, 1);
    QVERIFY(f.possible()->selectedItems().isEmpty());
}

void TestTeamsPanel::fullTeamRefused()
{
    Fixture f;
    f.startEntry(4, QStringLiteral("401"));
    for (int k = 1; k <= 4; ++k)
        enter(f.name(k), QStringLiteral("Member %1").arg(k));
    QVERIFY(clickLine(f.possible(), QStringLiteral("11")));
    QCOMPARE(f.env.dialogs.texts(),
             QStringList{QStringLiteral(
                 "This team is completely filled.  To enter a new member you must first delete a current team member.")});
    QCOMPARE(f.name(4)->text(), QStringLiteral("Member 4"));
}

void TestTeamsPanel::adultsPickLeaders()
{
    Fixture f;
    f.startEntry(7, QStringLiteral("701"));
    QCOMPARE(items(f.possible()), QStringList{"Brandt, Karl T"});
    f.name(1)->setFocus(Qt::TabFocusReason);
    QVERIFY(clickLine(f.possible(), QStringLiteral("Brandt")));
    QCOMPARE(f.name(1)->text(), QStringLiteral("Brandt, Karl T"));
    click(f.p(), QStringLiteral("saveEntry"));
    QCOMPARE(f.field(contestKey + "AD701", TeamField::memberLevel(1)), QStringLiteral("4"));
}

void TestTeamsPanel::entriesListLoadsAnEntry()
{
    Fixture f;
    const QString key = contestKey + QStringLiteral("ST101");
    f.add(core::Team, key,
          {{TeamField::EntryNumber, "101"}, {TeamField::County, "ADA Adams"}, {TeamField::TeamName, "Adams"},
           {TeamField::TeamCoach, "Brandt, Karl"}, {TeamField::memberName(1), "Carver, Lena M"},
           {TeamField::memberLevel(1), "3"}, {TeamField::assignedGroup(1), "A1-101a"},
           {TeamField::memberName(3), "Olsen, Mara J"}, {TeamField::memberLevel(3), "1"},
           {TeamField::memberLevel(2), "4"}});
    f.chooseLevel(1);
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QStringLiteral("102"));
    // Pointing at the list drops the proposal, so leaving its box for the list takes nothing.
    QEvent enterList(QEvent::Enter);
    QApplication::sendEvent(f.right()->viewport(), &enterList);
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QString());
    QApplication::sendEvent(f.right()->viewport(), &enterList);
    QVERIFY(clickLine(f.right(), key));
    QCOMPARE(box(f.p(), QStringLiteral("teamKey"))->text(), key);
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QStringLiteral("101"));
    QCOMPARE(box(f.p(), QStringLiteral("county"))->text(), QStringLiteral("ADA Adams"));
    QCOMPARE(box(f.p(), QStringLiteral("teamCoach"))->text(), QStringLiteral("Brandt, Karl"));
    QCOMPARE(f.name(1)->text(), QStringLiteral("Carver, Lena M"));
    QCOMPARE(f.group(1)->text(), QStringLiteral("A1"));
    QVERIFY(f.levelButton(1, 3)->isChecked());
    QVERIFY(f.levelButton(3, 1)->isChecked());
    QVERIFY(!f.levelButton(2, 1)->isChecked() && !f.levelButton(2, 2)->isChecked() && !f.levelButton(2, 3)->isChecked());
    QCOMPARE(items(f.possible()).size(), 3);
    QVERIFY(f.button("saveEntry")->isEnabled());
    QVERIFY(f.button("deleteEntry")->isEnabled());
    QCOMPARE(f.focused(), QStringLiteral("memberName2"));
}

void TestTeamsPanel::typedNumberLoadsAnEntry()
{
    Fixture f(false);
    const QString key = contestKey + QStringLiteral("SI402");
    f.add(core::Team, key,
          {{TeamField::EntryNumber, "402"}, {TeamField::County, "Adams"}, {TeamField::TeamName, "Seniors"},
           {TeamField::memberName(2), "Carver, Ben"}, {TeamField::memberLevel(2), "3"}});
    f.chooseLevel(4);
    enter(f.p(), QStringLiteral("entryNumber"), QStringLiteral("402"));
    QCOMPARE(box(f.p(), QStringLiteral("teamName"))->text(), QStringLiteral("Seniors"));
    QCOMPARE(f.name(2)->text(), QStringLiteral("Carver, Ben"));
    QVERIFY(f.levelButton(2, 3)->isChecked());
    QVERIFY(f.button("deleteEntry")->isEnabled());
    // Another number starts a new entry, not a copy of this one.
    enter(f.p(), QStringLiteral("entryNumber"), QStringLiteral("401"));
    QCOMPARE(f.name(2)->text(), QString());
    QCOMPARE(box(f.p(), QStringLiteral("teamName"))->text(), QString());
    QVERIFY(!f.button("deleteEntry")->isEnabled());
}

void TestTeamsPanel::deleteMemberRemovesOnlyItsScores()
{
    Fixture f;
    const QString key = contestKey + QStringLiteral("ST101");
    f.add(core::Team, key,
          {{TeamField::EntryNumber, "101"}, {TeamField::County, "ADA Adams"}, {TeamField::TeamName, "Adams"},
           {TeamField::memberName(1), "A"}, {TeamField::memberLevel(1), "3"},
           {TeamField::memberName(2), "B"}, {TeamField::memberLevel(2), "3"},
           {TeamField::memberName(3), "C"}, {TeamField::memberLevel(3), "3"}});
    const QStringList scores = {contestKey + "001ST101a", contestKey + "001ST101b", contestKey + "002ST101b",
                                contestKey + "001ST101c", contestKey + "001ST102b", contestKey + "001SI101b",
                                QStringLiteral("LS121126001ST101b")};
    for (const QString& s : scores)
        f.add(core::Scor, s);
    f.chooseLevel(1);
    QVERIFY(clickLine(f.right(), key));

    click(f.p(), QStringLiteral("memberDelete4"));
    QVERIFY(!f.button("deleteMember")->isEnabled()); // an empty row
    click(f.p(), QStringLiteral("memberDelete2"));
    QVERIFY(f.button("deleteMember")->isEnabled());
    f.env.dialogs.answer(Dialogs::No);
    click(f.p(), QStringLiteral("deleteMember"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{QStringLiteral("Confirm deleting selected team member?")});
    QCOMPARE(f.name(2)->text(), QStringLiteral("B"));
    QCOMPARE(f.scores().size(), scores.size());

    click(f.p(), QStringLiteral("deleteMember"));
    QCOMPARE(f.name(2)->text(), QString());
    QCOMPARE(f.name(3)->text(), QStringLiteral("C")); // the others keep their letters
    QCOMPARE(f.scores(), (QStringList{contestKey + "001SI101b", contestKey + "001ST101a", contestKey + "001ST101c",
                                      contestKey + "001ST102b", QStringLiteral("LS121126001ST101b")}));
    QVERIFY(!f.button("deleteMember")->isEnabled());
    QVERIFY(!child<QRadioButton>(f.p(), QStringLiteral("memberDelete2"))->isChecked());
    QCOMPARE(f.focused(), QStringLiteral("memberName2"));
    QCOMPARE(f.field(key, TeamField::memberName(2)), QStringLiteral("B")); // until saved
    click(f.p(), QStringLiteral("saveEntry"));
    QCOMPARE(f.field(key, TeamField::memberName(2)), QString());

    // Without a team name nothing is deleted.
    click(f.p(), QStringLiteral("redisplay"));
    QVERIFY(clickLine(f.right(), key));
    enter(f.p(), QStringLiteral("teamName"), QString());
    click(f.p(), QStringLiteral("memberDelete1"));
    f.env.dialogs.clear();
    click(f.p(), QStringLiteral("deleteMember"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{QStringLiteral("A Team name is required!")});
    QCOMPARE(f.name(1)->text(), QStringLiteral("A"));
    QVERIFY(f.scores().contains(contestKey + "001ST101a"));
}

void TestTeamsPanel::deleteEntryRemovesTeamAndScores()
{
    Fixture f;
    const QString key = contestKey + QStringLiteral("ST101");
    f.add(core::Team, key, {{TeamField::County, "ADA Adams"}, {TeamField::TeamName, "Adams"}, {TeamField::memberName(1), "A"}});
    f.add(core::Team, contestKey + QStringLiteral("ST102"));
    for (const QString& s : QStringList{contestKey + "001ST101a", contestKey + "002ST101d", contestKey + "001ST102a"})
        f.add(core::Scor, s);
    f.chooseLevel(1);
    QVERIFY(!f.button("deleteEntry")->isEnabled());
    QVERIFY(clickLine(f.right(), key));
    f.env.dialogs.answer(Dialogs::No);
    click(f.p(), QStringLiteral("deleteEntry"));
    QCOMPARE(f.env.dialogs.texts(),
             QStringList{QStringLiteral("Confirm Deleting Team record (This includes all members of the team and any "
                                        "entered scores.)!")});
    QVERIFY(f.data.FindRecord(core::Team, key));
    click(f.p(), QStringLiteral("deleteEntry"));
    QVERIFY(!f.data.FindRecord(core::Team, key));
    QCOMPARE(f.scores(), QStringList{contestKey + "001ST102a"});
    QCOMPARE(items(f.right()), QStringList{contestKey + "ST102   / "});
    QCOMPARE(f.name(1)->text(), QString());
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QString());
    QCOMPARE(box(f.p(), QStringLiteral("county"))->text(), QString());
    QCOMPARE(box(f.p(), QStringLiteral("teamKey"))->text(), QString());
    QVERIFY(f.possible()->isHidden());
    // With no number there is nothing to save.
    f.env.dialogs.clear();
    enter(f.p(), QStringLiteral("county"), QStringLiteral("Adams"));
    enter(f.p(), QStringLiteral("teamName"), QStringLiteral("Adams"));
    f.name(1)->setFocus(Qt::TabFocusReason);
    click(f.p(), QStringLiteral("saveEntry"));
    QCOMPARE(f.env.dialogs.texts(), QStringList{TeamsPanel::needNumberMessage()});
    QCOMPARE(f.data.RecordCount(core::Team), 1);
}

void TestTeamsPanel::assignedGroupChecks()
{
    Fixture f;
    f.add(core::Team, contestKey + QStringLiteral("ST102"),
          {{TeamField::memberName(1), "Other"}, {TeamField::assignedGroup(1), "B13-102a"}});
    f.startEntry(1, QStringLiteral("101"));
    QVERIFY(!child<QLabel>(f.p(), QStringLiteral("groupCaption"))->isHidden());

    enter(f.group(1), QStringLiteral("e1"));
    QCOMPARE(f.env.dialogs.shown.size(), 1);
    QCOMPARE(f.env.dialogs.shown.first().kind, Dialogs::Kind::Error);
    QCOMPARE(f.env.dialogs.last(), TeamsPanel::groupFormatMessage());
    QCOMPARE(f.group(1)->text(), QString());
    QCOMPARE(f.focused(), QStringLiteral("memberGroup1"));
    enter(f.group(1), QStringLiteral("A123"));
    QCOMPARE(f.env.dialogs.last(), TeamsPanel::groupFormatMessage());
    enter(f.group(1), QStringLiteral("b"));
    QCOMPARE(f.env.dialogs.last(), QStringLiteral("The assigned group value must a group letter (A..Max Group) and an "
                                                  "appearence order number (1..20)"));
    enter(f.group(1), QStringLiteral("b13"));
    QCOMPARE(f.env.dialogs.last(), QStringLiteral("Group assignment is either invalid or already assigned."));
    QCOMPARE(f.group(1)->text(), QString());
    QCOMPARE(f.env.dialogs.beeps, 4);
    QCOMPARE(f.field(contestKey + "ST101", TeamField::assignedGroup(1)), QStringLiteral("<none>"));

    f.env.dialogs.clear();
    enter(f.group(1), QStringLiteral("b14"));
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.group(1)->text(), QStringLiteral("B14"));
    QTRY_COMPARE_WITH_TIMEOUT(f.field(contestKey + "ST101", TeamField::assignedGroup(1)), QStringLiteral("B14-101a"),
                              TeamsPanel::GroupStoreDelayMs * 5);
    QCOMPARE(f.focused(), QStringLiteral("memberGroup2"));
    QVERIFY(f.button("saveEntry")->isEnabled());
    // The code is now taken for the other members of the level.
    enter(f.group(2), QStringLiteral("B14"));
    QCOMPARE(f.env.dialogs.last(), QStringLiteral("Group assignment is either invalid or already assigned."));
    // The last row's group moves on to the save button.
    enter(f.group(4), QStringLiteral("D1"));
    QTRY_COMPARE_WITH_TIMEOUT(f.field(contestKey + "ST101", TeamField::assignedGroup(4)), QStringLiteral("D1-101d"),
                              TeamsPanel::GroupStoreDelayMs * 5);
    QCOMPARE(f.focused(), QStringLiteral("saveEntry"));
}

void TestTeamsPanel::groupStoredBeforeSave()
{
    Fixture f;
    f.startEntry(2, QStringLiteral("201"));
    enter(f.name(1), QStringLiteral("Carver, Ben"));
    click(f.p(), QStringLiteral("memberLevel1_2"));
    f.group(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(f.group(1), QStringLiteral("c7"));
    click(f.p(), QStringLiteral("saveEntry")); // at once, before the delay is over
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.field(contestKey + "IT201", TeamField::assignedGroup(1)), QStringLiteral("C7-201a"));
    QCOMPARE(f.field(contestKey + "IT201", TeamField::memberName(1)), QStringLiteral("Carver, Ben"));
}

void TestTeamsPanel::withoutSupportData()
{
    Fixture f(false);
    QVERIFY(f.right()->isHidden());
    f.chooseLevel(1);
    enter(f.p(), QStringLiteral("entryNumber"), QStringLiteral("101"));
    QCOMPARE(f.env.dialogs.beeps, 1);
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("rightCaption"))->text(), QStringLiteral("SORRY - No Kestrow! data found."));
    QVERIFY(!child<QLabel>(f.p(), QStringLiteral("rightCaption"))->isHidden());
    QVERIFY(f.right()->isHidden());
    QVERIFY(f.possible()->isHidden());
    QCOMPARE(f.focused(), QStringLiteral("teamName"));
    // Everything typed by hand.
    enter(f.p(), QStringLiteral("teamName"), QStringLiteral("Adams"));
    enter(f.p(), QStringLiteral("county"), QStringLiteral("ADA Adams"));
    enter(f.name(1), QStringLiteral("Carver, Lena M"));
    click(f.p(), QStringLiteral("memberLevel1_3"));
    f.env.dialogs.clear();
    click(f.p(), QStringLiteral("saveEntry"));
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.env.dialogs.beeps, 0); // the next number is taken without a beep
    QCOMPARE(f.field(contestKey + "ST101", TeamField::County), QStringLiteral("ADA Adams"));
    QCOMPARE(box(f.p(), QStringLiteral("entryNumber"))->text(), QStringLiteral("102"));
}

void TestTeamsPanel::leavingSavesTheEntry()
{
    Fixture f;
    f.startEntry(1, QStringLiteral("101"));
    enter(f.name(1), QStringLiteral("Carver, Ben"));
    QVERIFY(!f.panel->leave()); // a senior member needs a level button
    QCOMPARE(f.env.dialogs.last(),
             QStringLiteral("One or more contestants does not have not have a level button selected."));
    click(f.p(), QStringLiteral("memberLevel1_1"));
    f.env.dialogs.clear();
    QSignalSpy exited(f.panel.get(), &TeamsPanel::exitRequested);
    click(f.p(), QStringLiteral("exit"));
    QCOMPARE(exited.count(), 1);
    QVERIFY(f.env.dialogs.shown.isEmpty());
    QCOMPARE(f.field(contestKey + "ST101", TeamField::memberLevel(1)), QStringLiteral("1"));
}

QTEST_MAIN(TestTeamsPanel)
#include "tst_teamspanel.moc"
