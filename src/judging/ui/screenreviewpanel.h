#pragma once

#include "judging/classresults.h"
#include "judging/contest.h"
#include "judging/reports/reportframe.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;
class QTableWidget;

namespace core {
class Program;
}

namespace judging {

// "Process Results to Screen": the class results of the chosen classes, one entry at a time.
// Classes 1..12 stand in the main grid with the totals; classes 13..24 in a second grid below
// it, row for row, shown only when more than twelve classes were chosen.
class ScreenReviewPanel : public QWidget
{
    Q_OBJECT
public:
    ScreenReviewPanel(core::Program& program, SelectedContest& contest, QWidget* parent = nullptr);

    // Reviews the chosen classes from the first entry on; by county, only the entries whose
    // county is among `selections.counties`.
    void review(const ReportSelections& selections, bool byCounty);

    int entryCount() const;
    int currentEntry() const { return m_current; } // 0-based, -1 when there is none

signals:
    void returnRequested();

private:
    void showEntry(int index);
    void setColumns();
    void fillRows(const EntryResults& results);

    core::Program& m_program;
    SelectedContest& m_contest;
    std::unique_ptr<ClassResults> m_results;
    int m_current = -1;

    QLabel* m_contestLine;
    QLabel* m_position;
    QLabel* m_teamName;
    QPushButton* m_prior;
    QPushButton* m_next;
    QPushButton* m_return;
    QTableWidget* m_grid;
    QLabel* m_moreCaption;
    QTableWidget* m_moreGrid;
};

} // namespace judging
