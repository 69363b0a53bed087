#pragma once

#include "judging/classes.h"
#include "judging/contest.h"
#include "judging/reports/reportframe.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QGroupBox;
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

// The classes screen: class number, title, type and point value; for regular classes the official
// placing, the three cuts and the class colour. Saving a changed placing re-scores the class.
class ClassesPanel : public QWidget
{
    Q_OBJECT
public:
    ClassesPanel(core::Program& program, SelectedContest& contest, QWidget* parent = nullptr);

    void open();
    // Print buttons stay disabled until the window gives the panel a way to start reports.
    void setReportStarter(ReportStarter starter);

    int classType() const { return m_type; }
    QString official() const { return m_official; }
    int color() const { return m_color; }
    bool isNewClass() const { return m_newClass; }

    static QString changedPlacingMessage();
    static QString missingResultMessage();
    static QString deleteQuestion();
    static QString noTypeMessage();

signals:
    void contestChanged();
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString classKey() const;
    void clearChoices();
    void showTypeGroups(int type, bool colorToo);
    void classNumberAccepted(const QString& text);
    void titleLeft();
    void typeByKeyboard(int type);
    void typeByMouse(int type);
    void setType(int type);
    void pointValueLeft();
    void choosePlacing(int index);
    void cutLeft(QLineEdit* cut, const QString& text);
    void setColor(int color);
    void lineClicked(QListWidgetItem* item);
    void load(const QString& key);
    void save();
    void deleteClass();
    void recalculate();
    void refreshList();

    core::Program& m_program;
    SelectedContest& m_contest;
    int m_type = 0;
    bool m_newClass = false;
    QString m_official;
    QString m_loadedOfficial;
    Cuts m_loadedCuts{};
    int m_color = 0;
    QString m_typeDigits;

    QLabel* m_header;
    QLineEdit* m_classKey;
    QLineEdit* m_number;
    QLineEdit* m_title;
    QLineEdit* m_pointValue;
    QListWidget* m_list;
    QGroupBox* m_typeGroup;
    QButtonGroup* m_typeButtons;
    std::array<QRadioButton*, ClassTypeCount + 1> m_types{};
    QGroupBox* m_placingGroup;
    QButtonGroup* m_placingButtons;
    QGroupBox* m_cutGroup;
    std::array<QLineEdit*, 3> m_cuts{};
    QGroupBox* m_colorGroup;
    QLabel* m_colorSample;
    std::array<QPushButton*, ClassTypeCount + 1> m_officialButtons{}; // by class type
    QPushButton* m_save;
    QPushButton* m_delete;
    ReportStarter m_reportStarter;
    QPushButton* m_print;
    QPushButton* m_recalculate;
    QPushButton* m_exit;
};

} // namespace judging
