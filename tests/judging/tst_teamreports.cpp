#include "judging/reports/reportkinds.h"
#include "judgingfixture.h"
#include "platform/printerrecorder.h"

#include <QtTest>

using namespace judging;
using platform::PrinterRecorder;

namespace {

struct Fixture : judgingtest::ReportFixture
{
    Fixture()
    {
        // Walked by key, SI comes before ST; the team list puts ST first.
        addEntry(4, 1, QStringLiteral("Blaine County"), {"Eve Evans"});
        addEntry(1, 2, QStringLiteral("Adams County"), {"Fay Fox", "Gus Grant"});
        addEntry(1, 1, QStringLiteral("Adams County"), {"Ann Adams", "Bob Baker", "Cal Cole"}, {3, 4, 1});
        addEntry(1, 3, QStringLiteral("Custer County"), {"Hal Hunt"});
        data.FindRecord(core::Team, TeamKey(contestKey, QStringLiteral("ST"), QStringLiteral("101")));
        data.WriteField(core::Team, TeamField::teamRandomGroup(1), QStringLiteral("A2-101a"));
        data.WriteField(core::Team, TeamField::teamRandomGroup(2), QStringLiteral("B1-101b"));
        data.WriteField(core::Team, TeamField::teamRandomGroup(3), QStringLiteral("C1-101c"));
        data.WriteField(core::Team, TeamField::assignedGroup(1), QStringLiteral("B12-101a"));
        data.FindRecord(core::Team, TeamKey(contestKey, QStringLiteral("ST"), QStringLiteral("102")));
        data.WriteField(core::Team, TeamField::teamRandomGroup(1), QStringLiteral("A1-102a"));
        data.WriteField(core::Team, TeamField::teamRandomGroup(2), QStringLiteral("B10-102b"));
    }

    // The body lines of a page, each as its texts joined by " | ", left to right.
    QStringList body(int page = 1) const
    {
        QMap<int, QList<const PrinterRecorder::Text*>> lines;
        for (const auto& t : printer.texts)
            if (t.document == printer.documents.size() && t.page == page && t.font.size == 10 && t.y > 200 &&
                t.y < 6000 && !t.text.isEmpty())
                lines[t.y] << &t;
        QStringList out;
        for (auto& on : lines) {
            std::sort(on.begin(), on.end(), [](auto a, auto b) { return a->x < b->x; });
            QStringList texts;
            for (auto* t : on)
                texts << t->text;
            out << texts.join(QStringLiteral(" | "));
        }
        return out;
    }
};

} // namespace

class TestTeamReports : public QObject
{
    Q_OBJECT
private slots:
    // Chosen counties only, senior teams before individuals, true-team letters by the order
    // listed, no level text for a member without a level button.
    void teamList()
    {
        Fixture f;
        f.selections.counties = {QStringLiteral("Adams County"), QStringLiteral("Blaine County")};
        f.print(ReportKind::TeamList);
        QCOMPARE(f.body(), (QStringList{
                               "101 | ST | Adams County | 101a  Ann Adams | Sr | A1-101a | A2-101a | B12-101a",
                               "101b  Bob Baker | A2-101b | B1-101b",
                               "101c  Cal Cole | Jr | A3-101c | C1-101c",
                               "102 | ST | Adams County | 102a  Fay Fox | Sr | B1-102a | A1-102a",
                               "102b  Gus Grant | Sr | B2-102b | B10-102b",
                               "401 | SI | Blaine County | 401a  Eve Evans | Sr | C1-401a",
                           }));
        QVERIFY(f.printer.find(QStringLiteral("Contest LS121026 [District Livestock]  Team List...")));
        QCOMPARE(f.printer.find(QStringLiteral("Contest LS121026 [District Livestock]  Team List..."))->font.size, 10);
    }

    void teamListPageBreak()
    {
        Fixture f;
        for (int s = 4; s <= 40; ++s)
            f.addEntry(1, s, QStringLiteral("Adams County"), {"One", "Two"});
        f.selections.counties = {QStringLiteral("Adams County")};
        f.print(ReportKind::TeamList);
        const int pages = f.printer.documents.last().pages;
        QVERIFY(pages >= 2);
        for (int page = 1; page <= pages; ++page) {
            const QStringList texts = f.printer.pageTexts(int(f.printer.documents.size()), page);
            QVERIFY(texts.contains(QStringLiteral("True Tm")));
            QCOMPARE(texts.filter(QStringLiteral("Marvolen 2006")).size(), 1);
        }
        // The 27th entry listed (101, 102, then 104 on; 103 is of another county) is AA.
        QVERIFY(f.printer.find(QStringLiteral("AA1-128a")));
    }

    void groupsList_data()
    {
        QTest::addColumn<int>("grouping");
        QTest::addColumn<bool>("names");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("team random with names")
            << int(GroupsListChoice::TeamRandom) << true
            << QStringList{"GROUP A", "1 | 102a  Fay Fox", "2 | 101a  Ann Adams", "GROUP B", "1 | 101b  Bob Baker",
                           "2 | 102b  Gus Grant", "GROUP C", "1 | 101c  Cal Cole"};
        QTest::newRow("true team without names")
            << int(GroupsListChoice::TrueTeam) << false
            << QStringList{"GROUP A", "1 | 101a", "2 | 101b", "3 | 101c", "GROUP B", "1 | 102a", "2 | 102b",
                           "GROUP C", "1 | 103a"};
        QTest::newRow("assigned: members without a group left out")
            << int(GroupsListChoice::Assigned) << true << QStringList{"GROUP B", "1 | 101a  Ann Adams"};
    }

    void groupsList()
    {
        QFETCH(int, grouping);
        QFETCH(bool, names);
        Fixture f;
        f.selections.groups.levels = {1};
        f.selections.groups.grouping = GroupsListChoice::Grouping(grouping);
        f.selections.groups.names = names;
        f.print(ReportKind::GroupsList);
        QTEST(f.body(), "lines");
        QVERIFY(f.printer.find(QStringLiteral("[Senior Team]")));
    }

    void groupsListTags()
    {
        Fixture f;
        f.selections.groups.levels = {1, 4};
        f.selections.groups.grouping = GroupsListChoice::FullRandom;
        f.print(ReportKind::GroupsList);
        const QStringList texts = f.printer.pageTexts(1, 1);
        QCOMPARE(texts.mid(0, 4), (QStringList{" Groups List:", "[Mixed Team Types]", "[Full Random]",
                                               "Contest LS121026 [District Livestock]"}));
    }
};

QTEST_GUILESS_MAIN(TestTeamReports)
#include "tst_teamreports.moc"
