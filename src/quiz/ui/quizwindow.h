#pragma once

#include "core/ui/workwindow.h"

namespace quiz {

// The quiz contests window: quiz types, the question bank and practice quizzes.
class QuizWindow : public core::WorkWindow
{
    Q_OBJECT
public:
    explicit QuizWindow(core::Screens& screens);
};

} // namespace quiz
