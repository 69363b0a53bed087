#include "judging/resultsexport.h"

#include "judgingfixture.h"
#include "platform/drives.h"
#include "platform/files.h"

#include <QtTest>

using namespace judging;
using judgingtest::ContestFixture;

namespace {

// Two senior teams (M = 4, N = 3), an intermediate team and two senior individuals; classes 1
// and 2 score, class 3 breaks ties; awards ST 001 on "001002" and SI 002 on "ALL".
struct SmallContest : ContestFixture
{
    SmallContest()
    {
        addClass(1, QStringLiteral("Market Steers"));
        addClass(2, QStringLiteral("Breeding Heifers"));
        addClass(3, QStringLiteral("Steer Reasons"), ReasonsClass);
        addEntry(1, 1, QStringLiteral("Adams County"),
                 {QStringLiteral("Ann Adams"), QStringLiteral("Bob Baker"), QStringLiteral("Cal Cole"),
                  QStringLiteral("Dee Dunn")});
        addEntry(1, 2, QStringLiteral("Blaine County Extension Office"),
                 {QStringLiteral("Eve Evans"), QStringLiteral("Fay Fox"), QStringLiteral("Gus Grant")});
        addEntry(2, 1, QStringLiteral("Custer"), {QStringLiteral("Ida Irwin")});
        addEntry(4, 1, QStringLiteral("Dawson"), {QStringLiteral("Hal Hunt")});
        addEntry(4, 2, QStringLiteral("Elk"), {QStringLiteral("Jo Jensen-Montgomery-Smithfield")});
        // Members of 101: 140, 150, 120, 135 over classes 1 and 2.
        const QList<std::pair<QString, QList<int>>> scores{
            {QStringLiteral("101a"), {90, 50, 40}}, {QStringLiteral("101b"), {100, 50, 45}},
            {QStringLiteral("101c"), {70, 50, 50}}, {QStringLiteral("101d"), {85, 50, 30}},
            {QStringLiteral("102a"), {95, 40, 44}}, {QStringLiteral("102b"), {80, 45, 41}},
            {QStringLiteral("102c"), {60, 30, 20}}, {QStringLiteral("201a"), {50, 50, 50}},
            {QStringLiteral("401a"), {88, 47, 39}}, {QStringLiteral("402a"), {91, 44, 42}}};
        for (const auto& [contestant, values] : scores)
            for (int c = 1; c <= 3; ++c)
                addScore(c, contestant, QStringLiteral("A"), values[c - 1]);
        addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("001002"),
                 QStringLiteral("003"));
        addAward(QStringLiteral("SI"), QStringLiteral("002"), QStringLiteral("Senior Individuals"),
                 QStringLiteral("ALL"), QStringLiteral("003"), QString(), QString(), false);
        addAward(QStringLiteral("IT"), QStringLiteral("003"), QStringLiteral("Intermediate Teams"),
                 QStringLiteral("001"));
    }

    static AwardChoice choice(const QString& type, const QString& number)
    {
        return {AwardKey(contestKey, type, number), QString()};
    }

    QString exportTo(ExportFormat format, const QString& name, const std::vector<AwardChoice>& awards, int ranks = 10)
    {
        return ExportAwardResults(data, contestKey, format, name, awards, ranks, paths.stateFolder());
    }

    QByteArray read(const QString& path) const
    {
        QFile file(platform::Drives::resolve(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList lines(const QString& path) const
    {
        QStringList all = QString::fromLatin1(read(path)).split(QStringLiteral("\r\n"));
        if (!all.isEmpty() && all.last().isEmpty())
            all.removeLast();
        return all;
    }
};

} // namespace

class TestResultsExport : public QObject
{
    Q_OBJECT
private slots:
    void formatsByteForByte_data();
    void formatsByteForByte();
    void delimitedTeamLines();
    void asciiStops();
    void fileNames_data();
    void fileNames();
    void nameNeverLeavesTheFilesFolder();
    void replacesTheEarlierFile();
    void ranksLimitTeamsNotMembers();
    void awardsInPositionOrder();
};

// Golden files: MARVOLEN_REGENERATE=1 writes them anew after a deliberate change.
void TestResultsExport::formatsByteForByte_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("golden");
    QTest::newRow("ascii") << int(ExportFormat::Ascii) << "export-ascii.txt";
    QTest::newRow("delimited") << int(ExportFormat::Delimited) << "export-delimited.txt";
    QTest::newRow("tab") << int(ExportFormat::TabDelimited) << "export-tab.txt";
}

void TestResultsExport::formatsByteForByte()
{
    QFETCH(int, format);
    QFETCH(QString, golden);
    SmallContest f;
    const QString path = f.exportTo(ExportFormat(format), QStringLiteral("Results"),
                                    {SmallContest::choice(QStringLiteral("SI"), QStringLiteral("002")),
                                     SmallContest::choice(QStringLiteral("ST"), QStringLiteral("001"))});
    QCOMPARE(path, f.paths.stateFolder() + QStringLiteral("Files\\Results.txt"));
    const QByteArray actual = f.read(path);
    QCOMPARE(actual, testsupport::golden(QStringLiteral(QT_TESTCASE_SOURCEDIR "/golden/") + golden, actual));
    QVERIFY(f.env.dialogs.shown.isEmpty());
}

void TestResultsExport::delimitedTeamLines()
{
    SmallContest f;
    const QStringList lines = f.lines(f.exportTo(ExportFormat::Delimited, QStringLiteral("Teams"),
                                                 {SmallContest::choice(QStringLiteral("ST"), QStringLiteral("001"))}));
    const qsizetype first = lines.indexOf(
        QStringLiteral("\"1\",\"ST  101a\",\"Ann Adams               \",\"Adams County  \",\"140\""));
    QVERIFY2(first > 0, qPrintable(lines.join(u'\n')));
    QCOMPARE(lines[first + 1], QStringLiteral("\"\",\"ST  101b\",\"Bob Baker               \",\"Adams County  \",\"150\""));
    QCOMPARE(lines[first + 3], QStringLiteral("\"\",\"ST  101d\",\"Dee Dunn                \",\"Adams County  \",\"135\""));
    // Team total of the best three; the tie-breaker leaves out the dropped member 101c.
    QCOMPARE(lines[first + 4], QStringLiteral("\"\",\"\",\"\",\"\",\"425\",\"115\",\"0\",\"0\""));
    QCOMPARE(lines[first + 5], QString());
    // The county is cut to 14 characters.
    QCOMPARE(lines[first + 6], QStringLiteral("\"2\",\"ST  102a\",\"Eve Evans               \",\"Blaine County \",\"135\""));
    // The class header: "ALL" is not in this award; the empty lists leave their cells empty.
    QCOMPARE(lines[2], QStringLiteral("\"Scoring Class(es):\",\"Tie 1 Class(es):\",\"Tie 2 Class(es):\",\"Tie 3 Class(es):\""));
    QCOMPARE(lines[3], QStringLiteral("\"1 Market Steers\",\"3 Steer Reasons\",\"\",\"\""));
    QCOMPARE(lines[4], QStringLiteral("\"2 Breeding Heifers\",\"\",\"\",\"\""));
}

void TestResultsExport::asciiStops()
{
    SmallContest f;
    const QStringList lines = f.lines(f.exportTo(ExportFormat::Ascii, QStringLiteral("Stops"),
                                                 {SmallContest::choice(QStringLiteral("ST"), QStringLiteral("001")),
                                                  SmallContest::choice(QStringLiteral("SI"), QStringLiteral("002"))}));
    // Team rank at the margin; the 24-character name runs past the county's stop (38), so the
    // county follows it directly, and the score follows the county.
    QVERIFY(lines.contains(QStringLiteral("1       ST  101a  Ann Adams               Adams County  140")));
    QVERIFY(lines.contains(QString(48, u' ') + QStringLiteral("425       115  0    0")));
    // Individual rank at stop 2; SI ranks on all three classes.
    QVERIFY(lines.contains(QStringLiteral("  1     SI  402a  Jo Jensen-Montgomery-SmiElk           177")));
    QVERIFY(lines.contains(QStringLiteral("Rank    ContestantName                Team      Score     Tie Breakers")));
    QVERIFY(lines.contains(QStringLiteral("Scoring Class(es):  Tie 1 Class(es):    Tie 2 Class(es):    Tie 3 Class(es):")));
    QVERIFY(lines.contains(QStringLiteral("1 Market Steers     3 Steer Reasons")));
}

void TestResultsExport::fileNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("file");
    QTest::newRow("dots") << "Results.2026.final" << "Results.txt";
    QTest::newRow("no dot") << "Results" << "Results.txt";
    QTest::newRow("parent folders") << "..\\..\\x" << "x.txt";
    QTest::newRow("slash") << "out/Results" << "Results.txt";
    QTest::newRow("drive") << "C:Results" << "Results.txt";
    QTest::newRow("drive and folder") << "D:\\temp\\Results.txt" << "Results.txt";
    QTest::newRow("only dots") << "..." << "";
    QTest::newRow("folder only") << "out\\" << "";
    QTest::newRow("blank") << "   " << "";
}

void TestResultsExport::fileNames()
{
    QFETCH(QString, typed);
    QTEST(ExportFileName(typed), "file");
}

void TestResultsExport::nameNeverLeavesTheFilesFolder()
{
    SmallContest f;
    const std::vector<AwardChoice> awards{SmallContest::choice(QStringLiteral("ST"), QStringLiteral("001"))};
    const QString files = f.paths.stateFolder() + QStringLiteral("Files");
    QVERIFY(!platform::Files::folderExists(files));
    QCOMPARE(f.exportTo(ExportFormat::Delimited, QStringLiteral("..\\..\\x"), awards), files + QStringLiteral("\\x.txt"));
    QCOMPARE(f.exportTo(ExportFormat::Delimited, QStringLiteral("../y"), awards), files + QStringLiteral("\\y.txt"));
    QCOMPARE(platform::Files::list(files), QStringList({QStringLiteral("x.txt"), QStringLiteral("y.txt")}));
    QVERIFY(!platform::Files::exists(f.paths.stateFolder() + QStringLiteral("x.txt")));

    // Nothing left of the name: nothing is written and Calc is left alone.
    f.add(core::Calc, QStringLiteral("LS121026999ST101 "));
    QCOMPARE(f.exportTo(ExportFormat::Delimited, QStringLiteral("..."), awards), QString());
    QCOMPARE(platform::Files::list(files).size(), 2);
    QVERIFY(f.data.FindRecord(core::Calc, QStringLiteral("LS121026999ST101 ")));
}

void TestResultsExport::replacesTheEarlierFile()
{
    SmallContest f;
    const QString path = f.exportTo(ExportFormat::Delimited, QStringLiteral("Results"),
                                    {SmallContest::choice(QStringLiteral("ST"), QStringLiteral("001"))});
    const QByteArray teams = f.read(path);
    QCOMPARE(f.exportTo(ExportFormat::TabDelimited, QStringLiteral("Results"),
                        {SmallContest::choice(QStringLiteral("SI"), QStringLiteral("002"))}),
             path);
    const QByteArray individuals = f.read(path);
    QVERIFY(individuals != teams);
    QVERIFY(individuals.startsWith("Contest LS121026 [District Livestock] Award 002  Senior Individuals  Results...\t\r\n"));
    // Calc holds this run only, and no temporary file is left beside the export.
    QVERIFY(!f.data.FindRecord(core::Calc, CalcKey(SmallContest::contestKey, QStringLiteral("001"), QStringLiteral("ST"),
                                                   QStringLiteral("101"))));
    QCOMPARE(platform::Files::list(f.paths.stateFolder() + QStringLiteral("Files")), QStringList{QStringLiteral("Results.txt")});
}

void TestResultsExport::ranksLimitTeamsNotMembers()
{
    ContestFixture f(4, 3);
    f.addClass(1, QStringLiteral("Market Steers"));
    for (int s = 1; s <= 5; ++s) {
        f.addEntry(1, s, QStringLiteral("County %1").arg(s),
                   {QStringLiteral("A%1").arg(s), QStringLiteral("B%1").arg(s), QStringLiteral("C%1").arg(s)});
        for (int k = 1; k <= 3; ++k)
            f.addScore(1, ContestantNumber(EntryNumber(1, s), k), QStringLiteral("A"), 10 * s + k);
    }
    f.addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("001"));
    const QString path = ExportAwardResults(f.data, ContestFixture::contestKey, ExportFormat::Delimited,
                                            QStringLiteral("Top"), {{AwardKey(ContestFixture::contestKey, QStringLiteral("ST"), QStringLiteral("001")), QString()}},
                                            3, f.paths.stateFolder());
    QFile file(platform::Drives::resolve(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    QStringList ranks, members;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("\"\",\"ST")) || line.startsWith(QLatin1String("\"1\",")) ||
            line.startsWith(QLatin1String("\"2\",")) || line.startsWith(QLatin1String("\"3\",")) ||
            line.startsWith(QLatin1String("\"4\",")))
            members << line.section(u',', 1, 1);
        if (!line.startsWith(QLatin1String("\"\"")) && line.section(u',', 1, 1).startsWith(QLatin1String("\"ST")))
            ranks << line.section(u',', 0, 0);
    }
    QCOMPARE(ranks, QStringList({QStringLiteral("\"1\""), QStringLiteral("\"2\""), QStringLiteral("\"3\"")}));
    QCOMPARE(members, QStringList({QStringLiteral("\"ST  105a\""), QStringLiteral("\"ST  105b\""),
                                   QStringLiteral("\"ST  105c\""), QStringLiteral("\"ST  104a\""),
                                   QStringLiteral("\"ST  104b\""), QStringLiteral("\"ST  104c\""),
                                   QStringLiteral("\"ST  103a\""), QStringLiteral("\"ST  103b\""),
                                   QStringLiteral("\"ST  103c\"")}));
}

void TestResultsExport::awardsInPositionOrder()
{
    SmallContest f;
    const QStringList lines = f.lines(f.exportTo(ExportFormat::TabDelimited, QStringLiteral("Order"),
                                                 {SmallContest::choice(QStringLiteral("SI"), QStringLiteral("002")),
                                                  SmallContest::choice(QStringLiteral("IT"), QStringLiteral("003")),
                                                  SmallContest::choice(QStringLiteral("JT"), QStringLiteral("009"))}));
    QStringList headers;
    for (const QString& line : lines)
        if (line.startsWith(QLatin1String("Contest ")))
            headers << line.section(u']', 1);
    // The missing JT 009 is skipped.
    QCOMPARE(headers, QStringList({QStringLiteral(" Award 003  Intermediate Teams  Results...\t"),
                                   QStringLiteral(" Award 002  Senior Individuals  Results...\t")}));
}

QTEST_GUILESS_MAIN(TestResultsExport)
#include "tst_resultsexport.moc"
