// Class results: the entries and cells both the reports and the review screen use, and the
// printed reports of all contestants and of selected counties on the landscape grid.
#include "core/edition.h"
#include "judging/classresults.h"
#include "judging/reports/reportkinds.h"
#include "judgingfixture.h"
#include "platform/printerrecorder.h"

#include <QFile>
#include <QtTest>

using namespace judging;
using platform::PrinterRecorder;

namespace {

// The recorder's landscape page on the 120 x 56 grid.
constexpr int ColumnWidth = 6300 / 120;
constexpr int LineHeight = 4800 / 56;

int columnOf(const PrinterRecorder::Text& t)
{
    return t.x / ColumnWidth - 2;
}
int lineOf(const PrinterRecorder::Text& t)
{
    return t.y / LineHeight;
}

struct Fixture : judgingtest::ReportFixture
{
    // Senior teams 101..103 (103 beyond the set-up count of 2), one senior individual entry
    // and one adult entry; M = 4, N = 3.
    explicit Fixture(int classes = 4, std::initializer_list<int> levelCounts = {2, 0, 0, 1, 0, 0, 1})
        : ReportFixture(4, 3, levelCounts)
    {
        addEntry(1, 1, QStringLiteral("DOU Douglas"), {"Ann Avery", "Ben Brooks", "Cal Carter", "Dee Dunlap"});
        data.WriteField(core::Team, TeamField::TeamName, QStringLiteral("Douglas Blue"));
        addEntry(1, 2, QStringLiteral("LAN Lancaster"), {"Eve Ellison-Fairweather-Smith", "", "Gus Green"});
        data.WriteField(core::Team, TeamField::TeamName, QStringLiteral("Lancaster Gold"));
        addEntry(1, 3, QStringLiteral("DOU Douglas"), {"Hal Hidden"});
        addEntry(4, 1, QStringLiteral("DOU Douglas"), {"Ida Irwin", "Jon Jones"});
        addEntry(7, 1, QStringLiteral("LAN Lancaster"), {"Kay Keller"});

        const int types[4] = {RegularClass, ReasonsClass, OtherClass, KeepCullClass};
        const char* titles[4] = {"Market Hogs", "Hog Reasons", "Livestock Quiz", "Breeding Ewes"};
        for (int c = 1; c <= classes; ++c)
            addClass(c, c <= 4 ? QString::fromLatin1(titles[c - 1]) : QStringLiteral("Class %1").arg(c),
                     c <= 4 ? types[c - 1] : ReasonsClass);
        addScore(1, QStringLiteral("101a"), QStringLiteral("B"), 45);
        addScore(1, QStringLiteral("101b"), QStringLiteral("A"), 50);
        addScore(1, QStringLiteral("101c"), QString(), 0);
        addScore(1, QStringLiteral("101d"), QStringLiteral("C"), 38);
        addScore(2, QStringLiteral("101a"), QStringLiteral("44"), 44);
        addScore(2, QStringLiteral("101d"), QStringLiteral("40"), 40);
        addScore(3, QStringLiteral("101b"), QStringLiteral("7"), 7);
        addScore(4, QStringLiteral("101c"), QStringLiteral("KCKC"), 12);
        addScore(1, QStringLiteral("102a"), QStringLiteral("D"), 30);
        addScore(1, QStringLiteral("401b"), QStringLiteral("A"), 50);
        addScore(1, QStringLiteral("701a"), QStringLiteral("X"), 10);
        addScore(1, QStringLiteral("103a"), QStringLiteral("A"), 50);
        for (int c = 5; c <= classes; ++c)
            addScore(c, QStringLiteral("101a"), QString::number(c), c);
        choose(classes);
    }

    void choose(int count)
    {
        selections.classes.clear();
        for (int c = 1; c <= count; ++c) {
            const QString key = ClassKey(contestKey, ClassNumber(c));
            data.FindRecord(core::Clas, key);
            selections.classes.push_back({key, data.ReadField(core::Clas, ClasField::Title)});
        }
    }

    void print(int kind = ReportKind::ClassResults) { ReportFixture::print(kind); }

    int pages() const { return printer.documents.isEmpty() ? 0 : printer.documents.last().pages; }
    QStringList pageTexts(int page) const { return printer.pageTexts(int(printer.documents.size()), page); }
    // The texts on the line where `text` is drawn on the page.
    const PrinterRecorder::Text* at(int page, const QString& text) const
    {
        for (const auto& t : printer.texts)
            if (t.document == printer.documents.size() && t.page == page && t.text == text)
                return &t;
        return nullptr;
    }
    QString title(int page) const
    {
        const QStringList texts = pageTexts(page);
        return texts.isEmpty() ? QString() : texts.first();
    }
};

QString titleText(const char* kind, const QString& page)
{
    return QStringLiteral("Contest LS121026 [District Livestock] Class Results (%1)...     Page ").arg(QLatin1String(kind)) +
           page;
}

} // namespace

class TestClassResults : public QObject
{
    Q_OBJECT
private slots:
    void cellTexts_data();
    void cellTexts();
    void entriesAndMembers();
    void countyFilters();
    void goldenPrintout();
    void onePageKindOrAandB_data();
    void onePageKindOrAandB();
    void pageBreaksRepeatTheHeader();
    void otherClassAmongTheFirstTwelve();
    void selectedCountiesWithoutFooter();
    void legendMovesOffFullRows();
};

void TestClassResults::cellTexts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::newRow("placing") << int(RegularClass) << "B" << "B/45" << 20;
    QTest::newRow("placing without letter") << int(RegularClass) << "" << "0/45" << 20;
    QTest::newRow("reasons") << int(ReasonsClass) << "45" << "45" << 21;
    QTest::newRow("questions") << int(QuestionsClass) << "45" << "45" << 21;
    QTest::newRow("meats") << int(RoyalMeatsClass) << "" << "0" << 21;
    QTest::newRow("keep/cull") << int(KeepCullClass) << "KCKC" << "KCKC/45" << 19;
    QTest::newRow("other") << int(OtherClass) << "45" << "45/45" << 19;
}

void TestClassResults::cellTexts()
{
    QFETCH(int, type);
    QFETCH(QString, entry);
    QTEST(ClassCellText(type, entry, 45), "text");
    QTEST(ClassCellOffset(type), "offset");
}

// Entries by level up to the set-up count; a member's cells, total, the team total of the best
// N members, the last named member.
void TestClassResults::entriesAndMembers()
{
    Fixture f;
    ClassResults results(f.data, f.contestKey, f.selections.classes);
    QStringList numbers;
    for (const ResultsEntry& e : results.entries())
        numbers << e.entryNumber;
    QCOMPARE(numbers, QStringList({"101", "102", "401", "701"}));

    const EntryResults team = results.read(results.entries()[0]);
    QCOMPARE(int(team.members.size()), 4);
    QCOMPARE(team.members[0].cells, (std::vector<QString>{"B/45", "44", "", ""}));
    QCOMPARE(team.members[2].cells, (std::vector<QString>{"0/0", "", "", "KCKC/12"}));
    const std::vector<qint64> totals{team.members[0].total, team.members[1].total, team.members[2].total,
                                     team.members[3].total};
    QCOMPARE(totals, (std::vector<qint64>{89, 57, 12, 78}));
    QCOMPARE(team.teamTotal, qint64(89 + 78 + 57));
    QCOMPARE(team.lastNamed, 4);
    QCOMPARE(team.county, QStringLiteral("DOU Douglas"));

    const EntryResults gap = results.read(results.entries()[1]);
    QCOMPARE(gap.lastNamed, 3);
    QVERIFY(!gap.members[1].named());
    QCOMPARE(gap.members[0].name, QStringLiteral("Eve Ellison-Fairweath"));

    const EntryResults individual = results.read(results.entries()[2]);
    QVERIFY(!individual.teamLevel);
    QCOMPARE(individual.teamTotal, qint64(0));

    // No more than 24 classes are taken, whatever the caller hands over.
    std::vector<ClassChoice> many(26, f.selections.classes.front());
    QCOMPARE(int(ClassResults(f.data, f.contestKey, many).classes().size()), MaxResultClasses);
}

void TestClassResults::countyFilters()
{
    Fixture f;
    f.data.FindRecord(core::Team, TeamKey(f.contestKey, QStringLiteral("AD"), QStringLiteral("701")));
    f.data.WriteField(core::Team, TeamField::County, QStringLiteral("LAN Lancaster County Extension Office"));
    const auto numbers = [&](const ResultsFilter& filter) {
        QStringList list;
        const ClassResults results(f.data, f.contestKey, f.selections.classes, filter);
        for (const ResultsEntry& e : results.entries())
            list << e.entryNumber;
        return list;
    };
    QCOMPARE(numbers({ResultsFilter::CountyCodes, {"DOU"}}), QStringList({"101", "401"}));
    QCOMPARE(numbers({ResultsFilter::CountyCodes, {"LAN", "DOU"}}), QStringList({"101", "102", "401", "701"}));
    QCOMPARE(numbers({ResultsFilter::CountyTexts, {"LAN Lancaster"}}), QStringList({"102"}));
    // The county list offers a long county by its first 25 characters.
    QCOMPARE(numbers({ResultsFilter::CountyTexts, {"LAN Lancaster County Exte"}}), QStringList({"701"}));
}

// Four classes on one page kind, then thirteen on A and B pages, against the golden text; run
// with MARVOLEN_REGENERATE=1 to write it anew after a deliberate change.
void TestClassResults::goldenPrintout()
{
    Fixture f(13);
    f.choose(4);
    f.print();
    f.choose(13);
    f.print();
    QCOMPARE(f.printer.strayDrawings, 0);
    const QString actual = f.printer.dump();
    QCOMPARE(actual, testsupport::golden(QStringLiteral(QT_TESTCASE_SOURCEDIR "/golden/classresults.txt"), actual));
}

void TestClassResults::onePageKindOrAandB_data()
{
    QTest::addColumn<int>("classes");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("12 classes") << 12 << QStringList{titleText("All Contestants", "1")};
    QTest::newRow("13 classes") << 13
                                << QStringList{titleText("All Contestants", "1A"), titleText("All Contestants", "1B")};
}

// With twelve classes everything stands on one page; with thirteen the B page takes class 13,
// the totals, the team total and the county, on the lines of the A page, and the legend.
void TestClassResults::onePageKindOrAandB()
{
    QFETCH(int, classes);
    QFETCH(QStringList, titles);
    Fixture f(classes);
    f.print();
    QCOMPARE(f.pages(), int(titles.size()));
    for (int p = 1; p <= f.pages(); ++p)
        QCOMPARE(f.title(p), titles[p - 1]);

    const int last = f.pages();
    const int columns = classes > 12 ? classes - 12 : classes;
    const auto* dee = f.at(last, QStringLiteral("Dee Dunlap"));
    QVERIFY(dee);
    const auto* total = f.at(last, QString::number(78));
    int ann = 89; // classes 5.. add their number to Ann's total
    for (int c = 5; c <= classes; ++c)
        ann += c;
    const auto* team = f.at(last, QString::number(ann + 78 + 57));
    const auto* county = f.at(last, QStringLiteral("DOU Douglas"));
    QVERIFY(total && team && county);
    QCOMPARE(columnOf(*total), 5 * columns + 22);
    QCOMPARE(columnOf(*team), 5 * columns + 27);
    QCOMPARE(columnOf(*county), 5 * columns + 32);
    QCOMPARE(lineOf(*team), lineOf(*dee));
    QCOMPARE(lineOf(*county), lineOf(*dee));
    QCOMPARE(f.at(last, QStringLiteral("Total"))->font.bold, true);

    // The last class's heading and cell, and its legend line at the foot of the last page.
    const QString number = ClassNumber(classes);
    const auto* heading = f.at(last, number);
    QVERIFY(heading);
    QCOMPARE(lineOf(*heading), 4);
    QCOMPARE(columnOf(*heading), 5 * (columns - 1) + 20);
    const auto* cell = f.at(last, QString::number(classes));
    QVERIFY(cell);
    QCOMPARE(columnOf(*cell), 5 * (columns - 1) + 21);
    const auto* legend = f.at(last, number + QStringLiteral("  Class ") + QString::number(classes));
    QVERIFY(legend);
    QCOMPARE(lineOf(*legend), 55 - (classes / 5 + 1) + (classes - 1) / 5);
    QCOMPARE(columnOf(*legend), 22 * ((classes - 1) % 5));
    if (classes > 12) {
        // The B page repeats the contestants on the lines of the A page, without the A page's classes.
        QCOMPARE(lineOf(*f.at(1, QStringLiteral("Dee Dunlap"))), lineOf(*dee));
        QVERIFY(!f.pageTexts(2).contains(QStringLiteral("B/45")));
        QVERIFY(!f.pageTexts(1).contains(QStringLiteral("DOU Douglas")));
        QVERIFY(!f.pageTexts(1).contains(QStringLiteral("Total")));
    }
}

// A page full of rows begins the next with the title and headings again; in two-page mode each
// full A page is followed by its B page.
void TestClassResults::pageBreaksRepeatTheHeader()
{
    for (int classes : {4, 13}) {
        Fixture f(classes, {14, 0, 0, 0, 0, 0, 0});
        for (int s = 3; s <= 14; ++s)
            f.addEntry(1, s, QStringLiteral("SAR Sarpy"),
                       {QStringLiteral("Member %1a").arg(s), QStringLiteral("Member %1b").arg(s),
                        QStringLiteral("Member %1c").arg(s)});
        f.print();
        QCOMPARE(f.printer.strayDrawings, 0);
        const bool two = classes > 12;
        QCOMPARE(f.pages(), two ? 4 : 2);
        QCOMPARE(f.title(two ? 3 : 2), titleText("All Contestants", two ? "2A" : "2"));
        if (two)
            QCOMPARE(f.title(4), titleText("All Contestants", "2B"));
        for (int p = 1; p <= f.pages(); ++p) {
            const auto* heading = f.at(p, QStringLiteral("Contestant"));
            QVERIFY(heading);
            QCOMPARE(lineOf(*heading), 2);
            QVERIFY(f.at(p, core::Edition::footerLine()));
        }
        // Rows stop above line 54: 101 (4 rows), 102 (2), then three rows per team.
        int lowest = 0;
        for (const auto& t : f.printer.texts)
            if (t.page == 1 && lineOf(t) > 4 && t.text != core::Edition::footerLine())
                lowest = std::max(lowest, lineOf(t));
        QVERIFY(lowest < 54);
        QVERIFY(f.at(1, QStringLiteral("Member 12c")));
        const auto* next = f.at(two ? 3 : 2, QStringLiteral("Member 13a"));
        QVERIFY(next);
        QCOMPARE(lineOf(*next), 6);
        if (two) {
            QVERIFY(f.at(2, QStringLiteral("Member 12c")));
            QVERIFY(f.at(4, QStringLiteral("Member 13a")));
        }
    }
}

// An "Other" class among the first twelve prints entry/score in its own column on the A page.
void TestClassResults::otherClassAmongTheFirstTwelve()
{
    Fixture f(13);
    f.print();
    const auto* other = f.at(1, QStringLiteral("7/7"));
    QVERIFY(other);
    QCOMPARE(columnOf(*other), 5 * 2 + 19);
    const auto* keepCull = f.at(1, QStringLiteral("KCKC/12"));
    QVERIFY(keepCull);
    QCOMPARE(columnOf(*keepCull), 5 * 3 + 19);
}

void TestClassResults::selectedCountiesWithoutFooter()
{
    Fixture f;
    f.selections.countyCodes = QStringList{QStringLiteral("LAN")};
    f.print(ReportKind::CountyClassResults);
    QCOMPARE(f.title(1), titleText("Selected Counties", "1"));
    const QStringList texts = f.pageTexts(1);
    QVERIFY(texts.contains(QStringLiteral("Gus Green")));
    QVERIFY(texts.contains(QStringLiteral("Kay Keller")));
    QVERIFY(!texts.contains(QStringLiteral("Ann Avery")));
    QVERIFY(!texts.contains(QStringLiteral("Ida Irwin")));
    QVERIFY(!texts.contains(core::Edition::footerLine()));
    // The adult entry has no team total: only the county stands after Kay's total.
    const auto* kay = f.at(1, QStringLiteral("Kay Keller"));
    QStringList kayLine;
    for (const auto& t : f.printer.texts)
        if (t.y == kay->y)
            kayLine << t.text;
    QCOMPARE(kayLine, QStringList({"AD", "701a", "Kay Keller", "X/10", "10", "LAN Lancaster"}));
}

// Rows that reach the lines of the legend send it to a page of its own rather than print over them.
void TestClassResults::legendMovesOffFullRows()
{
    Fixture f(15, {15, 0, 0, 0, 0, 0, 0});
    for (int s = 3; s <= 15; ++s)
        f.addEntry(1, s, QStringLiteral("SAR Sarpy"),
                   {QStringLiteral("Member %1a").arg(s), QStringLiteral("Member %1b").arg(s)});
    f.print();
    const int legendLine = 55 - (15 / 5 + 1);
    const auto* last = f.at(2, QStringLiteral("Member 15b"));
    QVERIFY(last);
    QVERIFY(lineOf(*last) >= legendLine);
    QCOMPARE(f.pages(), 4);
    QVERIFY(!f.at(2, QStringLiteral("001  Market Hogs")));
    const auto* legend = f.at(4, QStringLiteral("001  Market Hogs"));
    QVERIFY(legend);
    QCOMPARE(lineOf(*legend), legendLine);
    QCOMPARE(f.title(4), titleText("All Contestants", "2B"));
}

QTEST_GUILESS_MAIN(TestClassResults)
#include "tst_classresults.moc"
