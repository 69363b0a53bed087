#pragma once

#include <QString>

namespace quiz {

// Exactly three letters A..Z (the caller upper-cases first).
bool IsQuizCode(const QString& code);
// One digit "1".."5".
bool IsDifficulty(const QString& text);

// "Practice", "Competition", "Bonus", "Tie Breaker" for types 1..4, else empty.
QString QuestionTypeText(int type);
// The stored type of a shown type text: 4 for "Tie Breaker" ... 1 for "Practice", 0 otherwise.
int QuestionTypeCode(const QString& text);
// The full type a first letter B, C, P or T (either case) stands for, else empty.
QString CompleteQuestionType(const QString& typed);

// One line of a quiz type list: the code, two blanks, the title.
QString QuizLine(const QString& code, const QString& title);
// A question text as the question list shows it: the first 30 characters and "..." when longer.
QString ListedQuestionText(const QString& text);

} // namespace quiz
