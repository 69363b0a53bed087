#pragma once

#include <QString>

namespace quiz {

// Field indexes of the Quiz table (quiz types).
namespace QuizField {
constexpr int Code = 0, Title = 1, LastSerial = 2;
}

// Field indexes of the Ques table (the question bank).
namespace QuesField {
constexpr int Key = 0, Author = 1, Source = 2, Type = 3, EditDate = 4, Active = 5, UsageCount = 6, Selected = 7,
              Question = 8, Answer = 9, Hint = 10, Difficulty = 11;
}

// Stored question types; 0 when none was chosen.
enum QuestionType { NoType = 0, Practice = 1, Competition = 2, Bonus = 3, TieBreaker = 4 };

constexpr int QuizCodeLength = 3;
constexpr int SerialDigits = 4;
constexpr int QuestionKeyLength = QuizCodeLength + SerialDigits;
constexpr int MaxSerial = 9999;
// Question, answer and hint texts are cut to this length.
constexpr int MaxQuestionText = 222;
// Question texts longer than this are listed cut, followed by "...".
constexpr int ListedTextLength = 30;

} // namespace quiz
