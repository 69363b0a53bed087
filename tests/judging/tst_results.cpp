#include "judging/results.h"

#include "judging/awards.h"
#include "judgingfixture.h"

#include <QtTest>

using namespace judging;
using judgingtest::ContestFixture;

namespace {

// Ranked keys without the contest and award number: "ST101a", a team "ST101 ".
QStringList RankedUnits(ContestFixture& f, const QString& type, const QString& number)
{
    Award award;
    if (!ReadAward(f.data, AwardKey(ContestFixture::contestKey, type, number), award))
        return {QStringLiteral("no award")};
    ProcessAward(f.data, ContestFixture::contestKey, award);
    QStringList keys;
    for (const RankedUnit& unit : RankAward(f.data, ContestFixture::contestKey, award))
        keys << unit.key.mid(ContestKeyLength + 3);
    return keys;
}

} // namespace

class TestResults : public QObject
{
    Q_OBJECT
private slots:
    void teamTotal_data();
    void teamTotal();
    void ordering_data();
    void ordering();
    void unitsOfAwardTypes_data();
    void unitsOfAwardTypes();
    void droppedMemberLeavesTheTieBreakers_data();
    void droppedMemberLeavesTheTieBreakers();
    void classLists_data();
    void classLists();
};

void TestResults::teamTotal_data()
{
    QTest::addColumn<QList<int>>("members");
    QTest::addColumn<int>("judged");
    QTest::addColumn<int>("maxMembers");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("dropped");
    QTest::newRow("best three of four") << QList<int>{140, 150, 120, 135} << 3 << 4 << 425 << 3;
    QTest::newRow("empty fourth dropped") << QList<int>{140, 150, 120} << 3 << 4 << 410 << 4;
    QTest::newRow("all judged") << QList<int>{10, 20} << 20 << 20 << 30 << 0;
}

void TestResults::teamTotal()
{
    QFETCH(QList<int>, members);
    QFETCH(int, judged);
    QFETCH(int, maxMembers);
    std::array<qint64, 20> totals{};
    for (int k = 0; k < members.size(); ++k)
        totals[static_cast<std::size_t>(k)] = members[k];
    const TeamTotal result = TeamTotalOf(totals, judged, maxMembers);
    QTEST(static_cast<int>(result.total), "total");
    QTEST(result.dropped, "dropped");
}

void TestResults::ordering_data()
{
    QTest::addColumn<QList<int>>("scoring");
    QTest::addColumn<QList<int>>("tieBreaker");
    QTest::addColumn<bool>("high");
    QTest::addColumn<QString>("order");
    QTest::newRow("3 5 5 gives c b a") << QList<int>{3, 5, 5} << QList<int>{0, 0, 0} << true << "cba";
    QTest::newRow("tie-breaker high") << QList<int>{7, 7} << QList<int>{1, 2} << true << "ba";
    QTest::newRow("tie-breaker low") << QList<int>{7, 7} << QList<int>{1, 2} << false << "ab";
    QTest::newRow("above 16 bits") << QList<int>{70000, 65536} << QList<int>{0, 0} << true << "ab";
}

void TestResults::ordering()
{
    QFETCH(QList<int>, scoring);
    QFETCH(QList<int>, tieBreaker);
    QFETCH(bool, high);
    std::vector<RankedUnit> units;
    for (int i = 0; i < scoring.size(); ++i) {
        RankedUnit unit;
        unit.totals = {scoring[i], tieBreaker[i], 0, 0};
        unit.key = QString(QChar(u'a' + i));
        units.push_back(unit);
    }
    OrderUnits(units, {high, true, true});
    QString order;
    for (const RankedUnit& unit : units)
        order += unit.key;
    QTEST(order, "order");
}

void TestResults::unitsOfAwardTypes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("ranked");
    // Senior team 101: a Jr, b Sr, c Int, d Sr; 103 lies above the two senior teams set up.
    QTest::newRow("ST, not above the set-up count") << "ST" << QStringList{"ST101 "};
    QTest::newRow("JA, a Jr member of a senior team") << "JA" << QStringList{"ST101a", "JI601a", "IT201a"};
    QTest::newRow("SA") << "SA" << QStringList{"ST101b", "ST101d", "SI401a"};
    QTest::newRow("IA") << "IA" << QStringList{"ST101c"};
    QTest::newRow("AC, levels 1..6 but no adults")
        << "AC" << QStringList{"ST101b", "ST101a", "ST101d", "SI401a", "ST101c", "JI601a", "IT201a"};
    QTest::newRow("AD") << "AD" << QStringList{"AD701a"};
}

void TestResults::unitsOfAwardTypes()
{
    QFETCH(QString, type);
    ContestFixture f(4, 3, {2, 5, 5, 9, 9, 9, 9});
    f.addClass(1, QStringLiteral("Market Steers"));
    f.addEntry(1, 1, QStringLiteral("Adams"), {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cal"), QStringLiteral("Dee")},
               {JuniorMember, SeniorMember, IntermediateMember, SeniorMember});
    f.addEntry(1, 3, QStringLiteral("Adams"), {QStringLiteral("Eve")}, {JuniorMember});
    f.addEntry(2, 1, QStringLiteral("Blaine"), {QStringLiteral("Fay")}, {JuniorMember});
    f.addEntry(4, 1, QStringLiteral("Custer"), {QStringLiteral("Gus")});
    f.addEntry(6, 1, QStringLiteral("Dawson"), {QStringLiteral("Hal")});
    f.addEntry(7, 1, QStringLiteral("Elk"), {QStringLiteral("Ida")}, {JuniorMember});
    const QList<std::pair<QString, int>> scores{{"101a", 140}, {"101b", 150}, {"101c", 120}, {"101d", 135},
                                                {"103a", 500}, {"201a", 100}, {"401a", 130}, {"601a", 110},
                                                {"701a", 999}};
    for (const auto& [contestant, score] : scores)
        f.addScore(1, contestant, QStringLiteral("A"), score);
    f.addAward(type, QStringLiteral("001"), QStringLiteral("Award"), QStringLiteral("001"));
    QTEST(RankedUnits(f, type, QStringLiteral("001")), "ranked");
}

void TestResults::droppedMemberLeavesTheTieBreakers_data()
{
    QTest::addColumn<QList<int>>("scoring");
    QTest::addColumn<QList<int>>("tieBreaker");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("tieTotal");
    // 120 is left out of the team total, so the member's 99 must not count in the tie-breaker.
    QTest::newRow("full team, 120 dropped") << QList<int>{140, 150, 120, 135} << QList<int>{10, 20, 99, 30} << 425 << 60;
    // The empty fourth position is the dropped one: all three count.
    QTest::newRow("three members") << QList<int>{140, 150, 120} << QList<int>{10, 20, 99} << 410 << 129;
}

void TestResults::droppedMemberLeavesTheTieBreakers()
{
    QFETCH(QList<int>, scoring);
    QFETCH(QList<int>, tieBreaker);
    ContestFixture f(4, 3);
    f.addClass(1, QStringLiteral("Market Steers"));
    f.addClass(2, QStringLiteral("Steer Reasons"), ReasonsClass);
    QStringList names;
    for (int k = 1; k <= scoring.size(); ++k) {
        names << QStringLiteral("Member %1").arg(k);
        f.addScore(1, ContestantNumber(QStringLiteral("101"), k), QStringLiteral("A"), scoring[k - 1]);
        f.addScore(2, ContestantNumber(QStringLiteral("101"), k), QStringLiteral("A"), tieBreaker[k - 1]);
    }
    f.addEntry(1, 1, QStringLiteral("Adams"), names);
    f.addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("001"),
               QStringLiteral("002"), QStringLiteral("002"));
    QCOMPARE(RankedUnits(f, QStringLiteral("ST"), QStringLiteral("001")), QStringList{QStringLiteral("ST101 ")});
    QVERIFY(f.data.FindRecord(core::Calc, CalcKey(ContestFixture::contestKey, QStringLiteral("001"), QStringLiteral("ST"),
                                                  QStringLiteral("101"))));
    QTEST(f.data.ReadFieldInt(core::Calc, CalcField::ScoringTotal), "total");
    QTEST(f.data.ReadFieldInt(core::Calc, CalcField::tieBreakerTotal(1)), "tieTotal");
    QTEST(f.data.ReadFieldInt(core::Calc, CalcField::tieBreakerTotal(2)), "tieTotal");
    QCOMPARE(f.data.ReadFieldInt(core::Calc, CalcField::tieBreakerTotal(3)), 0);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(f.data.ReadFieldInt(core::Calc, CalcField::memberTotal(k)), k <= scoring.size() ? scoring[k - 1] : 0);
}

void TestResults::classLists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("ALL in key order") << "ALL" << QStringList{"001", "002", "010"}
                                      << QStringList{"1 Market Steers", "2 Breeding Heifers", "10 Steer Reasons"};
    QTest::newRow("as written") << "010001" << QStringList{"010", "001"}
                                << QStringList{"10 Steer Reasons", "1 Market Steers"};
    QTest::newRow("missing class skipped") << "001003002" << QStringList{"001", "002"}
                                           << QStringList{"1 Market Steers", "", "2 Breeding Heifers"};
    QTest::newRow("short remainder ends the list") << "00100" << QStringList{"001"} << QStringList{"1 Market Steers"};
    QTest::newRow("empty") << "" << QStringList{} << QStringList{};
}

void TestResults::classLists()
{
    QFETCH(QString, list);
    ContestFixture f;
    f.addClass(10, QStringLiteral("Steer Reasons"), ReasonsClass);
    f.addClass(2, QStringLiteral("Breeding Heifers"));
    f.addClass(1, QStringLiteral("Market Steers"));
    // A class of another contest is not part of "ALL".
    f.add(core::Clas, QStringLiteral("LS121027004"), {{ClasField::Title, QStringLiteral("Other")}});
    QTEST(ExpandClassList(f.data, ContestFixture::contestKey, list), "classes");
    QTEST(ClassListCells(f.data, ContestFixture::contestKey, list), "cells");
}

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
