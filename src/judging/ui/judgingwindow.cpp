#include "judging/ui/judgingwindow.h"

#include "core/program.h"
#include "core/ui/screens.h"
#include "judging/ui/awardspanel.h"
#include "judging/ui/classespanel.h"
#include "judging/ui/contestcodespanel.h"
#include "judging/ui/contestspanel.h"
#include "judging/ui/manualscoringpanel.h"
#include "judging/ui/resultspanel.h"
#include "judging/ui/screenreviewpanel.h"
#include "judging/ui/teamprintpanel.h"
#include "judging/ui/teamspanel.h"
#include "judging/reports/judgingreports.h"
#include "output/outputdestination.h"
#include "output/ui/outputdestinationwindow.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"

#include <QHideEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

namespace judging {

JudgingWindow::JudgingWindow(core::Screens& screens)
    : core::WorkWindow(screens, core::JudgingScreen, QStringLiteral("Judging Contests..."), 4)
{
    setObjectName(QStringLiteral("judging"));
    core::DataMaster& data = program().data();
    m_codes = new ContestCodesPanel(data);
    m_contests = new ContestsPanel(program(), m_contest);
    m_teams = new TeamsPanel(program(), m_contest);
    addPanel(m_codes, QStringLiteral("contestCodesPanel"));
    addPanel(m_contests, QStringLiteral("contestsPanel"));
    m_classes = new ClassesPanel(program(), m_contest);
    addPanel(m_teams, QStringLiteral("teamsPanel"));
    addPanel(m_classes, QStringLiteral("classesPanel"));
    m_manual = new ManualScoringPanel(program(), m_contest);
    addPanel(m_manual, QStringLiteral("manualScoringPanel"));
    m_awards = new AwardsPanel(program(), m_contest);
    addPanel(m_awards, QStringLiteral("awardsPanel"));
    m_results = new ResultsPanel(program(), m_contest);
    addPanel(m_results, QStringLiteral("resultsPanel"));
    m_review = new ScreenReviewPanel(program(), m_contest);
    addPanel(m_review, QStringLiteral("screenReviewPanel"));
    m_teamPrint = new TeamPrintPanel(program(), m_contest);
    addPanel(m_teamPrint, QStringLiteral("teamPrintPanel"));

    const ReportStarter starter = [this](int kind, const ReportSelections& selections) {
        startReport(kind, selections);
    };
    m_classes->setReportStarter(starter);
    m_awards->setReportStarter(starter);
    m_manual->setReportStarter(starter);
    m_results->setReportStarter(starter);
    m_teamPrint->setReportStarter(starter);
    m_contests->setPrintParameters([this] { startReport(ReportKind::ContestParameters, {}); });
    m_teams->setPrintTeamList([this] {
        if (!leaveShownPanel())
            return;
        m_teamPrint->open();
        showPanel(m_teamPrint);
    });
    connect(m_teamPrint, &TeamPrintPanel::returnRequested, this, [this] { showPanel(m_teams); });
    m_results->setReviewStarter([this](const ReportSelections& selections, bool byCounty) {
        m_review->review(selections, byCounty);
        showPanel(m_review);
    });
    connect(m_review, &ScreenReviewPanel::returnRequested, this, [this] { showPanel(m_results); });
    connect(m_results, &ResultsPanel::exitRequested, this, &JudgingWindow::showPicture);
    program().onJudgingReport = [this](int kind) { runReport(kind); };

    QMenuBar* bar = menuBar();
    QMenu* support = bar->addMenu(QStringLiteral("Support Data"));
    support->setObjectName(QStringLiteral("supportDataMenu"));
    connect(addItem(support, QStringLiteral("Contest Codes"), QStringLiteral("contestCodesItem")), &QAction::triggered,
            this, [this] {
                if (!leaveShownPanel())
                    return;
                m_codes->open();
                showPanel(m_codes);
            });
    connect(addItem(nullptr, QStringLiteral("Contests"), QStringLiteral("contestsItem")), &QAction::triggered, this,
            [this] {
                if (!leaveShownPanel())
                    return;
                m_contests->open();
                showPanel(m_contests);
            });
    m_teamsItem = addItem(nullptr, QStringLiteral("Teams/Individuals"), QStringLiteral("teamsItem"));
    connect(m_teamsItem, &QAction::triggered, this, [this] {
        if (!leaveShownPanel())
            return;
        m_teams->open();
        showPanel(m_teams);
    });
    m_groupsItem = addLaterItem(nullptr, QStringLiteral("Groups"), QStringLiteral("groupsItem"), QStringLiteral("Groups"));
    m_classesItem = addItem(nullptr, QStringLiteral("Classes"), QStringLiteral("classesItem"));
    connect(m_classesItem, &QAction::triggered, this, [this] {
        if (!leaveShownPanel())
            return;
        m_classes->open();
        showPanel(m_classes);
    });
    m_awardsItem = addItem(nullptr, QStringLiteral("Awards"), QStringLiteral("awardsItem"));
    connect(m_awardsItem, &QAction::triggered, this, [this] {
        if (!leaveShownPanel())
            return;
        m_awards->open();
        showPanel(m_awards);
    });
    m_manualItem = addItem(nullptr, QStringLiteral("Scoring - Manual"), QStringLiteral("manualScoringItem"));
    connect(m_manualItem, &QAction::triggered, this, [this] {
        if (!leaveShownPanel())
            return;
        m_manual->open();
        showPanel(m_manual);
    });
    m_scannerMenu = bar->addMenu(QStringLiteral("Scoring - Scanner"));
    m_scannerMenu->setObjectName(QStringLiteral("scannerMenu"));
    m_scannerMenu->menuAction()->setObjectName(QStringLiteral("scannerScoringItem"));
    addLaterItem(m_scannerMenu, QStringLiteral("Design Score Cards"), QStringLiteral("designCardsItem"),
                 QStringLiteral("Design Score Cards"));
    addLaterItem(m_scannerMenu, QStringLiteral("Print Score Cards"), QStringLiteral("printCardsItem"),
                 QStringLiteral("Print Score Cards"));
    addLaterItem(m_scannerMenu, QStringLiteral("Scan Score Cards"), QStringLiteral("scanCardsItem"),
                 QStringLiteral("Scan Score Cards"));
    m_resultsItem = addItem(nullptr, QStringLiteral("Results"), QStringLiteral("resultsItem"));
    connect(m_resultsItem, &QAction::triggered, this, [this] {
        if (!leaveShownPanel())
            return;
        m_results->open();
        showPanel(m_results);
    });

    connect(m_contests, &ContestsPanel::contestChanged, this, &JudgingWindow::contestChanged);
    connect(m_teams, &TeamsPanel::contestChanged, this, &JudgingWindow::contestChanged);
    connect(m_classes, &ClassesPanel::contestChanged, this, &JudgingWindow::contestChanged);
    connect(m_classes, &ClassesPanel::exitRequested, this, &JudgingWindow::showPicture);
    connect(m_manual, &ManualScoringPanel::contestChanged, this, &JudgingWindow::contestChanged);
    connect(m_manual, &ManualScoringPanel::exitRequested, this, &JudgingWindow::showPicture);
    connect(m_awards, &AwardsPanel::contestChanged, this, &JudgingWindow::contestChanged);
    connect(m_awards, &AwardsPanel::exitRequested, this, &JudgingWindow::showPicture);
    connect(m_codes, &ContestCodesPanel::exitRequested, this, &JudgingWindow::showPicture);
    connect(m_contests, &ContestsPanel::exitRequested, this, &JudgingWindow::showPicture);
    connect(m_teams, &TeamsPanel::exitRequested, this, &JudgingWindow::showPicture);
    contestChanged();
}

JudgingWindow::~JudgingWindow()
{
    program().onJudgingReport = nullptr;
}

void JudgingWindow::startReport(int kind, const ReportSelections& selections)
{
    m_reportSelections = selections;
    output::ShowOutputDestination(screens(), kind);
}

void JudgingWindow::runReport(int kind)
{
    {
        platform::BusyCursor busy;
        PrintJudgingReport(program().data(), m_contest.key, kind, m_reportSelections);
    }
    output::OpenPdfPrinterOutput(program());
    program().pendingReportKind = 0;
}

QString JudgingWindow::laterScreenMessage(const QString& screen)
{
    return QStringLiteral("The ") + screen + QStringLiteral(" screen comes in a later version of this build.");
}

QAction* JudgingWindow::addItem(QMenu* menu, const QString& text, const QString& name)
{
    QAction* action = menu ? menu->addAction(text) : menuBar()->addAction(text);
    action->setObjectName(name);
    return action;
}

QAction* JudgingWindow::addLaterItem(QMenu* menu, const QString& text, const QString& name, const QString& screen)
{
    QAction* action = addItem(menu, text, name);
    connect(action, &QAction::triggered, this, [this, screen] {
        if (leaveShownPanel())
            platform::Dialogs::information(laterScreenMessage(screen));
    });
    return action;
}

void JudgingWindow::contestChanged()
{
    program().currentContestKey = m_contest.key;
    const ContestMenus menus = MenusFor(m_contest);
    m_teamsItem->setEnabled(menus.teams);
    m_classesItem->setEnabled(menus.teams);
    m_groupsItem->setEnabled(menus.teams);
    m_awardsItem->setEnabled(menus.awards);
    m_manualItem->setEnabled(menus.scoring);
    m_scannerMenu->menuAction()->setEnabled(menus.scoring);
    m_resultsItem->setEnabled(menus.results);
}

bool JudgingWindow::leaveShownPanel()
{
    if (panels()->currentWidget() == m_teams)
        return m_teams->leave();
    return true;
}

void JudgingWindow::hideEvent(QHideEvent* event)
{
    // Going to another window leaves the screen too; an entry being edited is saved first.
    if (!program().closing && !event->spontaneous() && panels()->currentWidget() == m_teams)
        m_teams->leave();
    core::WorkWindow::hideEvent(event);
}

} // namespace judging
