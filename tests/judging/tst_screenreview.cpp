// The screen review of class results, driven offscreen.
#include "judging/ui/screenreviewpanel.h"
#include "judgingfixture.h"
#include "panelkit.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTableWidget>

using namespace judging;
using namespace kit;

namespace {

struct Fixture : judgingtest::ContestFixture
{
    ReportSelections selections;
    std::unique_ptr<ScreenReviewPanel> panel;

    explicit Fixture(int classes = 4) : ContestFixture(4, 3, {2, 0, 0, 1, 0, 0, 0})
    {
        addEntry(1, 1, QStringLiteral("DOU Douglas"), {"Ann Avery", "Ben Brooks", "", "Dee Dunlap"});
        data.WriteField(core::Team, TeamField::TeamName, QStringLiteral("Douglas Blue"));
        addEntry(1, 2, QStringLiteral("LAN Lancaster"), {"Eve Ellison-Fairweather-Smith"});
        data.WriteField(core::Team, TeamField::TeamName, QStringLiteral("Lancaster Gold"));
        addEntry(4, 1, QStringLiteral("DOU Douglas"), {"Ida Irwin", "Jon Jones"});
        data.WriteField(core::Team, TeamField::TeamName, QStringLiteral("Douglas Singles"));
        const int types[4] = {RegularClass, ReasonsClass, OtherClass, KeepCullClass};
        for (int c = 1; c <= classes; ++c) {
            addClass(c, QStringLiteral("Title %1").arg(c), c <= 4 ? types[c - 1] : ReasonsClass);
            selections.classes.push_back({ClassKey(contestKey, ClassNumber(c)), QStringLiteral("Title %1").arg(c)});
        }
        addScore(1, QStringLiteral("101a"), QStringLiteral("B"), 45);
        addScore(2, QStringLiteral("101a"), QStringLiteral("44"), 44);
        addScore(1, QStringLiteral("101b"), QString(), 0);
        addScore(3, QStringLiteral("101b"), QStringLiteral("7"), 7);
        addScore(4, QStringLiteral("101d"), QStringLiteral("KCKC"), 12);
        addScore(1, QStringLiteral("401b"), QStringLiteral("A"), 50);
        if (classes >= 13)
            addScore(13, QStringLiteral("101d"), QStringLiteral("33"), 33);
        select();
        panel = std::make_unique<ScreenReviewPanel>(program, contest);
        panel->resize(1280, 800);
        if (!showActive(panel.get()))
            qFatal("panel not active");
    }

    QWidget* p() { return panel.get(); }
    QString position() { return child<QLabel>(p(), QStringLiteral("position"))->text(); }
    QString team() { return child<QLabel>(p(), QStringLiteral("teamName"))->text(); }
    bool enabled(const char* name) { return child<QPushButton>(p(), QString::fromLatin1(name))->isEnabled(); }
    QTableWidget* grid(const char* name = "resultsGrid") { return child<QTableWidget>(p(), QString::fromLatin1(name)); }
    QString cell(int row, int column, const char* name = "resultsGrid")
    {
        const QTableWidgetItem* item = grid(name)->item(row, column);
        return item ? item->text() : QString();
    }
    QStringList headings(const char* name = "resultsGrid")
    {
        QStringList list;
        for (int c = 0; c < grid(name)->columnCount(); ++c)
            list << grid(name)->horizontalHeaderItem(c)->text();
        return list;
    }
};

} // namespace

class TestScreenReview : public QObject
{
    Q_OBJECT
private slots:
    void entriesInOrderWithPriorAndNext();
    void byCountyKeepsTheSelectedCounties();
    void cellsTotalsAndTheLastNamedMember();
    void classesBeyondTwelveInTheSecondGrid();
    void returnAsksToLeave();
};

void TestScreenReview::entriesInOrderWithPriorAndNext()
{
    Fixture f;
    f.panel->review(f.selections, false);
    QCOMPARE(child<QLabel>(f.p(), QStringLiteral("heading"))->text(), QStringLiteral("Screen Review of Results..."));
    QCOMPARE(f.position(), QStringLiteral("1 of 3"));
    QCOMPARE(f.team(), QStringLiteral("Douglas Blue"));
    QVERIFY(!f.enabled("priorTeam"));
    QVERIFY(f.enabled("nextTeam"));

    click(f.p(), QStringLiteral("nextTeam"));
    QCOMPARE(f.position(), QStringLiteral("2 of 3"));
    QCOMPARE(f.team(), QStringLiteral("Lancaster Gold"));
    QCOMPARE(f.cell(0, 0), QStringLiteral("ST 102a"));
    QVERIFY(f.enabled("priorTeam") && f.enabled("nextTeam"));

    click(f.p(), QStringLiteral("nextTeam"));
    QCOMPARE(f.position(), QStringLiteral("3 of 3"));
    QCOMPARE(f.cell(1, 0), QStringLiteral("SI 401b"));
    QVERIFY(!f.enabled("nextTeam"));

    click(f.p(), QStringLiteral("priorTeam"));
    click(f.p(), QStringLiteral("priorTeam"));
    QCOMPARE(f.position(), QStringLiteral("1 of 3"));
    QVERIFY(!f.enabled("priorTeam"));

    // A new review starts again from the first entry.
    click(f.p(), QStringLiteral("nextTeam"));
    f.panel->review(f.selections, false);
    QCOMPARE(f.position(), QStringLiteral("1 of 3"));
}

void TestScreenReview::byCountyKeepsTheSelectedCounties()
{
    Fixture f;
    f.selections.counties = QStringList{QStringLiteral("DOU Douglas")};
    f.panel->review(f.selections, true);
    QCOMPARE(f.position(), QStringLiteral("1 of 2"));
    click(f.p(), QStringLiteral("nextTeam"));
    QCOMPARE(f.team(), QStringLiteral("Douglas Singles"));
    QVERIFY(!f.enabled("nextTeam"));

    // No entry of the county: nothing to show, nowhere to go.
    f.selections.counties = QStringList{QStringLiteral("SAR Sarpy")};
    f.panel->review(f.selections, true);
    QCOMPARE(f.position(), QStringLiteral("0 of 0"));
    QCOMPARE(f.grid()->rowCount(), 0);
    QVERIFY(!f.enabled("priorTeam") && !f.enabled("nextTeam"));

    // All contestants ignores the county lines.
    f.panel->review(f.selections, false);
    QCOMPARE(f.position(), QStringLiteral("1 of 3"));
}

void TestScreenReview::cellsTotalsAndTheLastNamedMember()
{
    Fixture f;
    f.panel->review(f.selections, false);
    QCOMPARE(f.headings(),
             QStringList({"Contestant", "Name", "001", "002", "003", "004", "Total", "Team", "County / Team"}));
    QCOMPARE(f.grid()->horizontalHeaderItem(3)->toolTip(), QStringLiteral("Title 2"));
    QVERIFY(f.grid("moreClassesGrid")->isHidden());
    QCOMPARE(f.grid()->rowCount(), 4); // member positions 1..M

    const QStringList ann{"ST 101a", "Ann Avery", "B/45", "44", "", "", "89", "", ""};
    const QStringList ben{"ST 101b", "Ben Brooks", "0/0", "", "7/7", "", "7", "", ""};
    const QStringList empty{"ST 101c", "", "", "", "", "", "", "", ""};
    const QStringList dee{"ST 101d", "Dee Dunlap", "", "", "", "KCKC/12", "12", "108", "DOU Douglas / Douglas Blue"};
    const QList<QStringList> rows{ann, ben, empty, dee};
    for (int r = 0; r < 4; ++r) {
        QStringList row;
        for (int c = 0; c < f.grid()->columnCount(); ++c)
            row << f.cell(r, c);
        QCOMPARE(row, rows[r]);
    }

    click(f.p(), QStringLiteral("nextTeam"));
    QCOMPARE(f.cell(0, 1), QStringLiteral("Eve Ellison-Fairweath"));
    QCOMPARE(f.cell(0, 6), QString()); // no total of 0
    QCOMPARE(f.cell(0, 7), QStringLiteral("0"));

    // Individuals: the county and name, no team total.
    click(f.p(), QStringLiteral("nextTeam"));
    QCOMPARE(f.cell(1, 6), QStringLiteral("50"));
    QCOMPARE(f.cell(1, 7), QString());
    QCOMPARE(f.cell(1, 8), QStringLiteral("DOU Douglas / Douglas Singles"));
    QCOMPARE(f.cell(0, 8), QString());
}

void TestScreenReview::classesBeyondTwelveInTheSecondGrid()
{
    Fixture f(13);
    f.panel->review(f.selections, false);
    QCOMPARE(f.grid()->columnCount(), 2 + 12 + 3);
    QVERIFY(f.grid("moreClassesGrid")->isVisible());
    QCOMPARE(f.headings("moreClassesGrid"), QStringList({"Contestant", "Name", "013"}));
    QCOMPARE(f.grid("moreClassesGrid")->horizontalHeaderItem(2)->toolTip(), QStringLiteral("Title 13"));
    QCOMPARE(f.cell(3, 0, "moreClassesGrid"), QStringLiteral("ST 101d"));
    QCOMPARE(f.cell(3, 2, "moreClassesGrid"), QStringLiteral("33"));
    // Class 13 counts in the member's total and the team total.
    QCOMPARE(f.cell(3, 14), QStringLiteral("45"));
    QCOMPARE(f.cell(3, 15), QStringLiteral("141"));
}

void TestScreenReview::returnAsksToLeave()
{
    Fixture f;
    f.panel->review(f.selections, false);
    QSignalSpy spy(f.panel.get(), &ScreenReviewPanel::returnRequested);
    click(f.p(), QStringLiteral("returnButton"));
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestScreenReview)
#include "tst_screenreview.moc"
