#pragma once

#include "judging/contest.h"
#include "judging/reports/reportframe.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace core {
class Program;
}

namespace judging {

// "Team Print Out Selection...": the counties of the contest's entries, of which the team list
// prints the chosen ones.
class TeamPrintPanel : public QWidget
{
    Q_OBJECT
public:
    TeamPrintPanel(core::Program& program, SelectedContest& contest, QWidget* parent = nullptr);

    // Lists the counties found in the contest, none chosen.
    void open();
    // "Print Team list" stays disabled until the window gives the panel a way to start reports.
    void setReportStarter(ReportStarter starter);

signals:
    void returnRequested();

private:
    void refresh();
    void print();

    core::Program& m_program;
    SelectedContest& m_contest;
    ReportStarter m_reportStarter;
    QListWidget* m_counties;
    QPushButton* m_print;
};

} // namespace judging
