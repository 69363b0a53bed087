#pragma once

#include "judging/contest.h"

#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace core {
class Program;
}

namespace judging {

// The contests screen: a contest is created from a code on its day, given its set-up values,
// selected for the other screens, and removed with all of its records.
class ContestsPanel : public QWidget
{
    Q_OBJECT
public:
    ContestsPanel(core::Program& program, SelectedContest& contest, QWidget* parent = nullptr);

    // Opening the screen: empty list and boxes.
    void open();
    // The parameters report, once reports exist; until then its button stays disabled.
    void setPrintParameters(std::function<void()> print);

    static QString tooManyMembersMessage();

signals:
    void contestChanged();
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class ListMode { Known, Types };

    void listContests();
    void fillKnownList();
    void enterNewContest();
    void chooseLine(QListWidgetItem* item);
    void createContest(const QString& code);
    void selectContest(const QString& key);
    void storeBox(int box, const QString& text);
    void save();
    void deleteContest();
    void emptyBoxes();
    void showCounts(const QString& key);
    void emptyCounts();
    void boldNote(QLabel* caption);

    core::Program& m_program;
    SelectedContest& m_contest;
    ListMode m_mode = ListMode::Known;
    QString m_shownKey; // the contest whose record the boxes edit; empty: none
    std::function<void()> m_print;

    QPushButton* m_listContests;
    QPushButton* m_enterNew;
    QLabel* m_listHeading;
    QListWidget* m_list;
    std::array<QLineEdit*, ContestBoxCount + 1> m_boxes{}; // 1..16
    QCheckBox* m_useSupportData;
    std::array<QLineEdit*, 5> m_counts{};
    QPushButton* m_save;
    QPushButton* m_printButton;
    QPushButton* m_delete;
    QPushButton* m_exit;
    QLabel* m_individualNotes;
    QLabel* m_groupNotes;
    QLabel* m_classNotes;
    std::array<QLabel*, 5> m_noteLabels{}; // the labels that point at a note
};

} // namespace judging
