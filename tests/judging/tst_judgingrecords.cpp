#include "core/datamaster.h"
#include "core/program.h"
#include "core/supporttables.h"
#include "judging/contest.h"
#include "judging/entries.h"
#include "judging/fields.h"
#include "testenv.h"

#include <QtTest>

using namespace judging;

namespace {

const QString contest = QStringLiteral("LS121026");
const QString other = QStringLiteral("LS121126");

struct Fixture
{
    testsupport::TestEnv env;
    core::InstallPaths paths = env.install();
    core::Program program{paths};
    core::DataMaster& data = program.data();

    Fixture()
    {
        program.RunStartupSequence();
        env.dialogs.clear();
    }
    void add(int table, const QString& key, std::initializer_list<std::pair<int, QString>> fields = {})
    {
        data.AddRecord(table, key);
        for (const auto& [field, value] : fields)
            data.WriteField(table, field, value);
    }
    QStringList keys(int table)
    {
        QStringList all;
        data.BeginScan(table);
        while (data.GetNextRec(table))
            all << data.CurrentKey(table);
        return all;
    }
};

} // namespace

class TestJudgingRecords : public QObject
{
    Q_OBJECT

private slots:
    void menusFollowPresence_data();
    void menusFollowPresence();
    void contestBoxes();
    void readContestAndPresence();
    void deleteContestCascade();
    void entryCountsAndProposal();
    void entryLinesAndCounties();
    void writeAndReadEntry();
    void saveRefusals_data();
    void saveRefusals();
    void assignedGroups_data();
    void assignedGroups();
    void usedGroupsOfALevel();
    void deleteScores();
    void peopleLines();
};

void TestJudgingRecords::menusFollowPresence_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("present"); // t c a s
    QTest::addColumn<QString>("open");    // teams awards scoring results
    QTest::newRow("new contest, not selected") << false << "tcas" << "----";
    QTest::newRow("selected, empty") << true << "" << "T---";
    QTest::newRow("teams only") << true << "t" << "T---";
    QTest::newRow("teams and classes") << true << "tc" << "TA--";
    QTest::newRow("classes and awards, no teams") << true << "cas" << "T---";
    QTest::newRow("no scores") << true << "tca" << "TAS-";
    QTest::newRow("everything") << true << "tcas" << "TASR";
}

void TestJudgingRecords::menusFollowPresence()
{
    QFETCH(bool, selected);
    QFETCH(QString, present);
    QFETCH(QString, open);
    SelectedContest c;
    c.key = contest;
    c.selected = selected;
    c.presence = {present.contains(QLatin1Char('t')), present.contains(QLatin1Char('c')),
                  present.contains(QLatin1Char('a')), present.contains(QLatin1Char('s'))};
    const ContestMenus m = MenusFor(c);
    QCOMPARE(QString(QChar(m.teams ? 'T' : '-')) + QChar(m.awards ? 'A' : '-') + QChar(m.scoring ? 'S' : '-') +
                 QChar(m.results ? 'R' : '-'),
             open);
}

void TestJudgingRecords::contestBoxes()
{
    QCOMPARE(ContestBoxField(TitleBox), ContField::Title);
    QCOMPARE(ContestBoxField(AdultsBox), ContField::levelCount(7));
    QCOMPARE(ContestBoxField(AssignedGroupsBox), ContField::AssignedGroups);
    QCOMPARE(ContestBoxField(KeepCullBox), ContField::KeepCullAnimals);
    QCOMPARE(ContestBoxField(CardClassesBox), ContField::CardClasses);
    QCOMPARE(ContestBoxValue(TitleBox, QString()), QString());
    QCOMPARE(ContestBoxValue(DateBox, QString()), QString());
    QCOMPARE(ContestBoxValue(LocationBox, QString()), QStringLiteral("0"));
    QCOMPARE(ContestBoxValue(AssignedGroupsBox, QString()), QStringLiteral("0"));
    QCOMPARE(ContestBoxValue(KeepCullBox, QString()), QStringLiteral("8"));
    QCOMPARE(ContestBoxValue(CardClassesBox, QString()), QStringLiteral("0"));
    QCOMPARE(ContestBoxValue(KeepCullBox, QStringLiteral("12")), QStringLiteral("12"));
    QCOMPARE(ContestBoxLevel(SeniorTeamsBox), 1);
    QCOMPARE(ContestBoxLevel(AdultsBox), 7);
    QCOMPARE(ContestBoxLevel(AssignedGroupsBox), 0);
}

void TestJudgingRecords::readContestAndPresence()
{
    Fixture f;
    f.add(core::Cont, contest,
          {{ContField::Title, "District Livestock"}, {ContField::MaxMembers, "4"}, {ContField::ScoresSaved, "3"},
           {ContField::levelCount(1), "3"}, {ContField::levelCount(7), "9"}, {ContField::AssignedGroups, "4"},
           {ContField::FullRandomGroups, "2"}, {ContField::KeepCullAnimals, "8"}, {ContField::CardClasses, "12"},
           {ContField::UseSupportData, "1"}});
    SelectedContest c;
    QVERIFY(!ReadContest(f.data, other, c));
    QVERIFY(ReadContest(f.data, contest, c));
    QCOMPARE(c.title, QStringLiteral("District Livestock"));
    QCOMPARE(c.setup.maxMembers, 4);
    QCOMPARE(c.setup.scoresSaved, 3);
    QCOMPARE(c.setup.levelCounts[1], 3);
    QCOMPARE(c.setup.levelCounts[2], 0);
    QCOMPARE(c.setup.levelCounts[7], 9);
    QCOMPARE(c.setup.assignedGroups, 4);
    QCOMPARE(c.setup.fullRandomGroups, 2);
    QCOMPARE(c.setup.keepCullAnimals, 8);
    QCOMPARE(c.setup.cardClasses, 12);
    QVERIFY(c.setup.useSupportData);

    // Records of the next contest do not count for this one.
    f.add(core::Team, other + QStringLiteral("ST101"));
    f.add(core::Clas, contest + QStringLiteral("001"));
    ContestPresence p = ReadContestPresence(f.data, contest);
    QVERIFY(!p.teams);
    QVERIFY(p.classes);
    QVERIFY(!p.awards);
    QVERIFY(!p.scores);
    f.add(core::Scor, contest + QStringLiteral("001ST101a"));
    QVERIFY(ReadContestPresence(f.data, contest).scores);
    QCOMPARE(CountWithPrefix(f.data, core::Team, contest), 0);
    QCOMPARE(CountWithPrefix(f.data, core::Team, other), 1);
}

void TestJudgingRecords::deleteContestCascade()
{
    Fixture f;
    f.add(core::Cont, contest);
    f.add(core::Cont, other);
    for (int table : {core::Team, core::Clas, core::Awar, core::Scor, core::Calc})
        for (int i = 1; i <= 3; ++i) {
            f.add(table, contest + QStringLiteral("X%1").arg(i));
            f.add(table, other + QStringLiteral("X%1").arg(i));
        }
    f.add(core::Offi, contest + QStringLiteral("001"));
    f.add(core::Card, QStringLiteral("0101"));
    DeleteContest(f.data, contest);
    QCOMPARE(f.keys(core::Cont), QStringList{other});
    for (int table : {core::Team, core::Clas, core::Awar, core::Scor, core::Calc})
        QCOMPARE(f.keys(table), (QStringList{other + "X1", other + "X2", other + "X3"}));
    QCOMPARE(f.keys(core::Offi), QStringList{contest + "001"});
    QCOMPARE(f.keys(core::Card), QStringList{"0101"});

    // A key that is not a whole contest key takes nothing with it.
    DeleteContest(f.data, QStringLiteral("LS"));
    QCOMPARE(f.keys(core::Team).size(), 3);
}

void TestJudgingRecords::entryCountsAndProposal()
{
    Fixture f;
    f.add(core::Team, contest + QStringLiteral("ST101"));
    f.add(core::Team, contest + QStringLiteral("ST102"));
    f.add(core::Team, contest + QStringLiteral("JI601"));
    f.add(core::Team, other + QStringLiteral("ST103"));
    const auto counts = CountEntriesByLevel(f.data, contest);
    QCOMPARE(counts[1], 2);
    QCOMPARE(counts[6], 1);
    QCOMPARE(counts[7], 0);
    QCOMPARE(LevelCountLabel(3, 2), QStringLiteral("[3 - 2 - 1]"));
    QCOMPARE(LevelCountLabel(0, 1), QStringLiteral("[0 - 1 - -1]"));

    QCOMPARE(ProposeEntryNumber(f.data, contest, 1, 3), QStringLiteral("103"));
    QCOMPARE(ProposeEntryNumber(f.data, contest, 1, 2), QString());
    QCOMPARE(ProposeEntryNumber(f.data, contest, 6, 5), QStringLiteral("602"));
    QCOMPARE(ProposeEntryNumber(f.data, contest, 7, 0), QString());
    f.data.DeleteRecord(core::Team, contest + QStringLiteral("ST101"));
    QCOMPARE(ProposeEntryNumber(f.data, contest, 1, 3), QStringLiteral("101"));

    QVERIFY(ExceedsSetup(104, 3));
    QVERIFY(ExceedsSetup(4, 3));
    QVERIFY(!ExceedsSetup(103, 3));
    QVERIFY(!ExceedsSetup(7, 7));
    QVERIFY(!ExceedsSetup(200, 0));
}

void TestJudgingRecords::entryLinesAndCounties()
{
    Fixture f;
    f.add(core::Team, contest + QStringLiteral("ST102"), {{TeamField::County, "ADA Adams"}, {TeamField::TeamName, "Adams"}});
    f.add(core::Team, contest + QStringLiteral("ST101"),
          {{TeamField::County, "+MC Multi-County"}, {TeamField::TeamName, "Multi-County"}});
    f.add(core::Team, contest + QStringLiteral("IT201"));
    QCOMPARE(EntryLines(f.data, contest, QStringLiteral("ST")),
             (QStringList{contest + "ST101  +MC Multi-County / Multi-County", contest + "ST102  ADA Adams / Adams"}));
    QCOMPARE(EntryLines(f.data, contest, QStringLiteral("AD")), QStringList());

    f.add(core::Scou, QStringLiteral("BUF"), {{core::ScouField::Name, "Buffalo"}});
    f.add(core::Scou, QStringLiteral("ADA"), {{core::ScouField::Name, "Adams"}});
    QCOMPARE(EntryCountyLines(f.data, false), (QStringList{"+NH Non 4H", "+MC Multi-County"}));
    QCOMPARE(EntryCountyLines(f.data, true), (QStringList{"+NH Non 4H", "+MC Multi-County", "ADA Adams", "BUF Buffalo"}));
}

void TestJudgingRecords::writeAndReadEntry()
{
    Fixture f;
    const QString key = contest + QStringLiteral("ST101");
    f.add(core::Team, key, {{TeamField::memberName(5), "Kept"}, {TeamField::assignedGroup(1), "A1-101a"}});
    Entry e;
    e.entryNumber = QStringLiteral("101");
    e.county = QStringLiteral("ADA Adams");
    e.teamName = QStringLiteral("Adams");
    e.coach = QStringLiteral("Brandt, Karl");
    e.names[1] = QStringLiteral("Carver, Lena M");
    e.levels[1] = SeniorMember;
    e.names[3] = QStringLiteral("Typed Name");
    e.levels[3] = 0; // none checked
    WriteEntry(f.data, key, e, 4);
    Entry back;
    QVERIFY(ReadEntry(f.data, key, back));
    QCOMPARE(back.entryNumber, QStringLiteral("101"));
    QCOMPARE(back.county, QStringLiteral("ADA Adams"));
    QCOMPARE(back.coach, QStringLiteral("Brandt, Karl"));
    QCOMPARE(back.names[1], QStringLiteral("Carver, Lena M"));
    QCOMPARE(back.levels[1], 3);
    QCOMPARE(back.levels[2], 4);
    QCOMPARE(back.levels[3], 4);
    QCOMPARE(back.names[5], QStringLiteral("Kept")); // rows above the maximum are not written
    QCOMPARE(back.levels[5], 0);
    QCOMPARE(back.groups[1], QStringLiteral("A1-101a")); // saving leaves the groups alone
    QVERIFY(!ReadEntry(f.data, contest + QStringLiteral("ST102"), back));
}

void TestJudgingRecords::saveRefusals_data()
{
    QTest::addColumn<QString>("county");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("memberLevel");
    QTest::addColumn<QString>("refusal");
    const QString noButton = QStringLiteral("One or more contestants does not have not have a level button selected.");
    QTest::newRow("no county") << "" << "Adams" << 1 << 3 << "A County name is required!";
    QTest::newRow("no team name") << "ADA Adams" << "" << 1 << 3 << "A Team name is required!";
    QTest::newRow("youth without button") << "ADA Adams" << "Adams" << 4 << 0 << noButton;
    QTest::newRow("youth with button") << "ADA Adams" << "Adams" << 6 << 1 << "";
    QTest::newRow("adult without button") << "ADA Adams" << "Adams" << 7 << 0 << "";
}

void TestJudgingRecords::saveRefusals()
{
    QFETCH(QString, county);
    QFETCH(QString, name);
    QFETCH(int, level);
    QFETCH(int, memberLevel);
    QFETCH(QString, refusal);
    Entry e;
    e.county = county;
    e.teamName = name;
    e.names[3] = QStringLiteral("Carver, Lena M");
    e.levels[3] = memberLevel;
    e.levels[4] = 0; // no name: no button needed
    QCOMPARE(EntrySaveRefusal(e, level, 4), refusal);
    // A member beyond the maximum is not looked at.
    QCOMPARE(EntrySaveRefusal(e, level, 2), refusal.startsWith(QLatin1String("One")) ? QString() : refusal);
}

void TestJudgingRecords::assignedGroups_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("result");
    QTest::newRow("empty") << "" << int(GroupCheck::Empty);
    QTest::newRow("free") << "B14" << int(GroupCheck::Accepted);
    QTest::newRow("lower case") << "d1" << int(GroupCheck::Accepted);
    QTest::newRow("order 99") << "A99" << int(GroupCheck::Accepted);
    QTest::newRow("too long") << "A100" << int(GroupCheck::BadFormat);
    QTest::newRow("letter beyond the groups") << "E1" << int(GroupCheck::BadFormat);
    QTest::newRow("letter beyond, short") << "E" << int(GroupCheck::BadFormat);
    QTest::newRow("digit first") << "12" << int(GroupCheck::BadFormat);
    QTest::newRow("letter only") << "B" << int(GroupCheck::TooShort);
    QTest::newRow("order 0") << "B0" << int(GroupCheck::BadFormat);
    QTest::newRow("letters after") << "BB" << int(GroupCheck::BadFormat);
    QTest::newRow("taken by another") << "B13" << int(GroupCheck::Taken);
    QTest::newRow("taken, lower case") << "b13" << int(GroupCheck::Taken);
    QTest::newRow("prefix of a taken code is free") << "B1" << int(GroupCheck::Accepted);
    QTest::newRow("own code again") << "C2" << int(GroupCheck::Accepted);
}

void TestJudgingRecords::assignedGroups()
{
    QFETCH(QString, typed);
    QFETCH(int, result);
    const UsedGroups used = {{QStringLiteral("102a"), QStringLiteral("B13")}, {QStringLiteral("101b"), QStringLiteral("C2")}};
    QCOMPARE(int(CheckAssignedGroup(typed, 4, used, QStringLiteral("101b"))), result);
}

void TestJudgingRecords::usedGroupsOfALevel()
{
    Fixture f;
    f.add(core::Team, contest + QStringLiteral("ST101"),
          {{TeamField::memberName(1), "A"}, {TeamField::assignedGroup(1), "B13-101a"},
           {TeamField::memberName(2), "B"}, {TeamField::assignedGroup(2), "A2-101b"},
           {TeamField::assignedGroup(3), "A3-101c"}}); // no name: not counted
    f.add(core::Team, contest + QStringLiteral("IT201"), {{TeamField::memberName(1), "C"}, {TeamField::assignedGroup(1), "D1-201a"}});
    const UsedGroups used = ReadUsedGroups(f.data, contest, QStringLiteral("ST"));
    QCOMPARE(used, (UsedGroups{{"101a", "B13"}, {"101b", "A2"}}));
    QCOMPARE(AssignedGroupField(QStringLiteral("B13"), QStringLiteral("101"), 1), QStringLiteral("B13-101a"));
    QCOMPARE(AssignedGroupField(QStringLiteral("A2"), QStringLiteral("007"), 20), QStringLiteral("A2-7t"));
    QCOMPARE(AssignedGroupCode(QStringLiteral("A2-7t")), QStringLiteral("A2"));
}

void TestJudgingRecords::deleteScores()
{
    Fixture f;
    const QStringList scores = {contest + "001ST101a", contest + "001ST101b", contest + "002ST101b",
                                contest + "001ST102b", contest + "001SI101b", contest + "001ST101c",
                                other + "001ST101b"};
    for (const QString& k : scores)
        f.add(core::Scor, k);
    DeleteEntryScores(f.data, contest, QStringLiteral("ST"), QStringLiteral("101"), 2);
    QCOMPARE(f.keys(core::Scor), (QStringList{contest + "001SI101b", contest + "001ST101a", contest + "001ST101c",
                                              contest + "001ST102b", other + "001ST101b"}));
    f.add(core::Team, contest + QStringLiteral("ST101"));
    f.add(core::Team, contest + QStringLiteral("ST102"));
    DeleteEntry(f.data, contest + QStringLiteral("ST101"));
    QCOMPARE(f.keys(core::Scor), (QStringList{contest + "001SI101b", contest + "001ST102b", other + "001ST101b"}));
    QCOMPARE(f.keys(core::Team), QStringList{contest + "ST102"});
}

void TestJudgingRecords::peopleLines()
{
    Fixture f;
    f.add(core::Smid, QStringLiteral("ADA0002"), {{1, "Olsen"}, {2, "Mara"}, {3, "J"}, {4, "9"}});
    f.add(core::Smid, QStringLiteral("ADA0001"), {{1, "Carver"}, {2, "Lena"}, {3, "M"}, {4, "14"}});
    f.add(core::Smid, QStringLiteral("ada0003"), {{1, "Carver"}, {2, "Ben"}, {4, "11"}});
    f.add(core::Smid, QStringLiteral("BUF0001"), {{1, "Abbott"}, {2, "Zed"}});
    QCOMPARE(core::PeopleLines(f.data, core::Smid, QStringLiteral("ADA")),
             (QStringList{"11  Carver, Ben ", "14  Carver, Lena M", " 9  Olsen, Mara J"}));
    f.add(core::Slid, QStringLiteral("ADA0001"), {{1, "Brandt"}, {2, "Karl"}, {3, "T"}});
    QCOMPARE(core::PeopleLines(f.data, core::Slid, QStringLiteral("ADA")), QStringList{"Brandt, Karl T"});
    QCOMPARE(core::PeopleLines(f.data, core::Smid, QStringLiteral("+MC")), QStringList());
}

QTEST_GUILESS_MAIN(TestJudgingRecords)
#include "tst_judgingrecords.moc"
