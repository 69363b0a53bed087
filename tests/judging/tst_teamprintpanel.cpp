#include "judging/ui/teamprintpanel.h"
#include "judgingfixture.h"
#include "panelkit.h"

#include <QSignalSpy>

using namespace judging;
using namespace kit;

class TestTeamPrintPanel : public QObject
{
    Q_OBJECT
private slots:
    void countiesAndPrinting()
    {
        judgingtest::ContestFixture f;
        f.addEntry(4, 1, QStringLiteral("Blaine County"), {"Eve Evans"});
        f.addEntry(1, 1, QStringLiteral("Adams County"), {"Ann Adams"});
        f.addEntry(1, 2, QStringLiteral("Adams County"), {"Fay Fox"});
        f.select();
        TeamPrintPanel panel(f.program, f.contest);
        int kind = 0;
        ReportSelections chosen;
        panel.setReportStarter([&](int k, const ReportSelections& s) {
            kind = k;
            chosen = s;
        });
        panel.open();
        QVERIFY(showActive(&panel));
        auto* list = child<QListWidget>(&panel, QStringLiteral("countyList"));
        // In the order a walk by key first meets them, each once.
        QCOMPARE(items(list), (QStringList{"Blaine County", "Adams County"}));
        auto* print = child<QPushButton>(&panel, QStringLiteral("printTeamList"));
        QVERIFY(!print->isEnabled());
        click(&panel, QStringLiteral("allButton"));
        QVERIFY(print->isEnabled());
        click(&panel, QStringLiteral("noneButton"));
        QVERIFY(!print->isEnabled());
        clickLine(list, 1);
        click(&panel, QStringLiteral("printTeamList"));
        QCOMPARE(kind, ReportKind::TeamList);
        QCOMPARE(chosen.counties, QStringList{QStringLiteral("Adams County")});

        QSignalSpy back(&panel, &TeamPrintPanel::returnRequested);
        click(&panel, QStringLiteral("returnButton"));
        QCOMPARE(back.size(), 1);
    }

    void noStarterNoPrinting()
    {
        judgingtest::ContestFixture f;
        f.addEntry(1, 1, QStringLiteral("Adams County"), {"Ann Adams"});
        f.select();
        TeamPrintPanel panel(f.program, f.contest);
        panel.open();
        click(&panel, QStringLiteral("allButton"));
        QVERIFY(!child<QPushButton>(&panel, QStringLiteral("printTeamList"))->isEnabled());
    }
};

QTEST_MAIN(TestTeamPrintPanel)
#include "tst_teamprintpanel.moc"
