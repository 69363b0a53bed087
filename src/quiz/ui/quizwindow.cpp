#include "quiz/ui/quizwindow.h"

#include "core/ui/screens.h"

namespace quiz {

QuizWindow::QuizWindow(core::Screens& screens)
    : core::WorkWindow(screens, core::QuizScreen, QStringLiteral("Quiz Contests..."), 5)
{
    setObjectName(QStringLiteral("quiz"));
    setPendingNote(QStringLiteral("The working screens of this window are being built; only the Goto menu works yet."));
}

} // namespace quiz
