#include "core/datamaster.h"
#include "core/tablelayouts.h"
#include "judging/fields.h"
#include "judging/identifiers.h"

#include <QtTest>

using namespace judging;

class TestJudgingIdentifiers : public QObject
{
    Q_OBJECT

private slots:
    void contestCodes_data();
    void contestCodes();
    void contestKeyFromDate();
    void keys_data();
    void keys();
    void levels();
    void members();
    void placingLetters();
    void awardTypes();
    void classTypes();
    void fieldMapsMatchTheLayouts_data();
    void fieldMapsMatchTheLayouts();
};

void TestJudgingIdentifiers::contestCodes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("code");
    QTest::newRow("lower case") << "ls" << "LS";
    QTest::newRow("mixed") << "mE" << "ME";
    QTest::newRow("capitals") << "WJ" << "WJ";
    QTest::newRow("one letter") << "L" << "";
    QTest::newRow("digit") << "L1" << "";
    QTest::newRow("three letters") << "ABC" << "";
    QTest::newRow("blank") << "L " << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("accented letter") << QString::fromUtf8("L\u00c9") << "";
}

void TestJudgingIdentifiers::contestCodes()
{
    QFETCH(QString, typed);
    QFETCH(QString, code);
    QCOMPARE(ContestCodeFromText(typed), code);
}

void TestJudgingIdentifiers::contestKeyFromDate()
{
    QCOMPARE(ContestKey(QStringLiteral("LS"), QDate(2006, 12, 8)), QStringLiteral("LS120806"));
    QCOMPARE(ContestKey(QStringLiteral("ME"), QDate(2026, 1, 2)), QStringLiteral("ME010226"));
}

void TestJudgingIdentifiers::keys_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const QString c = QStringLiteral("LS120806");
    QTest::newRow("team key, JI sequence 7") << TeamKey(c, LevelCode(6), EntryNumber(6, 7)) << "LS120806JI607";
    QTest::newRow("team key, ST 101") << TeamKey(c, QStringLiteral("ST"), EntryNumber(1, 1)) << "LS120806ST101";
    QTest::newRow("typed adult number 7") << TeamKey(c, QStringLiteral("AD"), PadEntryNumber(QStringLiteral("7")))
                                          << "LS120806AD007";
    QTest::newRow("typed three digits kept") << PadEntryNumber(QStringLiteral("105")) << "105";
    QTest::newRow("entry number value") << EntryNumberValue(QStringLiteral("007")) << "7";
    QTest::newRow("entry 199") << EntryNumber(1, 99) << "199";
    QTest::newRow("contestant number") << ContestantNumber(QStringLiteral("101"), 1) << "101a";
    QTest::newRow("contestant 20") << ContestantNumber(QStringLiteral("799"), 20) << "799t";
    QTest::newRow("class 3") << ClassNumber(3) << "003";
    QTest::newRow("class key 3") << ClassKey(c, ClassNumber(3)) << "LS120806003";
    QTest::newRow("class 40") << ClassNumber(40) << "040";
    QTest::newRow("score key") << ScoreKey(ClassKey(c, ClassNumber(3)), QStringLiteral("ST"), QStringLiteral("101a"))
                               << "LS120806003ST101a";
    QTest::newRow("award key") << AwardKey(c, QStringLiteral("SA"), QStringLiteral("004")) << "LS120806SA004";
    QTest::newRow("calc key member") << CalcKey(c, QStringLiteral("001"), QStringLiteral("SI"), QStringLiteral("401"),
                                                QLatin1Char('c'))
                                     << "LS120806001SI401c";
    QTest::newRow("calc key team") << CalcKey(c, QStringLiteral("002"), QStringLiteral("ST"), QStringLiteral("101"))
                                   << "LS120806002ST101 ";
}

void TestJudgingIdentifiers::keys()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

void TestJudgingIdentifiers::levels()
{
    const QStringList codes = {"ST", "IT", "JT", "SI", "II", "JI", "AD"};
    for (int level = 1; level <= LevelCount; ++level) {
        QCOMPARE(LevelCode(level), codes[level - 1]);
        QCOMPARE(LevelIndex(codes[level - 1]), level);
        QCOMPARE(IsTeamLevel(level), level <= 3);
    }
    QCOMPARE(LevelIndex(QStringLiteral("st")), 0);
    QCOMPARE(LevelIndex(QStringLiteral("SA")), 0);
    QCOMPARE(LevelCode(0), QString());
    QCOMPARE(LevelCode(8), QString());
    QCOMPARE(LevelCaption(1), QStringLiteral("Senior Team  (100's)"));
    QCOMPARE(LevelCaption(5), QStringLiteral("Intermediate Individual (500's)"));
    QCOMPARE(LevelCaption(7), QStringLiteral("Adult  (700's)"));
    const MemberLevel defaults[] = {SeniorMember,   IntermediateMember, JuniorMember, SeniorMember,
                                    IntermediateMember, JuniorMember, NoMemberLevel};
    for (int level = 1; level <= LevelCount; ++level)
        QCOMPARE(DefaultMemberLevel(level), defaults[level - 1]);
}

void TestJudgingIdentifiers::members()
{
    QCOMPARE(MemberLetter(1), QLatin1Char('a'));
    QCOMPARE(MemberLetter(20), QLatin1Char('t'));
    QCOMPARE(MemberIndex(QLatin1Char('t')), 20);
    QCOMPARE(MemberIndex(QLatin1Char('u')), 0);
    QCOMPARE(MemberIndex(QLatin1Char('A')), 0);
    // Member 20: name, the three group codes and the level button.
    QCOMPARE(TeamField::memberName(20), 22);
    QCOMPARE(TeamField::assignedGroup(20), 42);
    QCOMPARE(TeamField::fullRandomGroup(20), 62);
    QCOMPARE(TeamField::teamRandomGroup(20), 82);
    QCOMPARE(TeamField::memberLevel(20), 102);
    QCOMPARE(TeamField::memberName(1), 3);
    QCOMPARE(TeamField::memberLevel(1), 83);
}

void TestJudgingIdentifiers::placingLetters()
{
    QCOMPARE(PlacingOrder(0), QStringLiteral("0000"));
    QCOMPARE(PlacingOrder(PlacingIndex(QStringLiteral("A"))), QStringLiteral("1234"));
    QCOMPARE(PlacingOrder(PlacingIndex(QStringLiteral("I"))), QStringLiteral("2314"));
    QCOMPARE(PlacingOrder(PlacingIndex(QStringLiteral("N"))), QStringLiteral("3142"));
    QCOMPARE(PlacingOrder(PlacingIndex(QStringLiteral("X"))), QStringLiteral("4321"));
    QCOMPARE(PlacingLetter(9), QStringLiteral("I"));
    QCOMPARE(PlacingLetter(0), QString());
    QCOMPARE(PlacingIndex(QStringLiteral("Y")), 0);
    QCOMPARE(PlacingIndex(QStringLiteral("a")), 0);
    QCOMPARE(PlacingIndex(QStringLiteral("0")), 0);
    // Every order of four animals once, ascending.
    QStringList orders;
    for (int i = 1; i <= PlacingCount; ++i)
        orders << PlacingOrder(i);
    QStringList sorted = orders;
    sorted.sort();
    sorted.removeDuplicates();
    QCOMPARE(orders, sorted);
    QCOMPARE(orders.size(), 24);
}

void TestJudgingIdentifiers::awardTypes()
{
    QStringList screen;
    for (const AwardType& t : AwardTypesScreenOrder())
        screen << t.code;
    QCOMPARE(screen, (QStringList{"ST", "SI", "SA", "IT", "II", "IA", "JT", "JI", "JA", "AC", "AD"}));
    QCOMPARE(AwardTypesProcessingOrder(),
             (QStringList{"ST", "IT", "JT", "SI", "II", "JI", "AD", "SA", "IA", "JA", "AC"}));
    QVERIFY(IsTeamAward(QStringLiteral("JT")));
    QVERIFY(!IsTeamAward(QStringLiteral("SI")));
    QVERIFY(!IsTeamAward(QStringLiteral("XX")));
    QCOMPARE(AwardTypeCaption(QStringLiteral("SI")), QStringLiteral("(SI)  Senior Individual"));
    QCOMPARE(AwardTypeCaption(QStringLiteral("AC")), QStringLiteral("(AC) All Contestants"));
}

void TestJudgingIdentifiers::classTypes()
{
    QCOMPARE(ClassTypeName(RegularClass), QStringLiteral("Regular"));
    QCOMPARE(ClassTypeName(WoolClass), QStringLiteral("Identification (4H Wool)"));
    QCOMPARE(ClassTypeCaption(MeatsClass), QStringLiteral("Compact Identification (Meats Line) (07)"));
    QCOMPARE(ClassTypeCaption(RoyalMeatsClass), QStringLiteral("American Royal National Meats Identification (08)"));
    QCOMPARE(ClassTypeCaption(OtherClass), QStringLiteral("Other (10)"));
    QCOMPARE(ClassTypeName(0), QString());
    QCOMPARE(ClassTypeCaption(11), QString());
}

// The named indexes land on the columns the shipped layouts give those fields.
void TestJudgingIdentifiers::fieldMapsMatchTheLayouts_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("Type title") << int(core::Type) << TypeField::Title << "ContestTitle";
    QTest::newRow("Type user 5") << int(core::Type) << TypeField::userDefined(5) << "UserDefined5";
    QTest::newRow("Cont AD count") << int(core::Cont) << ContField::levelCount(7) << "AdultCount";
    QTest::newRow("Cont ST count") << int(core::Cont) << ContField::levelCount(1) << "SeniorTeamCount";
    QTest::newRow("Cont groups") << int(core::Cont) << ContField::AssignedGroups << "AssignedGroupCount";
    QTest::newRow("Cont keep/cull") << int(core::Cont) << ContField::KeepCullAnimals << "KeepCullAnimalCount";
    QTest::newRow("Cont support") << int(core::Cont) << ContField::UseSupportData << "UseSupportData";
    QTest::newRow("Team name 20") << int(core::Team) << TeamField::memberName(20) << "MemberName20";
    QTest::newRow("Team group 1") << int(core::Team) << TeamField::assignedGroup(1) << "AssignedGroup01";
    QTest::newRow("Team level 20") << int(core::Team) << TeamField::memberLevel(20) << "MemberLevel20";
    QTest::newRow("Team coach") << int(core::Team) << TeamField::TeamCoach << "TeamCoach";
    QTest::newRow("Clas colour") << int(core::Clas) << ClasField::Color << "ClassColor";
    QTest::newRow("Clas cut 3") << int(core::Clas) << ClasField::cut(3) << "Cut3";
    QTest::newRow("Awar direction 3") << int(core::Awar) << AwarField::tieBreakerDirection(3) << "TieBreaker3Direction";
    QTest::newRow("Scor score") << int(core::Scor) << ScorField::Score << "Score";
    QTest::newRow("Calc member 20") << int(core::Calc) << CalcField::memberTotal(20) << "MemberTotal20";
    QTest::newRow("Calc tie 3") << int(core::Calc) << CalcField::tieBreakerTotal(3) << "TieBreaker3Total";
    QTest::newRow("Card style") << int(core::Card) << CardField::StyleName << "StyleName";
}

void TestJudgingIdentifiers::fieldMapsMatchTheLayouts()
{
    QFETCH(int, table);
    QFETCH(int, field);
    QFETCH(QString, name);
    QCOMPARE(core::layoutFields(table).value(field), name);
}

QTEST_GUILESS_MAIN(TestJudgingIdentifiers)
#include "tst_judgingidentifiers.moc"
