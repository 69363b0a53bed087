#pragma once

#include "judging/contest.h"
#include "judging/entries.h"

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
class QTimer;

namespace core {
class Program;
}

namespace judging {

// The teams and individuals screen: entries of every level with their members, each member
// with a level button and an assigned group.
class TeamsPanel : public QWidget
{
    Q_OBJECT
public:
    // An assigned group is stored this long after its box was left, so the keystroke finishes.
    static constexpr int GroupStoreDelayMs = 300;

    TeamsPanel(core::Program& program, SelectedContest& contest, QWidget* parent = nullptr);

    // Opening the screen: no level chosen, nothing shown.
    void open();
    // Leaving the screen saves the entry being edited; false when that save was refused.
    bool leave();
    // The team list report, once reports exist; until then its button stays disabled.
    void setPrintTeamList(std::function<void()> print);

    int level() const { return m_level; }
    int currentRow() const { return m_currentRow; }

    static QString needNumberMessage();
    static QString groupFormatMessage();

signals:
    void contestChanged();
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row
    {
        QLabel* letter = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* group = nullptr;
        QRadioButton* remove = nullptr;
        QButtonGroup* levels = nullptr;
        std::array<QRadioButton*, 4> levelButtons{}; // 1 Jr, 2 Int, 3 Sr
    };
    enum class RightMode { Entries, Counties };

    int members() const;
    bool supportData() const;
    QString teamKey() const;
    QString entryNumberOfKey() const;
    void chooseLevel(int level);
    void showRows();
    void emptyRows();
    void emptyEntryBoxes();
    void setRowLevel(int k, int level);
    int rowLevel(int k) const;
    void refreshCounts();
    void fillEntries();
    void proposeEntryNumber();
    void entryNumberLeft(const QString& text, bool byUser);
    void showCounties(bool byUser);
    void rightLineClicked(QListWidgetItem* item);
    void loadEntry(const QString& key, bool withNumber);
    void fillPossibleMembers(const QString& county);
    void showPossibleMembers(bool shown);
    void possibleMemberClicked(QListWidgetItem* item);
    void groupLeft(int k, const QString& text);
    void storePendingGroup(bool moveFocus);
    bool save(bool leaving);
    void selectRowForDeletion(int k);
    void clearDeleteButtons();
    void deleteMember();
    void deleteEntry();
    QWidget* nameBoxAfter(int k) const;
    QWidget* firstEmptyNameBox() const;
    void setSaveEnabled(bool enabled);

    core::Program& m_program;
    SelectedContest& m_contest;
    int m_level = 0;
    int m_currentRow = 1;
    int m_selectedRow = 0;
    RightMode m_rightMode = RightMode::Entries;
    bool m_proposalShown = false;
    QString m_loadedKey; // the stored entry the boxes show; empty for a new one
    UsedGroups m_usedGroups;
    int m_pendingGroupRow = 0;
    QString m_pendingGroup;
    QTimer* m_groupTimer;
    std::function<void()> m_print;

    QLabel* m_header;
    std::array<QRadioButton*, LevelCount + 1> m_levelButtons{};
    std::array<QLabel*, LevelCount + 1> m_countLabels{};
    QButtonGroup* m_levelGroup;
    QLineEdit* m_entryNumber;
    QLineEdit* m_county;
    QLineEdit* m_teamName;
    QLineEdit* m_coach;
    QLineEdit* m_teamKey;
    QLineEdit* m_membersPerTeam;
    QLabel* m_groupCaption;
    QLabel* m_levelCaption;
    std::array<Row, MaxMembers + 1> m_rows{};
    QButtonGroup* m_deleteGroup;
    QLabel* m_rightCaption;
    QListWidget* m_rightList;
    QLabel* m_possibleCaption;
    QWidget* m_possibleHeadings;
    QListWidget* m_possibleList;
    QPushButton* m_save;
    QPushButton* m_deleteEntry;
    QPushButton* m_deleteMember;
    QPushButton* m_redisplay;
    QPushButton* m_printButton;
    QPushButton* m_exit;
};

} // namespace judging
