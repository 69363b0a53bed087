#include "archive/ui/archivewindow.h"

#include "archive/ui/backuppanel.h"
#include "archive/ui/restorepanel.h"
#include "core/ui/screens.h"

#include <QMenuBar>

namespace archive {

ArchiveWindow::ArchiveWindow(core::Screens& screens)
    : core::WorkWindow(screens, core::ArchiveScreen, QStringLiteral("Archive..."), 3)
{
    setObjectName(QStringLiteral("archive"));
    m_backup = new BackupPanel(program());
    m_restore = new RestorePanel(program(), [this] { this->screens().Exit(); });
    addPanel(m_backup, QStringLiteral("backupPanel"));
    addPanel(m_restore, QStringLiteral("restorePanel"));

    QAction* backup = menuBar()->addAction(QStringLiteral("Backup"));
    backup->setObjectName(QStringLiteral("backupAction"));
    connect(backup, &QAction::triggered, this, [this] {
        m_backup->open();
        showPanel(m_backup);
    });
    QAction* restore = menuBar()->addAction(QStringLiteral("Restore"));
    restore->setObjectName(QStringLiteral("restoreAction"));
    connect(restore, &QAction::triggered, this, [this] {
        m_restore->open();
        showPanel(m_restore);
    });
    // A panel's "Exit" leaves the panel; the Goto menu's "Exit" ends the run.
    connect(m_backup, &BackupPanel::exitRequested, this, &ArchiveWindow::showPicture);
    connect(m_restore, &RestorePanel::exitRequested, this, &ArchiveWindow::showPicture);
}

} // namespace archive
