#pragma once

#include "archive/destinations.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace core {
class Program;
}

namespace archive {

// The backup panel: sections, destination, and the backup itself.
class BackupPanel : public QWidget
{
    Q_OBJECT
public:
    explicit BackupPanel(core::Program& program, QWidget* parent = nullptr);

    // What opening the panel from the menu does: every section ticked, no destination.
    void open();

    static constexpr int MaxListedFiles = 200;
    // One line of the file list: the name, blanks to column 45 less three per character, the size.
    static QString fileLine(const QString& name, qint64 bytes);

signals:
    void exitRequested();

private:
    void chooseDestination(int choice);
    void backup();
    void removableBackup(const QString& folder);
    bool probe(const QString& folder);
    void write(const QString& folder);
    void showFiles(const QString& folder, const QStringList& files);
    void hideFiles();
    void deleteFilesAndContinue();
    void exchangeDiskette();
    void setAllSections(bool ticked);

    core::Program& m_program;
    std::array<Destination, 5> m_destinations;
    int m_choice = 0;
    QString m_listedFolder;

    std::array<QCheckBox*, 27> m_sections{};
    QButtonGroup* m_destinationGroup;
    std::array<QRadioButton*, 5> m_destinationButtons{};
    QPushButton* m_selectAll;
    QPushButton* m_clear;
    QPushButton* m_backup;
    QPushButton* m_exit;
    QPushButton* m_lastBackup;
    QProgressBar* m_gauge;
    QLabel* m_fileTitle;
    QListWidget* m_fileList;
    QPushButton* m_deleteFiles;
    QPushButton* m_exchange;
};

} // namespace archive
