#include "core/tablelayouts.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <iterator>

using core::layoutFields;

class TestTableLayouts : public QObject
{
    Q_OBJECT

private slots:
    void namedFields_data();
    void namedFields();
    void backedUpTablesEndWithDelta_data();
    void backedUpTablesEndWithDelta();
    void namesAreUsableColumns();
    void tablesOutsideTheBackup();
};

// Field indexes the screens address directly; the ends of every repeating group are included
// because an off-by-one there shifts every later field of the table.
void TestTableLayouts::namedFields_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    const auto row = [](const char* tag, int slot, int index, const char* name) {
        QTest::newRow(tag) << slot << index << QString::fromLatin1(name);
    };

    row("System key", 2, 0, "MarkerName");
    row("System applied flag", 2, 4, "AppliedFlag");
    row("Smid grade", 3, 5, "Grade");
    row("Slid middle initial", 4, 3, "MiddleInitial");
    row("Scou county name", 5, 1, "CountyName");
    row("Parm key", 6, 0, "ParmName");
    row("Parm value", 6, 2, "ParmValue");
    row("Parm fifth choice", 6, 8, "Choice5");
    row("Parm first unused", 6, 9, "Unused09");
    row("Parm kind", 6, 17, "ParmKind");
    row("Type user defined 5", 7, 6, "UserDefined5");
    row("Cont key", 8, 0, "ContestKey");
    row("Cont adult count", 8, 12, "AdultCount");
    row("Cont keep/cull animals", 8, 16, "KeepCullAnimalCount");
    row("Cont use support data", 8, 18, "UseSupportData");
    row("Team key", 9, 0, "TeamKey");
    row("Team county", 9, 2, "County");
    row("Team member 1 name", 9, 3, "MemberName01");
    row("Team member 20 name", 9, 22, "MemberName20");
    row("Team member 1 assigned group", 9, 23, "AssignedGroup01");
    row("Team member 20 full random group", 9, 62, "FullRandomGroup20");
    row("Team member 1 team random group", 9, 63, "TeamRandomGroup01");
    row("Team member 20 level", 9, 102, "MemberLevel20");
    row("Team name", 9, 103, "TeamName");
    row("Team coach", 9, 104, "TeamCoach");
    row("Clas type", 10, 1, "ClassType");
    row("Clas type copy", 10, 5, "ClassTypeCopy");
    row("Clas official result", 10, 6, "OfficialResult");
    row("Clas cut 3", 10, 9, "Cut3");
    row("Clas first official answer", 10, 10, "OfficialAnswer001");
    row("Clas last official answer", 10, 159, "OfficialAnswer150");
    row("Clas colour", 10, 160, "ClassColor");
    row("Awar scoring classes", 11, 3, "ScoringClasses");
    row("Awar tie-breaker 3 direction", 11, 9, "TieBreaker3Direction");
    row("Scor entry", 12, 4, "ScoreEntry");
    row("Scor score", 12, 5, "Score");
    row("Scor question 1 answer", 12, 7, "Answer001");
    row("Scor question 20 answer", 12, 26, "Answer020");
    row("Scor last meats answer", 12, 156, "Answer150");
    row("Quiz last serial", 14, 2, "LastQuestionSerial");
    row("Ques usage count", 15, 6, "UsageCount");
    row("Ques difficulty", 15, 11, "Difficulty");
    row("Calc scoring total", 16, 1, "ScoringTotal");
    row("Calc member 20 total", 16, 24, "MemberTotal20");
    row("Even counts X's", 17, 4, "CountsXs");
    row("Even score name 1", 17, 5, "ScoreName01");
    row("Even score name 12", 17, 16, "ScoreName12");
    row("Even total maximum", 17, 17, "MaxTotalScore");
    row("Matc junior used", 18, 4, "JuniorUsed");
    row("Matc individual used", 18, 9, "IndividualUsed");
    row("Matc event 1", 18, 10, "EventUsed01");
    row("Matc event 40", 18, 49, "EventUsed40");
    row("Matc use age", 18, 50, "UseAge");
    row("Matc junior minimum", 18, 51, "JuniorMinimum");
    row("Matc individual maximum", 18, 62, "IndividualMaximum");
    row("Matc participant type", 18, 65, "ParticipantType");
    row("Memb county or group", 19, 2, "CountyOrGroupCode");
    row("Memb team placement 1", 19, 6, "TeamPlacement01");
    row("Memb team placement 10", 19, 15, "TeamPlacement10");
    row("Memb event 1", 19, 16, "EventRegistered01");
    row("Memb event 40", 19, 55, "EventRegistered40");
    row("Tran contest ID", 20, 1, "ContestId");
    row("Sstt allowed levels", 21, 3, "AllowedLevels");
    row("Sstm position a", 22, 4, "MemberContestId1");
    row("Sstm position f", 22, 9, "MemberContestId6");
    row("Ssaw team type part", 23, 5, "TeamTypePart");
    row("Sscs score 12", 24, 12, "Score12");
    row("Sscs X count 1", 24, 13, "XCount01");
    row("Sscs X count 12", 24, 24, "XCount12");
    row("Grou name", 25, 2, "GroupName");
    row("Grou next serial", 25, 3, "NextMemberSerial");
    row("Gids level", 26, 6, "LevelDigit");
    row("Offi type", 27, 1, "ClassType");
    row("Offi first official answer", 27, 2, "OfficialAnswer001");
    row("Offi last meats answer", 27, 151, "OfficialAnswer150");
    row("Card style name", 28, 2, "StyleName");
    row("Sexb last field", 29, 7, "ExhibitorData7");
    row("Scls field 1", 30, 1, "FairClassData");
}

void TestTableLayouts::namedFields()
{
    QFETCH(int, slot);
    QFETCH(int, index);
    QFETCH(QString, name);

    QCOMPARE(layoutFields(slot).value(index), name);
}

// Delta must follow the last used field exactly: earlier would leave data out of the backup,
// later would back up columns nobody fills.
void TestTableLayouts::backedUpTablesEndWithDelta_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("deltaIndex");

    const int deltaIndexes[] = {5,  6,  4,  2,   18, 7,   19, 105, 161, 10, 157, 1,  3,
                                12, 25, 18, 66,  56, 2,   4,  10,  6,   25, 4,  7,  152};
    static_assert(std::size(deltaIndexes) == 26, "one row per backed-up slot 2..27");
    int slot = 2;
    for (int d : deltaIndexes) {
        QTest::addRow("slot %d", slot) << slot << d;
        ++slot;
    }
}

void TestTableLayouts::backedUpTablesEndWithDelta()
{
    QFETCH(int, slot);
    QFETCH(int, deltaIndex);

    const QStringList& fields = layoutFields(slot);
    QCOMPARE(fields.count(QStringLiteral("Delta")), 1);
    QCOMPARE(fields.indexOf(QStringLiteral("Delta")), deltaIndex);
    QCOMPARE(fields.size(), deltaIndex + 1);
    // The backup file writes a field index as one character (index + 32, at most 254).
    QVERIFY(deltaIndex <= 223);
    QVERIFY(!fields.at(deltaIndex - 1).startsWith(QLatin1String("Unused")));
}

void TestTableLayouts::namesAreUsableColumns()
{
    static const QRegularExpression columnName(QStringLiteral("^[A-Za-z][A-Za-z0-9]*$"));

    for (int slot = 2; slot <= 30; ++slot) {
        const QStringList& fields = layoutFields(slot);
        QVERIFY2(!fields.isEmpty(), qPrintable(QStringLiteral("slot %1").arg(slot)));
        QVERIFY2(!fields.first().startsWith(QLatin1String("Unused")) &&
                     fields.first() != QLatin1String("Delta"),
                 qPrintable(QStringLiteral("slot %1 key %2").arg(slot).arg(fields.first())));

        // SQLite column names compare without regard to case.
        QSet<QString> seen;
        for (const QString& name : fields) {
            const QString where = QStringLiteral("slot %1 field %2").arg(slot).arg(name);
            QVERIFY2(columnName.match(name).hasMatch(), qPrintable(where));
            QVERIFY2(!seen.contains(name.toLower()), qPrintable(where + QStringLiteral(" repeats")));
            seen.insert(name.toLower());
        }
    }
}

void TestTableLayouts::tablesOutsideTheBackup()
{
    QVERIFY(layoutFields(1).isEmpty());
    for (int slot : {28, 29, 30})
        QVERIFY2(!layoutFields(slot).contains(QStringLiteral("Delta")),
                 qPrintable(QStringLiteral("slot %1").arg(slot)));
    QCOMPARE(layoutFields(28).size(), 3);
    QCOMPARE(layoutFields(29).size(), 8);
    QCOMPARE(layoutFields(30).size(), 2);

    for (int slot : {0, -1, 31})
        QVERIFY(layoutFields(slot).isEmpty());
}

QTEST_GUILESS_MAIN(TestTableLayouts)
#include "tst_tablelayouts.moc"
