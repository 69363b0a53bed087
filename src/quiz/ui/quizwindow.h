#pragma once

#include "core/ui/workwindow.h"

namespace quiz {

class ClearMarksPanel;
class PracticeQuizPanel;
class QuestionsPanel;
class QuizTypesPanel;

// The quiz contests window: quiz types, the question bank and practice quizzes.
class QuizWindow : public core::WorkWindow
{
    Q_OBJECT
public:
    explicit QuizWindow(core::Screens& screens);

    QuizTypesPanel* quizTypesPanel() const { return m_quizTypes; }
    QuestionsPanel* questionsPanel() const { return m_questions; }
    PracticeQuizPanel* practicePanel() const { return m_practice; }
    PracticeQuizPanel* competitionPanel() const { return m_competition; }
    ClearMarksPanel* clearFlagsPanel() const { return m_clearFlags; }
    ClearMarksPanel* resetUsagePanel() const { return m_resetUsage; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool leaveShownPanel() override;

private:
    QuizTypesPanel* m_quizTypes;
    QuestionsPanel* m_questions;
    PracticeQuizPanel* m_practice;
    PracticeQuizPanel* m_competition;
    ClearMarksPanel* m_clearFlags;
    ClearMarksPanel* m_resetUsage;
};

} // namespace quiz
