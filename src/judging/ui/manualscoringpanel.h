#pragma once

#include "judging/classes.h"
#include "judging/contest.h"
#include "judging/reports/reportframe.h"
#include "judging/scoring.h"

#include <QWidget>

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QTimer;

namespace core {
class Program;
}

namespace judging {

// The manual score entry: a class, the contestants of the chosen levels in a group order, and
// for each contestant a placing letter or a typed score stored in its score record.
class ManualScoringPanel : public QWidget
{
    Q_OBJECT
public:
    // A placing key is saved this long after it was pressed, so the score can be seen.
    static constexpr int AutoSaveDelayMs = 250;
    // Scoring of the first contestant of a placing class starts this long after the list is built.
    static constexpr int StartDelayMs = 1000;

    ManualScoringPanel(core::Program& program, SelectedContest& contest, QWidget* parent = nullptr);

    void open();
    // Print buttons stay disabled until the window gives the panel a way to start reports.
    void setReportStarter(ReportStarter starter);

    bool autoAdvance() const { return m_autoAdvance; }
    QString scoreKey() const { return m_scoreKey; }
    int classType() const { return m_classType; }
    const std::vector<ScoringContestant>& contestants() const { return m_contestants; }

    static QString notValidMessage();
    static QString exceedsMessage();
    static QString conversionMessage(const QString& text);
    static QString deleteQuestion();
    static QString laterScoringMessage(int classType);

signals:
    void contestChanged();
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lineClicked(QListWidgetItem* item);
    void selectClass(const QString& line);
    void levelsChanged();
    void buildClicked();
    void buildList(int sort);
    void selectContestant(int row);
    void placingKey(const QString& key);
    void entryLeft(const QString& text);
    void save();
    void deleteScore();
    void setLettersEnabled(bool enabled);
    void clearSorts(bool enabled);

    core::Program& m_program;
    SelectedContest& m_contest;
    bool m_showingClasses = true;
    QString m_classKey;
    int m_classType = 0;
    int m_classMax = 0;
    QString m_official;
    Cuts m_cuts{};
    QStringList m_levelCodes;
    int m_sort = 0;
    std::vector<ScoringContestant> m_contestants;
    int m_row = -1;
    QString m_scoreKey;
    QString m_scoreText;
    bool m_autoAdvance = false;

    QLabel* m_header;
    QLineEdit* m_scoreKeyBox;
    QLineEdit* m_classKeyBox;
    QLineEdit* m_className;
    QLineEdit* m_classNum;
    QLineEdit* m_classTypeBox;
    QLineEdit* m_contestantNum;
    QLineEdit* m_contestantName;
    QLineEdit* m_entry;
    QLineEdit* m_hormel;
    QLabel* m_hormelCaption;
    QLabel* m_count;
    QLabel* m_listCaption;
    QListWidget* m_list;
    QLabel* m_scoreCaption;
    QListWidget* m_scoreColumn;
    QGroupBox* m_levelGroup;
    std::array<QCheckBox*, LevelCount + 1> m_levels{};
    QPushButton* m_build;
    QGroupBox* m_sortGroup;
    QButtonGroup* m_sortButtons;
    QGroupBox* m_methodGroup;
    QRadioButton* m_manual;
    QRadioButton* m_auto;
    QPushButton* m_start;
    std::vector<QPushButton*> m_letters; // A..X and the two zero buttons
    QPushButton* m_save;
    QPushButton* m_delete;
    QPushButton* m_scoreSelected;
    QPushButton* m_reselect;
    QPushButton* m_exit;
    QTimer* m_autoSave;
    QTimer* m_startTimer;
    ReportStarter m_reportStarter;
    QPushButton* m_printScores = nullptr;
    QPushButton* m_printMissing = nullptr;
};

} // namespace judging
