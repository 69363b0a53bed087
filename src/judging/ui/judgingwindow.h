#pragma once

#include "core/ui/workwindow.h"
#include "judging/contest.h"
#include "judging/reports/reportframe.h"

#include <QString>

class QAction;
class QMenu;

namespace judging {

class AwardsPanel;
class ClassesPanel;
class ContestCodesPanel;
class ManualScoringPanel;
class ContestsPanel;
class ResultsPanel;
class ScreenReviewPanel;
class TeamPrintPanel;
class TeamsPanel;

// The judging contests window: contest codes, contests, entries, classes, scores, awards, reports.
// It keeps the selected contest, publishes its key to the main screen and opens the menu items
// by the contest's records.
class JudgingWindow : public core::WorkWindow
{
    Q_OBJECT
public:
    explicit JudgingWindow(core::Screens& screens);
    ~JudgingWindow() override;

    SelectedContest& contest() { return m_contest; }
    ContestCodesPanel* contestCodesPanel() const { return m_codes; }
    ContestsPanel* contestsPanel() const { return m_contests; }
    TeamsPanel* teamsPanel() const { return m_teams; }
    ClassesPanel* classesPanel() const { return m_classes; }
    ManualScoringPanel* manualScoringPanel() const { return m_manual; }
    AwardsPanel* awardsPanel() const { return m_awards; }
    ResultsPanel* resultsPanel() const { return m_results; }
    ScreenReviewPanel* screenReviewPanel() const { return m_review; }
    TeamPrintPanel* teamPrintPanel() const { return m_teamPrint; }

    // A screen's print button: keeps what the screen chose and asks for the destination, which
    // then runs the report.
    void startReport(int kind, const ReportSelections& selections);
    // The destination was chosen: prints the pending report on the selected printer.
    void runReport(int kind);

    // The message a menu item of a screen not built yet shows.
    static QString laterScreenMessage(const QString& screen);

public slots:
    // Publishes the current contest key and sets the menu items by the contest.
    void contestChanged();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QAction* addItem(QMenu* menu, const QString& text, const QString& name);
    QAction* addLaterItem(QMenu* menu, const QString& text, const QString& name, const QString& screen);
    // The shown panel agrees to be left (an entry being edited is saved first).
    bool leaveShownPanel() override;

    SelectedContest m_contest;
    ContestCodesPanel* m_codes;
    ContestsPanel* m_contests;
    TeamsPanel* m_teams;
    ClassesPanel* m_classes;
    ManualScoringPanel* m_manual;
    AwardsPanel* m_awards;
    ResultsPanel* m_results;
    ScreenReviewPanel* m_review;
    TeamPrintPanel* m_teamPrint;
    ReportSelections m_reportSelections;
    QAction* m_teamsItem = nullptr;
    QAction* m_groupsItem = nullptr;
    QAction* m_classesItem = nullptr;
    QAction* m_awardsItem = nullptr;
    QAction* m_manualItem = nullptr;
    QMenu* m_scannerMenu = nullptr;
    QAction* m_resultsItem = nullptr;
};

} // namespace judging
