#pragma once

#include "archive/backupwriter.h"
#include "core/ui/workwindow.h"

namespace archive {

class BackupPanel;
class RestorePanel;

// The archive window: backup of the data set to one file, restore, refresh and clear.
class ArchiveWindow : public core::WorkWindow
{
    Q_OBJECT
public:
    explicit ArchiveWindow(core::Screens& screens);

    BackupPanel* backupPanel() const { return m_backup; }
    RestorePanel* restorePanel() const { return m_restore; }

private:
    BackupPanel* m_backup;
    RestorePanel* m_restore;
};

} // namespace archive
