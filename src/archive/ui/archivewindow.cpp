#include "archive/ui/archivewindow.h"

#include "core/ui/screens.h"

namespace archive {

ArchiveWindow::ArchiveWindow(core::Screens& screens)
    : core::WorkWindow(screens, core::ArchiveScreen, QStringLiteral("Archive..."), 3)
{
    setObjectName(QStringLiteral("archive"));
    setPendingNote(QStringLiteral("The working screens of this window are being built; only the Goto menu works yet."));
}

} // namespace archive
