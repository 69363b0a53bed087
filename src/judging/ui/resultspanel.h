#pragma once

#include "judging/contest.h"
#include "judging/reports/reportframe.h"

#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace core {
class Program;
}

namespace judging {

// The results screen: class results of chosen classes (all contestants or chosen counties), award
// results of chosen awards on the printer, and the export of award results to a text file.
class ResultsPanel : public QWidget
{
    Q_OBJECT
public:
    // What the one selection list shows.
    enum class ListMode { Nothing, Classes, Awards, ExportAwards };

    ResultsPanel(core::Program& program, SelectedContest& contest, QWidget* parent = nullptr);

    void open();

    // Printed reports go through the window (output destination, then the report kind).
    void setReportStarter(ReportStarter starter);
    // The on-screen review of class results.
    using ReviewStarter = std::function<void(const ReportSelections& selections, bool byCounty)>;
    void setReviewStarter(ReviewStarter starter);

    ListMode listMode() const { return m_mode; }

    static constexpr int MaxClasses = 24;
    static QString tooManyClassesMessage(int selected);
    static QString exportDoneMessage(const QString& path);
    // A failed export says so; nothing would show otherwise.
    static QString exportFailedMessage(const QString& typedName);

signals:
    void exitRequested();

private:
    void showList(ListMode mode);
    void selectAllLines(QListWidget* list, bool select);
    void chooseAllContestants();
    void chooseByCounty();
    void refresh();
    QStringList selectedLines(QListWidget* list) const;
    std::vector<ClassChoice> selectedClasses() const;
    std::vector<AwardChoice> selectedAwards() const;
    // The class selections of the printer and the screen; false when too many classes are chosen.
    bool classSelections(ReportSelections& selections, bool& byCounty) const;
    void printClassList();
    void processToPrinter();
    void processToScreen();
    void processAwards();
    void processExport();

    core::Program& m_program;
    SelectedContest& m_contest;
    ReportStarter m_reportStarter;
    ReviewStarter m_reviewStarter;
    ListMode m_mode = ListMode::Nothing;
    int m_format = 0;       // 0 none chosen, else an ExportFormat
    QString m_exportName;   // as typed since the export list was last filled

    QLabel* m_header;
    QPushButton* m_listClasses;
    QPushButton* m_listAwards;
    QPushButton* m_listAwardsExport;
    QLabel* m_listHeading;
    QListWidget* m_list;
    QPushButton* m_none;
    QPushButton* m_all;
    QLabel* m_classNote;
    QPushButton* m_printClassList;
    QRadioButton* m_allContestants;
    QRadioButton* m_byCounty;
    QButtonGroup* m_modeButtons;
    QLabel* m_countyCaption;
    QListWidget* m_counties;
    QPushButton* m_countyNone;
    QPushButton* m_countyAll;
    QPushButton* m_toPrinter;
    QPushButton* m_toScreen;
    QLabel* m_ranksCaption;
    QSpinBox* m_ranks;
    QPushButton* m_processAwards;
    QButtonGroup* m_formats;
    QLineEdit* m_exportFileName;
    QLabel* m_exportRanksCaption;
    QSpinBox* m_exportRanks;
    QPushButton* m_processExport;
    QPushButton* m_exit;
};

} // namespace judging
