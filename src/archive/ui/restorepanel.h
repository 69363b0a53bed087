#pragma once

#include "archive/destinations.h"
#include "archive/restorer.h"

#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace core {
class Program;
}

namespace archive {

// The restore panel: location, file check, restore or clear and restore, then the close.
class RestorePanel : public QWidget
{
    Q_OBJECT
public:
    // `closeProgram` runs the orderly close after a successful restore.
    RestorePanel(core::Program& program, std::function<void()> closeProgram, QWidget* parent = nullptr);

    void open();

signals:
    void exitRequested();

private:
    void chooseLocation(int choice);
    void openRestoreFile();
    void restore(bool clearFirst);
    void setRestoreEnabled(bool enabled);

    core::Program& m_program;
    std::function<void()> m_closeProgram;
    Restorer m_restorer;
    std::array<Destination, 5> m_destinations;

    QButtonGroup* m_locationGroup;
    std::array<QRadioButton*, 5> m_locationButtons{};
    QPushButton* m_openFile;
    QPushButton* m_restore;
    QPushButton* m_clearRestore;
    QPushButton* m_exit;
    QPushButton* m_header;
    QPushButton* m_sectionsTitle;
    QListWidget* m_sections;
    QLabel* m_progressLabel;
    QProgressBar* m_gauge;
    QLineEdit* m_corrupt;
};

} // namespace archive
