#include "judging/results.h"

#include <QtTest>

using namespace judging;

class TestResults : public QObject
{
    Q_OBJECT
private slots:
    void teamTotal_data();
    void teamTotal();
    void ordering_data();
    void ordering();
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

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"
