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
        add(core::Cont, contestKey,
            {{ContField::Location, QStringLiteral("Fairgrounds")}, {ContField::AssignedGroups, QStringLiteral("4")},
             {ContField::KeepCullAnimals, QStringLiteral("8")}, {ContField::CardClasses, QStringLiteral("3")}});
        addClass(1, QStringLiteral("Market Steers"), RegularClass, 50,
                 {{ClasField::OfficialResult, QStringLiteral("C")}, {ClasField::cut(1), QStringLiteral("2")},
                  {ClasField::cut(2), QStringLiteral("3")}, {ClasField::cut(3), QStringLiteral("1")}});
        addClass(2, QStringLiteral("Steer Reasons"), ReasonsClass);
        addClass(3, QStringLiteral("Keep Heifers"), KeepCullClass, 50, {{ClasField::OfficialResult, QStringLiteral("2467")}});
        addEntry(1, 1, QStringLiteral("Adams County"), {"Ann Adams", "Bob Baker", "Cal Cole"});
        addEntry(4, 1, QStringLiteral("Blaine County"), {"Eve Evans"});
        addScore(1, QStringLiteral("101a"), QStringLiteral("C"), 50);
        addScore(3, QStringLiteral("101a"), QStringLiteral("2467"), 50);
        addScore(1, QStringLiteral("101b"), QStringLiteral("A"), 47);
        addScore(2, QStringLiteral("101b"), QStringLiteral("44"), 44);
        addScore(3, QStringLiteral("101b"), QStringLiteral("2461"), 40);
        addScore(1, QStringLiteral("101c"), QStringLiteral("G"), 43);
        addScore(2, QStringLiteral("101c"), QStringLiteral("41"), 41);
        addScore(3, QStringLiteral("101c"), QStringLiteral("2468"), 45);
        addScore(1, QStringLiteral("401a"), QStringLiteral("B"), 49);
        addScore(2, QStringLiteral("401a"), QStringLiteral("45"), 45);
        addScore(3, QStringLiteral("401a"), QStringLiteral("2467"), 50);
        addAward(QStringLiteral("SI"), QStringLiteral("002"), QStringLiteral("Senior Individuals"),
                 QStringLiteral("001003"), QStringLiteral("002"));
        addAward(QStringLiteral("ST"), QStringLiteral("001"), QStringLiteral("Senior Teams"), QStringLiteral("ALL"),
                 QStringLiteral("002"), QStringLiteral("001"));
    }

    // The texts of a line of the last printout's page, left to right.
    QStringList line(int page, int y) const
    {
        QList<const PrinterRecorder::Text*> on;
        for (const auto& t : printer.texts)
            if (t.document == document() && t.page == page && t.y == y)
                on << &t;
        std::sort(on.begin(), on.end(), [](auto a, auto b) { return a->x < b->x; });
        QStringList texts;
        for (auto* t : on)
            texts << t->text;
        return texts;
    }
    int lineHeight() { return printer.pageHeight() / 74; }
};

} // namespace

class TestListReports : public QObject
{
    Q_OBJECT
private slots:
    // Class list, award list, score list, missing score list and parameters against the
    // golden text.
    void goldenPrintouts()
    {
        Fixture f;
        f.print(ReportKind::ClassList);
        f.print(ReportKind::AwardList);
        f.print(ReportKind::ScoreList);
        f.print(ReportKind::MissingScoreList);
        f.print(ReportKind::ContestParameters);
        QCOMPARE(f.printer.strayDrawings, 0);
        const QString actual = f.printer.dump();
        QCOMPARE(actual, testsupport::golden(QStringLiteral(QT_TESTCASE_SOURCEDIR "/golden/listreports.txt"), actual));
    }

    void scoreListNamesTheMember()
    {
        Fixture f;
        f.print(ReportKind::ScoreList);
        const PrinterRecorder::Text* contestant = nullptr;
        for (const auto& t : f.printer.texts)
            if (t.text == QLatin1String("101c")) {
                contestant = &t;
                break;
            }
        QVERIFY(contestant);
        QCOMPARE(f.line(1, contestant->y), (QStringList{"001", "ST", "101c", "Cal Cole", "G", "43"}));
    }

    // 101a has scores in classes 1 and 3 of three: one line, for class 2.
    void missingScoresByClass()
    {
        Fixture f;
        f.print(ReportKind::MissingScoreList);
        QStringList missing;
        for (int l = 4; l < 72; ++l)
            if (const QStringList texts = f.line(1, l * f.lineHeight()); !texts.isEmpty())
                missing << texts.join(QLatin1Char(' '));
        QCOMPARE(missing, QStringList{QStringLiteral("002 ST 101a Ann Adams")});
    }

    // Rows stop above the legend at the foot of the page; the header, legend and footer come
    // again on the next page.
    void classListPageBreak()
    {
        Fixture f;
        for (int c = 4; c <= 70; ++c)
            f.addClass(c, QStringLiteral("Class %1").arg(c));
        f.print(ReportKind::ClassList);
        QCOMPARE(f.printer.documents.last().pages, 2);
        const int legendTop = (74 - 10) * f.lineHeight();
        for (int page = 1; page <= 2; ++page) {
            const QStringList texts = f.printer.pageTexts(f.document(), page);
            QVERIFY(texts.contains(QStringLiteral("Contest LS121026 [District Livestock] Class List...")));
            QVERIFY(texts.contains(QStringLiteral("X) 4321")));
            QCOMPARE(texts.filter(QStringLiteral("Marvolen 2006")).size(), 1);
        }
        for (const auto& t : f.printer.texts)
            if (t.x == 12 * (f.printer.pageWidth() / 80) && t.text.startsWith(QLatin1String("Class "))) // row titles
                QVERIFY2(t.y < legendTop, qPrintable(t.text));
        // 59 rows on the first page (lines 4 to 62), the other eleven on the second.
        QCOMPARE(f.line(2, 4 * f.lineHeight()).first(), QStringLiteral("060"));
    }
};

QTEST_GUILESS_MAIN(TestListReports)
#include "tst_listreports.moc"
