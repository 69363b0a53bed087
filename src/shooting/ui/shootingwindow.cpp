#include "shooting/ui/shootingwindow.h"

#include "core/ui/screens.h"

namespace shooting {

ShootingWindow::ShootingWindow(core::Screens& screens)
    : core::WorkWindow(screens, core::ShootingScreen, QStringLiteral("Shooting Sports Contests..."), 7)
{
    setObjectName(QStringLiteral("shooting"));
    setPendingNote(QStringLiteral("The working screens of this window are being built; only the Goto menu works yet."));
}

} // namespace shooting
