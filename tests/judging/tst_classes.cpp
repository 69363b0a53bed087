#include "core/datamaster.h"
#include "core/program.h"
#include "judging/classes.h"
#include "judging/fields.h"
#include "testenv.h"

#include <QtTest>

using namespace judging;

Q_DECLARE_METATYPE(judging::PlacingScore::Outcome)

namespace {

const QString contest = QStringLiteral("LS121026");

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
    QString read(int table, const QString& key, int field)
    {
        return data.FindRecord(table, key) ? data.ReadField(table, field) : QStringLiteral("<none>");
    }
    void addRegular(const QString& number, const QString& official, const QString& c1, const QString& c2,
                    const QString& c3)
    {
        add(core::Clas, contest + number,
            {{ClasField::Type, "1"},
             {ClasField::Number, number},
             {ClasField::Title, "Market Hogs"},
             {ClasField::PointValue, "50"},
             {ClasField::TypeCopy, "1"},
             {ClasField::OfficialResult, official},
             {ClasField::cut(1), c1},
             {ClasField::cut(2), c2},
             {ClasField::cut(3), c3}});
    }
    void addScore(const QString& key, const QString& entry, const QString& score)
    {
        add(core::Scor, key, {{ScorField::Entry, entry}, {ScorField::Score, score}});
    }
};

} // namespace

class TestClasses : public QObject
{
    Q_OBJECT

private slots:
    void placingScore_data();
    void placingScore();
    void classNumbers_data();
    void classNumbers();
    void cuts();
    void colors();
    void writeAndReadClass();
    void rescoreClass();
    void rescoreRegularClasses();
    void classInUse();
    void deleteClass();
};

void TestClasses::placingScore_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("official");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("cuts");
    QTest::addColumn<judging::PlacingScore::Outcome>("outcome");
    QTest::addColumn<bool>("hasScore");
    QTest::addColumn<int>("score");
    const auto valid = PlacingScore::Valid;
    const auto invalid = PlacingScore::Invalid;
    const auto ignored = PlacingScore::Ignored;
    QTest::newRow("A equal to official") << "A" << "A" << 1 << 50 << "231" << valid << true << 50;
    QTest::newRow("B inverts 3 and 4") << "B" << "A" << 1 << 50 << "231" << valid << true << 49;
    QTest::newRow("G inverts 1 and 2") << "G" << "A" << 1 << 50 << "231" << valid << true << 48;
    QTest::newRow("X inverts all six pairs") << "X" << "A" << 1 << 50 << "231" << valid << true << 29;
    QTest::newRow("C inverts 2 and 3") << "C" << "A" << 1 << 50 << "231" << valid << true << 47;
    QTest::newRow("all cuts 0") << "X" << "A" << 1 << 50 << "000" << valid << true << 50;
    QTest::newRow("equal, large cuts") << "K" << "K" << 1 << 50 << "555" << valid << true << 50;
    QTest::newRow("equal, other maximum") << "R" << "R" << 1 << 60 << "0F0" << valid << true << 60;
    // Official 2143 (H) against entry 1234 (A): places 1-2 and 3-4 inverted.
    QTest::newRow("other official") << "A" << "H" << 1 << 50 << "231" << valid << true << 47;
    QTest::newRow("lower-case entry") << "c" << "A" << 1 << 50 << "231" << valid << true << 47;
    QTest::newRow("lower-case official") << "C" << "a" << 1 << 50 << "231" << valid << true << 47;
    QTest::newRow("no official placing") << "C" << "" << 1 << 50 << "231" << ignored << false << 0;
    QTest::newRow("number for a regular class") << "0" << "A" << 1 << 50 << "231" << invalid << true << 0;
    QTest::newRow("Y is no placing") << "Y" << "A" << 1 << 50 << "231" << invalid << false << 0;
    QTest::newRow("two letters") << "AB" << "A" << 1 << 50 << "231" << invalid << false << 0;
    QTest::newRow("reasons within maximum") << "50" << "" << 2 << 50 << "000" << valid << true << 50;
    QTest::newRow("reasons zero") << "0" << "" << 2 << 50 << "000" << valid << true << 0;
    QTest::newRow("reasons beyond maximum") << "51" << "" << 2 << 50 << "000" << invalid << true << 51;
    QTest::newRow("negative") << "-1" << "" << 4 << 50 << "000" << invalid << true << -1;
    QTest::newRow("identification within") << "300" << "" << 5 << 300 << "000" << valid << true << 300;
    QTest::newRow("letter for reasons") << "A" << "A" << 2 << 50 << "000" << invalid << false << 0;
    QTest::newRow("mixed for other") << "4x" << "" << 10 << 50 << "000" << invalid << false << 0;
    QTest::newRow("empty entry") << "" << "A" << 2 << 50 << "000" << invalid << false << 0;
}

void TestClasses::placingScore()
{
    QFETCH(QString, entry);
    QFETCH(QString, official);
    QFETCH(int, type);
    QFETCH(int, max);
    QFETCH(QString, cuts);
    QFETCH(judging::PlacingScore::Outcome, outcome);
    QFETCH(bool, hasScore);
    QFETCH(int, score);
    Cuts c{};
    for (int n = 0; n < 3; ++n)
        c[std::size_t(n)] = QString(cuts.at(n)).toInt(nullptr, 16);
    const PlacingScore s = ScorePlacing(entry, official, type, max, c);
    QCOMPARE(s.outcome, outcome);
    QCOMPARE(s.hasScore, hasScore);
    if (hasScore) QCOMPARE(s.score, score);
}

void TestClasses::classNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("padded");
    QTest::newRow("empty") << "" << int(ClassNumberCheck::Empty) << "";
    QTest::newRow("1") << "1" << int(ClassNumberCheck::Accepted) << "001";
    QTest::newRow("40") << "40" << int(ClassNumberCheck::Accepted) << "040";
    QTest::newRow("007") << "007" << int(ClassNumberCheck::Accepted) << "007";
    QTest::newRow("41") << "41" << int(ClassNumberCheck::OutOfRange) << "";
    QTest::newRow("0") << "0" << int(ClassNumberCheck::OutOfRange) << "";
    QTest::newRow("000") << "000" << int(ClassNumberCheck::OutOfRange) << "";
    QTest::newRow("huge") << "99999999999" << int(ClassNumberCheck::OutOfRange) << "";
    QTest::newRow("letter") << "1a" << int(ClassNumberCheck::InvalidCharacter) << "";
    QTest::newRow("minus") << "-1" << int(ClassNumberCheck::InvalidCharacter) << "";
}

void TestClasses::classNumbers()
{
    QFETCH(QString, typed);
    QFETCH(int, check);
    QFETCH(QString, padded);
    QString got;
    QCOMPARE(int(CheckClassNumber(typed, got)), check);
    QCOMPARE(got, padded);
}

void TestClasses::cuts()
{
    QVERIFY(!CutsExceed({15, 0, 0}));
    QVERIFY(!CutsExceed({5, 5, 5}));
    QVERIFY(CutsExceed({8, 8, 0}));
    QVERIFY(CutsExceed({16, 0, 0}));
    QVERIFY(CutsExceed({0, 0, 16}));
    QCOMPARE(CutValue("7"), 7);
    QCOMPARE(CutValue("x"), 0);
    QCOMPARE(CutValue(""), 0);
}

void TestClasses::colors()
{
    QCOMPARE(ClassColorName(2), QStringLiteral("Red"));
    QCOMPARE(ClassColorValue(2), QColor(255, 0, 0));
    QCOMPARE(ClassColorValue(4), QColor(0, 0, 255));
    QCOMPARE(ClassColorValue(7), QColor(0x80, 0, 0x80));
    QCOMPARE(ClassColorValue(0), QColor(0xC5, 0xCD, 0xD8));
    QCOMPARE(ClassColorFromField("9"), 9);
    QCOMPARE(ClassColorFromField("10"), 0);
    QCOMPARE(ClassColorFromField(""), 0);
}

void TestClasses::writeAndReadClass()
{
    Fixture f;
    ClassDefinition def;
    def.type = RegularClass;
    def.number = "003";
    def.title = "Market Lambs";
    def.pointValue = "50";
    def.official = "Z"; // not a placing: cleared
    def.cuts = {"2", "3", "1"};
    def.color = 4;
    WriteClass(f.data, contest + "003", def);
    QCOMPARE(f.read(core::Clas, contest + "003", ClasField::Type), QStringLiteral("1"));
    QCOMPARE(f.read(core::Clas, contest + "003", ClasField::OfficialResult), QString());
    QCOMPARE(f.read(core::Clas, contest + "003", ClasField::Color), QStringLiteral("4"));
    def.official = "b";
    WriteClass(f.data, contest + "003", def);
    ClassDefinition back;
    QVERIFY(ReadClass(f.data, contest + "003", back));
    QCOMPARE(back.official, QStringLiteral("B"));
    QCOMPARE(back.cuts[1], QStringLiteral("3"));
    QCOMPARE(back.color, 4);
    QCOMPARE(back.title, def.title);
    QVERIFY(!ReadClass(f.data, contest + "004", back));
    QCOMPARE(ClassLines(f.data, contest), QStringList{contest + "003  Market Lambs"});
}

void TestClasses::rescoreClass()
{
    Fixture f;
    f.addRegular("001", "A", "2", "3", "1");
    const QString cls = contest + "001";
    f.addScore(cls + "ST101a", "X", "50");
    f.addScore(cls + "ST101b", "c", "");
    f.addScore(cls + "ST101c", "0", "0");
    f.addScore(cls + "ST101d", "", "");           // selected, never saved
    f.addScore(contest + "002ST101a", "X", "50"); // another class
    QCOMPARE(RescoreClass(f.data, cls), 3);
    QCOMPARE(f.read(core::Scor, cls + "ST101a", ScorField::Score), QStringLiteral("29"));
    QCOMPARE(f.read(core::Scor, cls + "ST101b", ScorField::Score), QStringLiteral("47"));
    QCOMPARE(f.read(core::Scor, cls + "ST101c", ScorField::Score), QStringLiteral("0"));
    QCOMPARE(f.read(core::Scor, cls + "ST101d", ScorField::Score), QString());
    QCOMPARE(f.read(core::Scor, contest + "002ST101a", ScorField::Score), QStringLiteral("50"));

    // Without an official placing, stored scores keep their values.
    f.addRegular("001", "", "2", "3", "1");
    f.addScore(cls + "ST101a", "X", "11");
    QCOMPARE(RescoreClass(f.data, cls), 0);
    QCOMPARE(f.read(core::Scor, cls + "ST101a", ScorField::Score), QStringLiteral("11"));
}

void TestClasses::rescoreRegularClasses()
{
    Fixture f;
    f.addRegular("001", "A", "2", "3", "1");
    f.addRegular("002", "X", "5", "5", "5");
    f.add(core::Clas, contest + "003",
          {{ClasField::Type, "2"}, {ClasField::TypeCopy, "2"}, {ClasField::PointValue, "50"}});
    f.addScore(contest + "001JI701a", "B", "");
    f.addScore(contest + "002JI701a", "X", "");
    f.addScore(contest + "003JI701a", "44", "44");
    f.addScore("LS121126001JI701a", "X", "3"); // another contest
    QCOMPARE(RescoreRegularClasses(f.data, contest), 2);
    QCOMPARE(f.read(core::Scor, contest + "001JI701a", ScorField::Score), QStringLiteral("49"));
    QCOMPARE(f.read(core::Scor, contest + "002JI701a", ScorField::Score), QStringLiteral("50"));
    QCOMPARE(f.read(core::Scor, contest + "003JI701a", ScorField::Score), QStringLiteral("44"));
    QCOMPARE(f.read(core::Scor, "LS121126001JI701a", ScorField::Score), QStringLiteral("3"));
}

void TestClasses::classInUse()
{
    Fixture f;
    f.addRegular("001", "A", "0", "0", "0");
    f.addRegular("002", "A", "0", "0", "0");
    f.addRegular("005", "A", "0", "0", "0");
    QVERIFY(!ClassInUse(f.data, contest, "001"));
    f.addScore(contest + "001ST101a", "", "");
    QVERIFY(ClassInUse(f.data, contest, "001"));
    // Pieces of three: "100" of "010050" is no class number of the list.
    f.add(core::Awar, contest + "ST001",
          {{AwarField::ScoringClasses, "010050"}, {AwarField::tieBreakerClasses(2), "002"}});
    QVERIFY(ClassInUse(f.data, contest, "002"));
    QVERIFY(!ClassInUse(f.data, contest, "100"));
    QVERIFY(ClassInUse(f.data, contest, "050"));
    QVERIFY(!ClassInUse(f.data, contest, "005"));
    f.add(core::Awar, "LS121126ST001", {{AwarField::ScoringClasses, "005"}});
    QVERIFY(!ClassInUse(f.data, contest, "005"));
}

void TestClasses::deleteClass()
{
    Fixture f;
    f.addRegular("001", "A", "0", "0", "0");
    f.addRegular("002", "A", "0", "0", "0");
    f.add(core::Offi, contest + "001", {{OffiField::ClassType, "9"}});
    DeleteClass(f.data, contest + "001");
    QVERIFY(!f.data.FindRecord(core::Clas, contest + "001"));
    QVERIFY(!f.data.FindRecord(core::Offi, contest + "001"));
    QVERIFY(f.data.FindRecord(core::Clas, contest + "002"));
}

QTEST_GUILESS_MAIN(TestClasses)
#include "tst_classes.moc"
