#include "judging/ui/judgingwindow.h"

#include "core/ui/screens.h"

namespace judging {

JudgingWindow::JudgingWindow(core::Screens& screens)
    : core::WorkWindow(screens, core::JudgingScreen, QStringLiteral("Judging Contests..."), 4)
{
    setObjectName(QStringLiteral("judging"));
    setPendingNote(QStringLiteral("The working screens of this window are being built; only the Goto menu works yet."));
}

} // namespace judging
