#pragma once

#include "judging/contest.h"
#include "judging/reports/reportframe.h"

#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace core {
class Program;
}

namespace judging {

// The awards screen: award type and number, name, the scoring classes and three tie-breaker
// class lists built from the contest's classes, and the tie-breakers' directions.
class AwardsPanel : public QWidget
{
    Q_OBJECT
public:
    AwardsPanel(core::Program& program, SelectedContest& contest, QWidget* parent = nullptr);

    void open();
    // Print buttons stay disabled until the window gives the panel a way to start reports.
    void setReportStarter(ReportStarter starter);

    QString awardKey() const { return m_awardKey; }
    // 1: the list shows the awards, 2: the classes.
    int listMode() const { return m_listMode; }

    static QString noTypeMessage();
    static QString noNumberMessage();
    static QString deleteQuestion();

signals:
    void contestChanged();
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseType(int index);
    void numberLeft(const QString& text);
    void showClasses();
    void lineClicked(QListWidgetItem* item);
    void selectAward(const QString& key);
    void changeTarget(const std::function<QString(const QString&)>& change);
    void save();
    void deleteAward();
    void emptyBoxes();

    core::Program& m_program;
    SelectedContest& m_contest;
    QString m_awardKey;
    int m_listMode = 1;
    int m_target = 0; // the class-list box that last had the focus, 0..3

    QLabel* m_header;
    QLineEdit* m_keyBox;
    QButtonGroup* m_types;
    QLineEdit* m_number;
    QLabel* m_next;
    QLineEdit* m_name;
    std::array<QLineEdit*, 4> m_lists{};
    std::array<QRadioButton*, 3> m_high{};
    std::array<QRadioButton*, 3> m_low{};
    QLabel* m_listCaption;
    QListWidget* m_list;
    QListWidget* m_titles;
    QPushButton* m_all;
    QPushButton* m_startOver;
    QPushButton* m_removeLast;
    QPushButton* m_save;
    QPushButton* m_delete;
    QPushButton* m_exit;
    ReportStarter m_reportStarter;
    QPushButton* m_print = nullptr;
};

} // namespace judging
