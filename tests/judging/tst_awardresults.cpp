#include "judging/reports/reportkinds.h"

#include "judgingfixture.h"
#include "platform/printerrecorder.h"

#include <QtTest>

using namespace judging;
using judgingtest::ContestFixture;
using judgingtest::ReportFixture;
using platform::PrinterRecorder;

namespace {

constexpr int ColumnWidth = PrinterRecorder::PortraitWidth / 80;
constexpr int LineHeight = PrinterRecorder::PortraitHeight / 74;

AwardChoice Choice(const QString& type, const QString& number)
{
    return {AwardKey(ContestFixture::contestKey, type, number), QString()};
}

// The award results of the awards, ranks 1..`ranks`, on the fixture's recording printer.
const PrinterRecorder& Print(ReportFixture& f, const std::vector<AwardChoice>& awards, int ranks = 10)
{
    f.selections.awards = awards;
    f.selections.ranks = ranks;
    f.print(ReportKind::AwardResults);
    return f.printer;
}

// The texts of a page on a line, left to right.
QStringList LineTexts(const PrinterRecorder& printer, int page, int line)
{
    QList<PrinterRecorder::Text> found;
    for (const PrinterRecorder::Text& t : printer.texts)
        if (t.page == page && t.y == line * LineHeight)
            found << t;
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    QStringList texts;
    for (const auto& t : found)
        texts << t.text;
    return texts;
}

// Right-aligned texts end at the x of their column.
QStringList RightAlignedAt(const PrinterRecorder& printer, int column)
{
    QStringList texts;
    for (const PrinterRecorder::Text& t : printer.texts)
        if (t.x + int(t.text.size()) * t.font.size * 4 == (column + 2) * ColumnWidth)
            texts << t.text;
    return texts;
}

} // namespace

class TestAwardResults : public QObject
{
    Q_OBJECT
private slots:
    void goldenTwoAwards();
    void memberAtPositionTwentyAndTeamPages();
    void ranksOneToR();
    void awardsSharingANumberRankApart();
};

// MARVOLEN_REGENERATE=1 writes the golden file anew after a deliberate change.
void TestAwardResults::goldenTwoAwards()
{
    ReportFixture f(4, 3);
    f.addClass(1, QStringLiteral("Market Steers"));
    f.addClass(2, QStringLiteral("Breeding Heifers"));
    f.addClass(3, QStringLiteral("Steer Reasons"), ReasonsClass);
    f.addEntry(1, 1, QStringLiteral("Adams County"),
               {QStringLiteral("Ann Adams"), QStringLiteral("Bob Baker"), QStringLiteral("Cal Cole"),
                QStringLiteral("Dee Dunn")});
    f.addEntry(1, 2, QStringLiteral("Blaine County Extension Office"),
               {QStringLiteral("Eve Evans"), QStringLiteral("Fay Fox"), QStringLiteral("Gus Grant")});
    f.addEntry(4, 1, QStringLiteral("Dawson"), {QStringLiteral("Hal Hunt")});
    f.addEntry(4, 2, QStringLiteral("Elk"), {QStringLiteral("Jo Jensen-Montgomery-Smithfield")});
    const QList<std::pair<QString, QList<int>>> scores{
        {QStringLiteral("101a"), {90, 50, 40}}, {QStringLiteral("101b"), {100, 50, 45}},
        {QStringLiteral("101c"), {70, 50, 50}}, {QStringLiteral("101d"), {85, 50, 30}},
        {QStringLiteral("102a"), {95, 40, 44}}, {QStringLiteral("102b"), {80, 45, 41}},
        {QStringLiteral("102c"), {60, 30, 20}}, {QStringLiteral("401a"), {88, 47, 39}},
        {QStringLiteral("402a"), {91, 44, 42}}};
    for (const auto& [contestant, values] : scores)
        for (int c = 1; c <= 3; ++c)
            f.addScore(c, contestant, QStringLiteral("A"), values[c - 1]);
    f.addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("001002"),
               QStringLiteral("003"));
    f.addAward(QStringLiteral("SI"), QStringLiteral("002"), QStringLiteral("Senior Individuals"), QStringLiteral("ALL"),
               QStringLiteral("003"));

    const PrinterRecorder& printer = Print(f, {Choice(QStringLiteral("SI"), QStringLiteral("002")), Choice(QStringLiteral("ST"), QStringLiteral("001"))});
    QCOMPARE(printer.strayDrawings, 0);
    const QString actual = printer.dump();
    QCOMPARE(actual, testsupport::golden(QStringLiteral(QT_TESTCASE_SOURCEDIR "/golden/awardresults.txt"), actual));

    // The team: its members with their totals, then the team total in bold and the tie-breakers.
    QCOMPARE(LineTexts(printer, 1, 7), QStringList({QStringLiteral("1"), QStringLiteral("ST  101a"),
                                                    QStringLiteral("Ann Adams"), QStringLiteral("Adams County"),
                                                    QStringLiteral("140")}));
    QCOMPARE(LineTexts(printer, 1, 10).mid(0, 1), QStringList{QStringLiteral("ST  101d")});
    QCOMPARE(LineTexts(printer, 1, 11), QStringList({QStringLiteral("425"), QStringLiteral("115"), QStringLiteral("0"),
                                                     QStringLiteral("0")}));
    QVERIFY(printer.find(QStringLiteral("425"))->font.bold);
    QVERIFY(!printer.find(QStringLiteral("115"))->font.bold);
    // The county is cut to 14 characters, the name to 24.
    QVERIFY(printer.find(QStringLiteral("Blaine County ")));
    QVERIFY(printer.find(QStringLiteral("Jo Jensen-Montgomery-Smi")));
    // ST before SI whatever the selection order; each award on its own page with a footer.
    QCOMPARE(printer.documents.first().pages, 2);
    QVERIFY(LineTexts(printer, 2, 0).first().endsWith(QLatin1String("SI Award 002  Senior Individuals  Results...")));
    QCOMPARE(printer.pageTexts(1, 2).filter(QStringLiteral("Marvolen")).size(), 1);
}

// M = 20: five senior teams of twenty fill pages by whole teams, each page under the award's
// header again; an SA award ranks the senior members one by one, letter t included.
void TestAwardResults::memberAtPositionTwentyAndTeamPages()
{
    ReportFixture f(20, 3);
    f.addClass(1, QStringLiteral("Market Steers"));
    for (int s = 1; s <= 5; ++s) {
        QStringList names;
        for (int k = 1; k <= 20; ++k)
            names << QStringLiteral("Member %1-%2").arg(s).arg(k);
        f.addEntry(1, s, QStringLiteral("County %1").arg(s), names);
        for (int k = 1; k <= 20; ++k)
            f.addScore(1, ContestantNumber(EntryNumber(1, s), k), QStringLiteral("A"), s * 100 + k);
    }
    f.addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("001"));
    f.addAward(QStringLiteral("SA"), QStringLiteral("002"), QStringLiteral("Senior Age"), QStringLiteral("001"));

    const PrinterRecorder& printer = Print(f, {Choice(QStringLiteral("SA"), QStringLiteral("002")), Choice(QStringLiteral("ST"), QStringLiteral("001"))}, 5);
    QVERIFY(f.env.dialogs.shown.isEmpty());
    // Body from line 6 (one class line): three teams of 21 lines, the fourth does not fit.
    QCOMPARE(printer.documents.first().pages, 3);
    QCOMPARE(LineTexts(printer, 1, 6).mid(0, 2), QStringList({QStringLiteral("1"), QStringLiteral("ST  105a")}));
    QCOMPARE(LineTexts(printer, 1, 25).mid(0, 1), QStringList{QStringLiteral("ST  105t")});
    QCOMPARE(LineTexts(printer, 1, 25).last(), QStringLiteral("520"));
    QCOMPARE(LineTexts(printer, 1, 26).first(), QStringLiteral("1557")); // 520 + 519 + 518
    QCOMPARE(LineTexts(printer, 2, 0), LineTexts(printer, 1, 0));
    QCOMPARE(LineTexts(printer, 2, 4), LineTexts(printer, 1, 4));
    QCOMPARE(LineTexts(printer, 2, 6).mid(0, 2), QStringList({QStringLiteral("4"), QStringLiteral("ST  102a")}));
    QCOMPARE(LineTexts(printer, 1, 70).first(), QStringLiteral("957")); // team 103 ends page 1
    for (int page = 1; page <= 3; ++page)
        QCOMPARE(printer.pageTexts(1, page).filter(QStringLiteral("Marvolen")).size(), 1);
    QVERIFY(printer.pageTexts(1, 3).contains(QStringLiteral("5")));
    QVERIFY(!printer.pageTexts(1, 3).contains(QStringLiteral("6")));
    // Ranks 1..5 of the members: five blanks in place of the level code.
    QCOMPARE(LineTexts(printer, 3, 6).mid(0, 2), QStringList({QStringLiteral("1"), QStringLiteral("     105t")}));
    QCOMPARE(LineTexts(printer, 3, 8).mid(0, 3),
             QStringList({QStringLiteral("3"), QStringLiteral("     105r"), QStringLiteral("Member 5-18")}));
}

void TestAwardResults::ranksOneToR()
{
    ReportFixture f(4, 3, {5, 5, 5, 30, 9, 9, 9});
    f.addClass(1, QStringLiteral("Market Steers"));
    for (int s = 1; s <= 25; ++s) {
        f.addEntry(4, s, QStringLiteral("Dawson"), {QStringLiteral("Senior %1").arg(s)});
        f.addScore(1, ContestantNumber(EntryNumber(4, s), 1), QStringLiteral("A"), 10 + s);
    }
    f.addAward(QStringLiteral("SI"), QStringLiteral("001"), QStringLiteral("Senior Individuals"), QStringLiteral("001"));
    const PrinterRecorder& printer = Print(f, {Choice(QStringLiteral("SI"), QStringLiteral("001"))}, 10);
    QStringList expected;
    for (int r = 1; r <= 10; ++r)
        expected << QString::number(r);
    QCOMPARE(RightAlignedAt(printer, 2), expected);
    QCOMPARE(RightAlignedAt(printer, 52).first(), QStringLiteral("35"));
    QCOMPARE(RightAlignedAt(printer, 52).last(), QStringLiteral("26"));
}

// Two awards of different types sharing a number: calculation keys carry the number only, so
// each award's ranking must not meet the other's records (the team's blank member letter once
// stood in the individual ranking as an invalid letter and took a rank).
void TestAwardResults::awardsSharingANumberRankApart()
{
    ReportFixture f(4, 3);
    f.addClass(1, QStringLiteral("Market Steers"));
    f.addEntry(1, 1, QStringLiteral("Adams"), {QStringLiteral("Ann Adams")});
    f.addEntry(4, 1, QStringLiteral("Dawson"), {QStringLiteral("Hal Hunt")});
    f.addScore(1, QStringLiteral("101a"), QStringLiteral("A"), 90);
    f.addScore(1, QStringLiteral("401a"), QStringLiteral("A"), 80);
    f.addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("001"));
    f.addAward(QStringLiteral("SI"), QStringLiteral("001"), QStringLiteral("Senior Individuals"), QStringLiteral("001"));
    f.addAward(QStringLiteral("SA"), QStringLiteral("001"), QStringLiteral("Senior Members"), QStringLiteral("001"));
    const PrinterRecorder& printer = Print(f, {Choice(QStringLiteral("ST"), QStringLiteral("001")), Choice(QStringLiteral("SI"), QStringLiteral("001")),
                                               Choice(QStringLiteral("SA"), QStringLiteral("001"))});
    QVERIFY(f.env.dialogs.texts().isEmpty());
    QCOMPARE(printer.documents.first().pages, 3);
    QCOMPARE(RightAlignedAt(printer, 2), (QStringList{"1", "1", "1", "2"}));
    QCOMPARE(LineTexts(printer, 1, 6).mid(0, 2), QStringList({QStringLiteral("1"), QStringLiteral("ST  101a")}));
    QCOMPARE(LineTexts(printer, 2, 6).mid(0, 2), QStringList({QStringLiteral("1"), QStringLiteral("SI  401a")}));
    QCOMPARE(LineTexts(printer, 3, 6).mid(0, 2), QStringList({QStringLiteral("1"), QStringLiteral("     101a")}));
    QCOMPARE(LineTexts(printer, 3, 7).mid(0, 2), QStringList({QStringLiteral("2"), QStringLiteral("     401a")}));
}

QTEST_GUILESS_MAIN(TestAwardResults)
#include "tst_awardresults.moc"
