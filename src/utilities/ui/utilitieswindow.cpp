#include "utilities/ui/utilitieswindow.h"

#include "core/ui/screens.h"

namespace utilities {

UtilitiesWindow::UtilitiesWindow(core::Screens& screens)
    : core::WorkWindow(screens, core::UtilitiesScreen, QStringLiteral("Utilities..."), 6)
{
    setObjectName(QStringLiteral("utilities"));
    setPendingNote(QStringLiteral("The working screens of this window are being built; only the Goto menu works yet."));
}

} // namespace utilities
